#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <iomanip>
#include <tuple>

#include "field/model_in_use.h"
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
    const FieldModel exact{kLambda}, charges{kLambda, 5};
    const double points[][2] = {{1, 0},      {0.5, 0},      {0, 0},        {1 + 1e-13, 0},
                                {-1e-13, 0}, {0.5, 1e-200}, {1e308, 1e308}};
    for (auto [x, y] : points) EXPECT_FALSE(exact.shownAt({x, y})) << x << ", " << y;
    EXPECT_FALSE(exact.potentialAt({0.5, 0}));
    EXPECT_FALSE(charges.shownAt({0.3, 0})) << "on the second charge";
    EXPECT_FALSE(charges.shownElementAt(2, {0.3, 1e-12}));
    EXPECT_FALSE((FieldModel{kLambda, 0, View::Profile}.shownAt({0, 0}))) << "on the axis";
    EXPECT_EQ(Currency::fromDouble(*exact.potentialAt({0.6, 0.4})), exact.shownAt({0.6, 0.4})->V);
}

// The drawn charge, where a click takes an element or is ignored and the grid
// draws no arrow: the bar's outline 0.008 m either side at zoom 1, divided by
// the zoom; seen end-on, a disc of 0.008 m at every zoom.
TEST(ChargeShape, DrawnChargeAndItsBand) {
    const std::tuple<const char*, View, double, double, double, bool> cases[] = {
        {"just inside the outline", View::Front, 0.5, 0.0079, 1, true},
        {"on the outline", View::Front, 0.5, -0.008, 1, false},
        {"at 10 %, ten times as far", View::Front, 0.5, 0.079, 0.1, true},
        {"at 10 %, beyond it", View::Front, 0.5, 0.081, 0.1, false},
        {"the start is not inside", View::Front, 0, 0, 1, false},
        {"the end is not inside", View::Front, 1, 0, 1, false},
        {"beside the end", View::Front, 1.001, 0, 1, false},
        {"end-on, inside", View::Profile, 0.0079, 0, 1, true},
        {"end-on, diagonally out", View::Profile, 0.006, 0.006, 1, false},
        {"end-on, the zoom changes nothing", View::Profile, 0.0079, 0, 0.1, true},
        {"end-on, even at 10 %", View::Profile, 0.01, 0, 0.1, false}};
    const ChargeDistribution& segment = UniformSegment();
    EXPECT_EQ(segment.band(), 0.008);
    for (auto [name, view, x, y, zoom, on] : cases)
        EXPECT_EQ(segment.onDrawnCharge(view, {x, y}, zoom), on) << name;
    EXPECT_EQ(segment.distanceFromCharge(View::Front, {1.3, -0.4}), 0.5);
    EXPECT_EQ(segment.distanceFromCharge(View::Front, {0.7, -0.4}), 0.4);
    EXPECT_EQ(segment.distanceFromCharge(View::Profile, {0.3, -0.4}), 0.5);
    // A typed point is refused on the charge within 0.003 m of the axis, ends excluded.
    const std::tuple<double, double, bool> typed[] = {
        {0.5, 0.0029, true}, {0.5, -0.0029, true}, {0.5, 0.003, false}, {0.5, -0.003, false},
        {0.0001, 0, true},   {0.9999, 0, true},    {0, 0.001, false},   {1, 0.001, false},
        {-0.1, 0, false},    {1.1, 0, false}};
    for (auto [x, y, on] : typed) EXPECT_EQ(segment.onChargeAsTyped({x, y}), on) << x << ", " << y;
}

// N equal pieces of the 1 m segment, left to right as the manual mode takes
// them: each charge at its piece's centre, together the whole charge λ·1 m;
// a click on a piece takes that piece.
TEST(ChargeShape, ElementsTileTheSegmentAndHoldItsCharge) {
    const ChargeDistribution& segment = UniformSegment();
    for (int n : kElementCountChoices) {
        double end = 0, kq = 0;
        for (int i = 1; i <= n; ++i) {
            const ChargeElement e = segment.element(i, n);
            EXPECT_NEAR(e.from, end, 1e-15) << n << " " << i;
            EXPECT_NEAR(e.to - e.from, 1.0 / n, 1e-15) << n << " " << i;
            EXPECT_NEAR(e.centre.x, (i - 0.5) / n, 1e-15) << n << " " << i;
            EXPECT_EQ(e.centre.y, 0);
            EXPECT_EQ(e.centre.z, 0);
            EXPECT_EQ(segment.elementAt({e.centre.x, 0.001}, n), i) << n;
            end = e.to;
            kq += e.coulombCharge(kLambda);
        }
        EXPECT_NEAR(end, 1, 1e-15) << n;
        EXPECT_NEAR(kq, 9e3, 1e-9) << n << ": k·λ·1 m";
        EXPECT_EQ(segment.elementAt({0.9999, 0}, n), n);
    }
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
        const auto f = FieldModel{kLambda}.shownAt({x, y});
        ASSERT_TRUE(f) << name;
        EXPECT_EQ(f->Ex.text('.'), ex) << name;
        EXPECT_EQ(f->Ey.text('.'), ey) << name;
        EXPECT_EQ(f->V.text('.'), v) << name;
    }
}

