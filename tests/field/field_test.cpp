#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <iomanip>
#include <tuple>

#include "field/number_text.h"
#include "field/segment_field.h"

namespace {

constexpr double kLambda = 1e-6;

std::string Text(std::optional<Currency> c) { return c ? c->text('.') : "none"; }

// Rounding to four decimals happens once, from the exact value of the double:
// 2.01715 is stored below the half and 2.01725 above it; 0.03125 is a true tie.
TEST(Currency, RoundsOnceFromTheExactDouble) {
    const std::pair<double, const char*> cases[] = {
        {2.01715, "2.0171"}, {2.01725, "2.0173"},   {-2.01715, "-2.0171"}, {0.03125, "0.0312"},
        {0.03135, "0.0314"}, {-0.03125, "-0.0312"}, {1.00005, "1.0001"},   {0.00005, "0.0001"},
        {-0.00004, "0"},     {9.3e14, "none"},      {-1e300, "none"},      {INFINITY, "none"},
        {NAN, "none"}};
    const std::pair<double, const char*> wide[] = {{1e14 + 0.5, "100000000000000.5"},
                                                   {922337203685477.5, "922337203685477.5"},
                                                   {11996011.51885000057518482208, "11996011.5189"},
                                                   {-199878.68945000000530853868, "-199878.6895"}};
    for (auto [value, text] : wide) EXPECT_EQ(Text(Currency::fromDouble(value)), text) << text;
    for (auto [value, text] : cases)
        EXPECT_EQ(Text(Currency::fromDouble(value)), text) << std::setprecision(17) << value;
    EXPECT_FALSE(Currency::fromTenThousandths(INT64_MAX).plus(Currency::fromTenThousandths(1)));
    EXPECT_EQ(Currency::fromTenThousandths(INT64_MIN).text(','), "-922337203685477,5808");
}

// Reading and showing numbers never depend on the C library's locale, which
// Qt sets from the user's environment.
TEST(NumberText, ReadsAndShowsAlikeInEveryLocale) {
    std::setlocale(LC_ALL, "");
    const std::pair<const char*, const char*> typed[] = {
        {"0,25", "0.25"}, {"1,000.5", "1."}, {"1 2", "12."},       {"abc", "0."},  {"-", "0."},
        {"", "0."},       {"2e-1", "0.2"},   {"\t3\n.5", "3.5"},   {"+.5", "0.5"}, {"1E+", "1."},
        {"--3", "0."},    {"1e-400", "0."},  {"1.9e3kg", "1900."}, {"nan", "0."},  {"inf", "0."},
        {"0x1p3", "0."},  {"\xff", "0."},    {"..", "0."},         {"e5", "0."}};
    for (auto [text, read] : typed)
        EXPECT_EQ(FormatCoordinate(Val(CommasToPoints(text)), '.'), read) << text;
    EXPECT_EQ(Val("1e400"), DBL_MAX);
    EXPECT_EQ(Val("-1e999"), -DBL_MAX);
    // Four decimals rounded as the number reads in decimal, half away from zero.
    const std::pair<double, const char*> shown[] = {
        {0.6, "0,6"},        {0.123456, "0,1235"},  {1.0, "1,"},         {-2.5, "-2,5"},
        {-0.00001, "0,"},    {0.30005, "0,3001"},   {0.40005, "0,4001"}, {0.00015, "0,0002"},
        {0.00025, "0,0003"}, {-0.00005, "-0,0001"}, {0.99995, "1,"},     {-9.99995, "-10,"}};
    for (auto [value, text] : shown)
        EXPECT_EQ(FormatCoordinate(value, ','), text) << std::setprecision(17) << value;
    EXPECT_EQ(FormatCoordinate(1e20, ','), "100000000000000000000,");
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
    EXPECT_FALSE(PointChargeSum(5, 0.3, 0, kLambda));
    EXPECT_FALSE(ElementContribution(2, 5, 0.3, 1e-12, kLambda));
    EXPECT_EQ(Currency::fromDouble(*PotentialAt(0.6, 0.4, kLambda)),
              ComputeField(0.6, 0.4, kLambda)->V);
}

// Points that take each branch of the formulas, digit for digit: beside the
// segment, and near and on the axis at both ends, where the written forms
// cancel (reference: the closed forms in 50-digit arithmetic).
TEST(Field, EachBranchOfTheFormulasDigitForDigit) {
    const std::tuple<const char*, double, double, const char*, const char*, const char*> cases[] = {
        {"beside the middle", 0.6, 0.4, "3429.1482", "34631.0342", "18685.2312"},
        {"below the middle, its mirror image", 0.5, -0.3, "0", "-51449.5755", "23108.3219"},
        {"just above the segment", 0.3, 1e-5, "-17142.8571", "1799999999.4082", "205663.4779"},
        {"beyond the far end, near the axis", 2, 1e-4, "4500", "0.3375", "6238.3246"},
        {"beyond the far end, on the axis", 2, 0, "4500", "0", "6238.3246"},
        {"before the near end, near the axis", -0.5, 1e-5, "-12000", "0.16", "9887.5106"},
        {"before the near end, on the axis", -1, 0, "-4500", "0", "6238.3246"},
        {"far away, as one charge", 100, 100, "0.319", "0.3206", "63.799"}};
    for (auto [name, x, y, ex, ey, v] : cases) {
        const auto f = ComputeField(x, y, kLambda);
        ASSERT_TRUE(f) << name;
        EXPECT_EQ(f->Ex.text('.'), ex) << name;
        EXPECT_EQ(f->Ey.text('.'), ey) << name;
        EXPECT_EQ(f->V.text('.'), v) << name;
    }
}

// Far out on the axis the written forms would cancel to nothing; there the
// segment acts as one charge λL: E = kλ/x², V = kλ/|x|.
TEST(Field, FarAwayOnTheAxisAsOneCharge) {
    for (double x : {1e20, -1e20}) {
        const auto f = ExactFieldAt(x, 0, kLambda);
        ASSERT_TRUE(f) << x;
        EXPECT_DOUBLE_EQ(f->ex, (x > 0 ? 9e-37 : -9e-37)) << x;
        EXPECT_DOUBLE_EQ(f->v, 9e-17) << x;
    }
}

}  // namespace
