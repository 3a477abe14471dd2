#include "field/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

struct ValCase {
    const char* text;
    double value;
};

class ValReading : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValReading, ReadsTheLeadingNumberAfterCommasBecomePoints) {
    EXPECT_DOUBLE_EQ(Val(CommasToPoints(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValReading,
    ::testing::Values(ValCase{"0,25", 0.25}, ValCase{"0.25", 0.25}, ValCase{"1,000.5", 1},
                      ValCase{"1 2", 12}, ValCase{"abc", 0}, ValCase{"-", 0}, ValCase{"", 0},
                      ValCase{"2e-1", 0.2}, ValCase{" - 5", -5}, ValCase{"\t3\n.5", 3.5},
                      ValCase{"+.5", 0.5}, ValCase{"5.", 5}, ValCase{"1e", 1}, ValCase{"1E+", 1},
                      ValCase{"7x9", 7}, ValCase{"--3", 0}, ValCase{"1e-400", 0},
                      ValCase{"0,6", 0.6}, ValCase{"1.5e3kg", 1500}));

TEST(Val, NumbersTooLargeForADoubleSaturateAndStayFinite) {
    EXPECT_EQ(Val("1e400"), DBL_MAX);
    EXPECT_EQ(Val("-1e99999999999999999999"), -DBL_MAX);
    EXPECT_EQ(Val(std::string(500, '9')), DBL_MAX);
}

TEST(Val, HostileTextNeverGivesANonFiniteNumber) {
    for (const char* text : {"nan", "inf", "-infinity", "0x1p3", "1e", "\xff\xfe", "..", "e5"})
        EXPECT_TRUE(std::isfinite(Val(text))) << text;
}

struct FormatCase {
    double value;
    char separator;
    const char* text;
};

class CoordinateFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(CoordinateFormat, AtLeastOneDigitAtMostFourDecimals) {
    EXPECT_EQ(FormatCoordinate(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, CoordinateFormat,
                         ::testing::Values(FormatCase{0.6, '.', "0.6"}, FormatCase{0.6, ',', "0,6"},
                                           FormatCase{1.25, '.', "1.25"},
                                           FormatCase{0.123456, '.', "0.1235"},
                                           FormatCase{1, '.', "1."}, FormatCase{1, ',', "1,"},
                                           FormatCase{-2.5, '.', "-2.5"},
                                           FormatCase{-0.00001, '.', "0."},
                                           FormatCase{12345.00004, '.', "12345."}));

TEST(CoordinateFormat, ShownTextReadsBackToTheShownValue) {
    for (double v : {0.6, 0.123456, -3.99995, 1e12 + 0.5, 7.0}) {
        const double shown = Val(CommasToPoints(FormatCoordinate(v, ',')));
        EXPECT_EQ(FormatCoordinate(shown, '.'), FormatCoordinate(v, '.'));
        EXPECT_NEAR(shown, v, 5e-5 * std::max(1.0, std::fabs(v) * 1e-11));
    }
}

TEST(RoundToInt32, HalvesToEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(RoundToInt32(Val(CommasToPoints("12,5"))), 12);
    EXPECT_EQ(RoundToInt32(Val(CommasToPoints("13,5"))), 14);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(RoundToInt32(2147483647.5));
    EXPECT_FALSE(RoundToInt32(-2147483649.0));
    EXPECT_FALSE(RoundToInt32(std::nan("")));
}

}  // namespace
