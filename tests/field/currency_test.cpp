#include "field/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct RoundingCase {
    double value;
    long long tenThousandths;
};

class CurrencyRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(CurrencyRounding, RoundsToNearestTenThousandthHalvesToEven) {
    const auto c = Currency::fromDouble(GetParam().value);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->tenThousandths(), GetParam().tenThousandths);
}

INSTANTIATE_TEST_SUITE_P(Values, CurrencyRounding,
                         ::testing::Values(RoundingCase{0, 0}, RoundingCase{1.23456, 12346},
                                           RoundingCase{-1.23456, -12346},
                                           // Exact binary halves: 312.5 and 937.5 ten-thousandths.
                                           RoundingCase{0.03125, 312}, RoundingCase{0.09375, 938},
                                           RoundingCase{-0.03125, -312},
                                           RoundingCase{0.00004999, 0}));

TEST(Currency, OverflowAndNonFiniteAreReported) {
    EXPECT_TRUE(Currency::fromDouble(922337203685477.0));
    EXPECT_FALSE(Currency::fromDouble(922337203685478.0));
    EXPECT_FALSE(Currency::fromDouble(1e15));
    EXPECT_FALSE(Currency::fromDouble(-1e15));
    EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(Currency::fromDouble(std::nan("")));
    const auto max = Currency::fromTenThousandths(std::numeric_limits<long long>::max());
    EXPECT_FALSE(max.plus(Currency::fromTenThousandths(1)));
    EXPECT_FALSE(Currency::fromTenThousandths(std::numeric_limits<long long>::min()).magnitude());
}

TEST(Currency, SumsAreExact) {
    Currency sum;
    for (int i = 0; i < 10; ++i) sum = *sum.plus(*Currency::fromDouble(0.1));
    EXPECT_EQ(sum, *Currency::fromDouble(1.0));
}

struct TextCase {
    long long tenThousandths;
    char separator;
    const char* text;
};

class CurrencyText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CurrencyText, PlainDecimalForm) {
    const TextCase& c = GetParam();
    EXPECT_EQ(Currency::fromTenThousandths(c.tenThousandths).text(c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(Forms, CurrencyText,
                         ::testing::Values(TextCase{34291482, '.', "3429.1482"},
                                           TextCase{34291482, ',', "3429,1482"},
                                           TextCase{45000000, '.', "4500"},
                                           TextCase{-1731551710, '.', "-173155.171"},
                                           TextCase{-5, ',', "-0,0005"}, TextCase{0, '.', "0"},
                                           TextCase{std::numeric_limits<long long>::min(), '.',
                                                    "-922337203685477.5808"}));

}  // namespace