// Unrounded, each form keeps nearly all of double's digits where the
// written forms would cancel (reference: 60-digit arithmetic).
TEST(Field, UnroundedToTwelveDigitsWhereTheFormsCancel) {
    const std::tuple<const char*, double, double, double, double, double> cases[] = {
        {"beyond the far end, near the axis", 2, 1e-4, 4499.9999606250003, 0.33749999683593751,
         6238.3246081645075},
        {"before the near end, near the axis", -0.5, 1e-5, -11999.999996533334, 0.15999999994666667,
         9887.5105972129877},
        {"far beyond the end, near the axis", 1e3, 1e-3, 0.0090090090089954816,
         9.0135180225134979e-09, 9.0045030022472954},
        {"far before the start, near the axis", -1e3, 1e-3, -0.0089910089909955183,
         8.9865179775135019e-09, 8.9955029977473053}};
    for (auto [name, x, y, ex, ey, v] : cases) {
        const auto f = ExactFieldAt(x, y, kLambda);
        ASSERT_TRUE(f) << name;
        EXPECT_NEAR(f->ex, ex, 1e-12 * std::fabs(ex)) << name;
        EXPECT_NEAR(f->ey, ey, 1e-12 * ey) << name;
        EXPECT_NEAR(f->v, v, 1e-12 * v) << name;
    }
}

// The segment looks the same all round its axis: at (0.6, 0.24, 0.32), 0.4 m
// from the axis, the field is that of (0.6, 0.4) in the plane (the row
// "beside the middle" above), its radial part split 0.6 : 0.8 between y and z.
TEST(ChargeShape, SpaceAroundTheAxisIsThePlaneTurned) {
    const auto f = UniformSegment().exactField({0.6, 0.24, 0.32}, kLambda);
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->ex, 3429.1482, 1e-4);
    EXPECT_NEAR(f->ey, 0.6 * 34631.0342, 1e-4);
    EXPECT_NEAR(f->ez, 0.8 * 34631.0342, 1e-4);
    EXPECT_NEAR(f->v, 18685.2312, 1e-4);
    EXPECT_NEAR(*UniformSegment().exactPotential({0.6, -0.32, 0.24}, kLambda), 18685.2312, 1e-4);
}

// The rule of the model in use: the integral when it is chosen, when a click
// traces a line and in the profile view; else the N point charges.
TEST(ModelInUse, IntegralWhenChosenForLinesAndInProfile) {
    const std::tuple<const char*, int, View, bool, int> cases[] = {
        {"20 charges, front, field at a point", 20, View::Front, false, 20},
        {"5 charges, front, field at a point", 5, View::Front, false, 5},
        {"the integral chosen", 0, View::Front, false, 0},
        {"a line traced", 20, View::Front, true, 0},
        {"the profile view", 20, View::Profile, false, 0},
        {"the profile view, a line traced", 50, View::Profile, true, 0}};
    for (auto [name, model, view, tracesLine, charges] : cases) {
        const FieldModel m = ModelInUse({-5 * kLambda, model, view, tracesLine});
        EXPECT_EQ(m.charges, charges) << name;
        EXPECT_EQ(m.view, view) << name;
        EXPECT_EQ(m.lambda, -5 * kLambda) << name;
        EXPECT_EQ(m.shape, &StartShape()) << name;
    }
}

// The profile view's point (0.3, 0.4) lies 0.5 m from the axis: it takes the
// values of (0.5, 0.5) in the plane, the field turned along (0.6, 0.8).
// Reference, on the bisector at s from the middle of a segment of length L:
// E = 2kλ(L/2)/(s·√(s² + L²/4)) = 25455.844122716 V/m and
// V = 2kλ·asinh(L/(2s)) = 15864.724566352 V (closed forms, 30 digits).
TEST(ModelInUse, ProfilePointTakesTheMidPlaneValueAlongTheRadius) {
    const FieldModel profile{kLambda, 0, View::Profile};
    const SpacePoint at = profile.evaluatedAt({0.3, 0.4});
    EXPECT_EQ(at.x, 0.5);
    EXPECT_EQ(at.y, 0.5);
    EXPECT_EQ(at.z, 0);
    const auto f = profile.fieldAt({0.3, 0.4});
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->ex, 15273.506473629, 1e-8);
    EXPECT_NEAR(f->ey, 20364.675298173, 1e-8);
    EXPECT_NEAR(f->v, 15864.724566352, 1e-8);
    EXPECT_EQ(profile.shownAt({0.3, 0.4})->Ey.text('.'), "25455.8441");
    EXPECT_EQ(profile.shownAt({-0.4, -0.3})->V.text('.'), "15864.7246");
    EXPECT_NEAR(*FieldModel({kLambda, 10, View::Profile}).potentialAt({0.3, 0.4}),
                *FieldModel({kLambda, 10}).potentialAt({0.5, 0.5}), 0);
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
