#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>

#include "field/number_text.h"
#include "field/segment_field.h"

namespace {

constexpr double kLambda = 1e-6;

std::string Text(std::optional<Currency> c) { return c ? c->text('.') : "none"; }

template <typename T, typename F>
std::string Joined(std::initializer_list<T> items, F show) {
    std::string out;
    for (const T& item : items) out += (out.empty() ? "" : " ") + show(item);
    return out;
}

// Rounding to four decimals happens once, from the exact value of the double:
// 2.01715 is stored below the half and 2.01725 above it; 0.03125 is a true tie.
TEST(Currency, RoundsOnceFromTheExactDouble) {
    const auto rounded = [](double v) { return Text(Currency::fromDouble(v)); };
    EXPECT_EQ(
        Joined<double>({2.01715, 2.01725, -2.01715, 0.03125, 0.03135, -0.03125, 1.00005, 0.00005,
                        -0.00004, 1e14 + 0.5, 922337203685477.5, 11996011.51885000057518482208,
                        -199878.68945000000530853868, 9.3e14, -1e300, INFINITY, NAN},
                       rounded),
        "2.0171 2.0173 -2.0171 0.0312 0.0314 -0.0312 1.0001 0.0001 0 100000000000000.5 "
        "922337203685477.5 11996011.5189 -199878.6895 none none none none");
    EXPECT_FALSE(Currency::fromTenThousandths(INT64_MAX).plus(Currency::fromTenThousandths(1)));
    EXPECT_EQ(Currency::fromTenThousandths(INT64_MIN).text(','), "-922337203685477,5808");
}

// Reading and showing numbers never depend on the C library's locale, which
// Qt sets from the user's environment.
TEST(NumberText, ReadsAndShowsAlikeInEveryLocale) {
    std::setlocale(LC_ALL, "");
    const auto read = [](const char* text) {
        return FormatCoordinate(Val(CommasToPoints(text)), '.');
    };
    EXPECT_EQ(Joined<const char*>(
                  {"0,25", "1,000.5", "1 2", "abc", "-", "", "2e-1", "\t3\n.5", "+.5", "1E+", "--3",
                   "1e-400", "1.9e3kg", "nan", "inf", "0x1p3", "\xff", "..", "e5"},
                  read),
              "0.25 1. 12. 0. 0. 0. 0.2 3.5 0.5 1. 0. 0. 1900. 0. 0. 0. 0. 0. 0.");
    EXPECT_EQ(Val("1e400"), DBL_MAX);
    EXPECT_EQ(Val("-1e999"), -DBL_MAX);
    const auto comma = [](double v) { return FormatCoordinate(v, ','); };
    EXPECT_EQ(Joined<double>({0.6, 0.123456, 1.0, -2.5, -0.00001, 1e20}, comma),
              "0,6 0,1235 1, -2,5 0, 100000000000000000000,");
    EXPECT_EQ(RoundToInt32(Val(CommasToPoints("12,5"))), 12);
    EXPECT_EQ(RoundToInt32(13.5), 14);
    EXPECT_EQ(RoundToInt32(2147483647.4), INT32_MAX);
    EXPECT_EQ(RoundToInt32(-2147483648.4), INT32_MIN);
    EXPECT_FALSE(RoundToInt32(2147483647.5));
    EXPECT_FALSE(RoundToInt32(-2147483649.0));
    std::setlocale(LC_ALL, "C");
}

TEST(Field, NoValueWhereTheModelHasNone) {
    const double points[][2] = {{1, 0},      {0.5, 0},      {0, 0},        {1 + 1e-13, 0},
                                {-1e-13, 0}, {0.5, 1e-200}, {1e308, 1e308}};
    for (auto [x, y] : points) EXPECT_FALSE(ComputeField(x, y, kLambda)) << x << ", " << y;
    EXPECT_FALSE(PotentialAt(0.5, 0, kLambda));
    EXPECT_TRUE(ComputeField(2, 0, kLambda));  // beyond the end the axis has a value
    EXPECT_FALSE(PointChargeSum(5, 0.3, 0, kLambda));
    EXPECT_FALSE(ElementContribution(2, 5, 0.3, 1e-12, kLambda));
    EXPECT_EQ(Currency::fromDouble(*PotentialAt(0.6, 0.4, kLambda)),
              ComputeField(0.6, 0.4, kLambda)->V);
}

// Off the ends near the axis the written formulas cancel, and beside the
// segment the forms that avoid it do; the results must keep their four
// decimals everywhere (reference: long double, the potential in its
// focal-sum form).
TEST(Field, ResultsKeepTheirDigitsNearTheAxis) {
    for (auto [x, y] :
         {std::pair{2.0, 1e-4}, {1.5, 1e-6}, {-0.5, 1e-5}, {3.0, 1e-9}, {0.3, 1e-5}}) {
        const long double r1 = std::hypot((long double)x, y), r2 = std::hypot(x - 1.0L, y);
        const long double v = 9e9L * kLambda * std::log((r1 + r2 + 1) / (r1 + r2 - 1));
        EXPECT_NEAR(*PotentialAt(x, y, kLambda), double(v), 2e-5) << x << ", " << y;
        const long double ey = 9e9L * kLambda / y * (x / r1 + (1 - x) / r2);
        EXPECT_NEAR(ComputeField(x, y, kLambda)->Ey.toDouble(), double(ey), 1e-4) << x << ", " << y;
    }
}

}  // namespace
