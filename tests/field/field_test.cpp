#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <iomanip>
#include <tuple>

#include "field/model_in_use.h"
#include "field/number_text.h"
#include "field/ring_field.h"
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

// The exact models of the other shapes against Coulomb's law integrated in
// 30-digit arithmetic (mpmath, mp.dps = 30), at the doubles nearest the
// coordinates written, λ or σ = 10⁻⁶: per row x, y, z, Ex, Ey, Ez, V; a 0 is zero
// by symmetry. Each part within 10⁻¹² of its reference, a zero within
// 10⁻¹² of |E|.
struct QuadratureRow {
    const ChargeDistribution* shape;
    const char* name;
    double x, y, z, ex, ey, ez, v;
};

TEST(ExactModels, AgainstQuadrature) {
    const QuadratureRow rows[] = {
        // λ(x') = 2λx': quad(lambda t: 2λt·(x − t, y, z)/D(t)³, [0, x, 1]), D the
        // distance from (t, 0, 0), the potential with 1/D(t).
        {&GrowingSegment(), "beside the middle", 0.6, 0.4, 0, -5550.6573241251035,
         38813.922509854827, 0, 19624.630543927768},
        {&GrowingSegment(), "1e-6 m from the charge", 0.3, 1e-6, 0, -468505.73340390756,
         10799999999.998775, 0, 155466.00573543296},
        {&GrowingSegment(), "below the middle", 0.5, -0.3, 0, -15346.898533103342,
         -51449.575542752653, 0, 23108.321929377467},
        {&GrowingSegment(), "beyond the far end, near the axis", 2, 1e-4, 0, 5523.3506936709846,
         0.44999999521875006, 0, 6953.2984776580315},
        {&GrowingSegment(), "1e-6 m beyond the far end", 1 + 1e-6, 0, 0, 17999751322.272755, 0, 0,
         230679.45672403675},
        {&GrowingSegment(), "before the start, near the axis", -0.5, 1e-5, 0, -7775.0211946926411,
         0.079999999984000009, 0, 8112.4894015870132},
        {&GrowingSegment(), "1e-6 m before the start", -1e-6, 0, 0, -230679.22604332992, 0, 0,
         17999.751320791958},
        {&GrowingSegment(), "off the plane", 0.6, 0.24, 0.32, -5550.6573241251044,
         23288.353505912899, 31051.138007883867, 19624.630543927768},
        {&GrowingSegment(), "1e3 m beyond the end", 1e3, 1e-3, 0, 0.009012013514401479,
         9.0180270360315098e-09, 0, 9.0060045035984935},
        {&GrowingSegment(), "1e3 m before the start", -1e3, 1e-3, 0, -0.0089880134856015204,
         8.9820269640314913e-09, 0, 8.9940044963985066},
        {&GrowingSegment(), "1e3 m away, diagonally", 1e3, 1e3, 0, 0.0031830405778550488,
         0.0031851642861162174, 0, 6.3660827486107374},
        {&GrowingSegment(), "1e9 m away", 1e9, 0, 1e9, 3.181980516400124e-15, 0,
         3.1819805185214443e-15, 6.3639610328002484e-06},
        {&GrowingSegment(), "1e9 m before the start, on the axis", -1e9, 0, 0,
         -8.9999999880000005e-15, 0, 0, 8.999999994e-06},
        // The wire at (0.5, R cos φ, R sin φ), R = 0.5: quad over φ of λR·(p − wire)/D³
        // and λR/D, split at the angle nearest p and 10⁻ᵏ either side of it.
        {&Ring(), "in the front plane", 0.8, 0.5, 0, 62650.812703052034, 27213.065269422041, 0,
         46008.309080337654},
        {&Ring(), "1e-6 m beside the wire, along the axis", 0.5 + 1e-6, 0.5, 0, 17999999999.605713,
         255632.48854281014, 0, 273632.48854293342},
        {&Ring(), "1e-6 m outside the wire, in its plane", 0.5, 0.5 + 1e-6, 0, 0, 18000237631.37236,
         0, 273632.23291081935},
        {&Ring(), "1e-6 m from the wire, diagonally, below", 0.5 + 7e-7, -0.5 + 7e-7, 0,
         12857151856.868977, 12856896043.05105, 0, 273814.49197970872},
        {&Ring(), "on the axis", 1.2, 0, 0, 31091.58358933622, 0, 0, 32868.245508726861},
        {&Ring(), "1e-5 m off the axis", 1.2, 1e-5, 0, 31091.5835883568, 0.21908162183384433, 0,
         32868.245507631451},
        {&Ring(), "at the centre", 0.5, 0, 0, 0, 0, 0, 56548.667764616279},
        {&Ring(), "near the axis, off it", 0.9, 0.2, 0, 46082.321694255697, 3198.627308304187, 0,
         43905.598490508193},
        {&Ring(), "farther along, off the axis", 1.5, 0.3, 0, 19128.837064976808, 4119.865312720789,
         0, 24661.370183005572},
        {&Ring(), "in the profile plane, inside the ring", 0.5, 0.12, 0.16, 0, -16501.07893292369,
         -22001.438577231591, 59039.995171122406},
        {&Ring(), "1e3 m away, off the plane", 1e3, 600, 800, 0.0099989852644320372,
         0.0060023912288253052, 0.0080031883051004081, 19.997971777486587},
        {&Ring(), "1e9 m away", 1e9, 3e8, 4e8, 2.0231466439559317e-14, 6.0694399349025152e-15,
         8.0925865798700208e-15, 2.5289333041862349e-05},
        {&Ring(), "1e9 m behind, on the axis", -1e9, 0, 0, -2.8274333854033805e-14, 0, 0,
         2.8274333868170971e-05},
        // Rings of radius r: σr·4K(m)/s for V, σr·a·4E(m)/(s·d²) along the axis and
        // σr·((ρ² − a² − r²)·4E(m)/(s·d²) + 4K(m)/s)/(2ρ) away from it (mpmath's
        // ellipk, ellipe; d, s the least and greatest distances to the ring,
        // m = 4ρr/s²), then quad over r from 0 to R, split at r = ρ and 10⁻ᵏ
        // either side of it.
        {&Disk(), "in the front plane", 0.8, 0.3, 0, 22860.836811683334, 10114.363449892993, 0,
         14441.673497623759},
        {&Disk(), "1e-6 m before the rim", 0.5 + 1e-6, 0.5, 0, 28274.060249819588,
         237632.48854319809, 0, 17999.971725807434},
        {&Disk(), "1e-6 m outside the rim, in its plane", 0.5, 0.5 + 1e-6, 0, 0, 237632.26891103, 0,
         17999.744367625764},
        {&Disk(), "1e-6 m behind the disk, near the rim", 0.5 - 1e-6, 0.4999, 0,
         -56368.482999371285, 154752.202440728, 0, 18017.218212758889},
        {&Disk(), "1e-6 m from the rim, diagonally", 0.5 + 7e-7, 0.5 + 7e-7, 0, 14136.975271325269,
         237814.15904061744, 0, 17999.811034089464},
        {&Disk(), "1e-6 m before the centre", 0.5 + 1e-6, 0, 0, 56548.554667280747, 0, 0,
         28274.277333696922},
        {&Disk(), "1e-5 m off the axis", 1.2, 1e-5, 0, 10533.124050823089, 0.11104136994891194, 0,
         9060.9359171291489},
        {&Disk(), "beside the disk, near its plane", 0.52, 0.7, 0, 904.93869262487044,
         18555.633618934047, 0, 10904.753758035631},
        {&Disk(), "in the profile plane, outside", 0.5, 0.6, 0.8, 0, 4715.0239422204477,
         6286.6985896272636, 7313.3799562792847},
        {&Disk(), "just nearer than 2 m", 2.4, 0.3, 0, 1801.5194654436671, 270.8539389383933, 0,
         3616.7551671329988},
        {&Disk(), "just beyond 2 m", 2.6, 0, 0.3, 1495.9413666444123, 0, 205.22329082334971,
         3288.3952689106204},
        {&Disk(), "behind it, off the plane", -0.3, 0.1, 0.2, -8048.0169471511153,
         796.97564805523507, 1593.9512961104701, 7904.1636612341908},
        {&Disk(), "1e3 m away", 1e3, 600, 800, 0.002499746257344353, 0.0015005979126819099,
         0.0020007972169092132, 4.9994929833910966},
        {&Disk(), "1e9 m away", 1e9, 0, 1e9, 2.4991216533388612e-15, 0, 2.4991216545884224e-15,
         4.9982433066777229e-06},
    };
    for (const auto& [shape, name, x, y, z, ex, ey, ez, v] : rows) {
        const auto f = shape->exactField({x, y, z}, kLambda);
        ASSERT_TRUE(f) << name;
        const double e = std::max({std::fabs(ex), std::fabs(ey), std::fabs(ez)});
        const auto near = [e](double value, double reference) {
            return std::fabs(value - reference) <=
                   1e-12 * (reference == 0 ? e : std::fabs(reference));
        };
        EXPECT_PRED2(near, f->ex, ex) << name;
        EXPECT_PRED2(near, f->ey, ey) << name;
        EXPECT_PRED2(near, f->ez, ez) << name;
        EXPECT_PRED2(near, f->v, v) << name;
        EXPECT_EQ(shape->exactPotential({x, y, z}, kLambda), f->v) << name;
    }
}

// Along the line the "Mediatriz" plot follows: at 10⁻⁹ m the infinite line
// 2kλ/s (both segments have λ at their middle) or the infinite plane
// σ/2ε₀ = 2πkσ (the disk, on its axis); at 10⁶ m the whole charge Q at one
// point, kQ/s² and kQ/s, Q = λ·1 m, λ·2πR or σπR²; each within 10⁻⁵. The N
// elements hold Q. (The limits the plot draws: Bisector.LimitsAtBothEnds.)
TEST(ExactModels, LimitsAlongThePlottedLineAndTheWholeCharge) {
    const std::tuple<const ChargeDistribution*, double, double> shapes[] = {
        {&UniformSegment(), 1, 1.8e4 / 1e-9},
        {&GrowingSegment(), 1, 1.8e4 / 1e-9},
        {&Ring(), M_PI, NAN},
        {&Disk(), M_PI / 4, 2 * M_PI * 9e3}};
    for (auto [shape, charge, nearE] : shapes) {
        const PlotLine line = shape->plotLine();
        const auto at = [&line](double s) {
            return SpacePoint{line.start.x + s * line.direction.x,
                              line.start.y + s * line.direction.y, 0};
        };
        const auto close = shape->exactField(at(1e-9), kLambda),
                   far = shape->exactField(at(1e6), kLambda);
        ASSERT_TRUE(close && far) << shape->densitySymbol();
        EXPECT_NEAR(std::hypot(far->ex, far->ey), 9e3 * charge / 1e12, 1e-5 * 9e-9 * charge);
        EXPECT_NEAR(far->v, 9e3 * charge / 1e6, 1e-5 * 9e-3 * charge);
        if (!std::isnan(nearE)) {
            EXPECT_NEAR(std::hypot(close->ex, close->ey), nearE, 1e-5 * nearE);
        }
        for (int n : kElementCountChoices) {
            double total = 0;
            for (int i = 1; i <= n; ++i) total += shape->element(i, n).chargePerDensity;
            EXPECT_NEAR(total, charge, 1e-14) << n;
        }
    }
}

// The ring's N equal charges sum the trapezoidal rule over the wire, which
// converges geometrically; the disk's N rings the midpoint rule over the
// radius, as N⁻². The relative error of V at (0.8, 0.5) (the sums and the
// integrals in 30 digits, mpmath: the disk's rings by ellipk). Each point
// charge model equals its own sum of kq/r done in long double to 10⁻¹⁴.
TEST(ElementModels, RingConvergesGeometricallyTheDiskAsNToTheMinusTwo) {
    const std::tuple<const ChargeDistribution*, double, std::array<double, 4>> errors[] = {
        {&Ring(), 46008.309080337654, {2.86961e-2, 1.03779e-3, 2.00106e-6, 2.51578e-14}},
        {&Disk(), 12004.515589205575, {1.11084e-3, 2.78842e-4, 6.97788e-5, 1.11677e-5}}};
    for (auto [shape, exact, error] : errors)
        for (int k = 0; int n : {5, 10, 20, 50}) {
            const double v = *FieldModel{kLambda, n, View::Front, shape}.potentialAt({0.8, 0.5});
            EXPECT_NEAR((v - exact) / exact, error[k], 0.02 * error[k] + 1e-15)
                << shape->densitySymbol() << n;
            ++k;
        }
    for (const ChargeDistribution* shape : {&Ring(), &GrowingSegment()})
        for (int n : kElementCountChoices) {
            long double sum = 0;
            for (int i = 1; i <= n; ++i) {
                const SpacePoint c = shape->element(i, n).centre;
                const long double dx = 0.8L - c.x, dy = 0.5L - c.y, dz = c.z;
                sum += shape->element(i, n).coulombCharge(kLambda) /
                       std::sqrt(dx * dx + dy * dy + dz * dz);
            }
            const double model =
                *FieldModel{kLambda, n, View::Front, shape}.potentialAt({0.8, 0.5});
            EXPECT_NEAR(model, double(sum), 1e-14 * double(sum)) << n;
        }
}

// No value on the charge, a value beside it; the ring's centre is no charge,
// also in the profile view, where the disk covers all within R.
TEST(ExactModels, NoValueOnTheChargeOnly) {
    const std::tuple<const char*, const ChargeDistribution*, SpacePoint, bool> cases[] = {
        {"on the wire, top", &Ring(), {0.5, 0.5, 0}, false},
        {"on the wire, behind", &Ring(), {0.5, 0, -0.5}, false},
        {"on the wire, 0.3 and 0.4 off", &Ring(), {0.5, 0.3, 0.4}, false},
        {"the ring's centre", &Ring(), {0.5, 0, 0}, true},
        {"the disk's centre", &Disk(), {0.5, 0, 0}, false},
        {"on the rim", &Disk(), {0.5, 0.5, 0}, false},
        {"on the disk, off the plane z = 0", &Disk(), {0.5, -0.2, 0.1}, false},
        {"beside the rim", &Disk(), {0.5, 0.5 + 1e-12, 0}, true},
        {"a step before the disk", &Disk(), {std::nextafter(0.5, 1.0), 0.2, 0}, true},
        {"the growing segment's start", &GrowingSegment(), {0, 0, 0}, false},
        {"its end", &GrowingSegment(), {1, 0, 0}, false},
        {"before its start", &GrowingSegment(), {-1e-13, 0, 0}, true}};
    for (auto [name, shape, p, value] : cases) {
        EXPECT_EQ(shape->exactField(p, kLambda).has_value(), value) << name;
        EXPECT_EQ(shape->exactPotential(p, kLambda).has_value(), value) << name;
    }
    EXPECT_FALSE(Ring().elementField(1, 5, {0.5, 0.5, 0}, kLambda));
    const auto centre = FieldModel{kLambda, 0, View::Profile, &Ring()}.fieldAt({0, 0});
    ASSERT_TRUE(centre);
    EXPECT_EQ(centre->ex, 0);
    EXPECT_EQ(centre->ey, 0);
    EXPECT_NEAR(centre->v, 56548.667764616279, 1e-10);  // kλ·2πR/R
    EXPECT_FALSE((FieldModel{kLambda, 0, View::Profile, &Disk()}.fieldAt({0.3, -0.3})));
}

// The ring's charges go round from the top, the second half the mirror image
// of the first in z; seen edge-on a click takes the one in front. The disk's
// rings are N equal widths, each at the middle of its width.
TEST(ChargeShape, RingAndDiskElements) {
    const ChargeElement top = Ring().element(1, 5), second = Ring().element(2, 5);
    EXPECT_EQ(top.centre.y, 0.5);
    EXPECT_EQ(top.centre.z, 0);
    EXPECT_NEAR(second.centre.y, 0.5 * std::cos(0.4 * M_PI), 1e-16);
    EXPECT_NEAR(second.centre.z, 0.5 * std::sin(0.4 * M_PI), 1e-16);
    EXPECT_EQ(Ring().element(5, 5).centre.z, -second.centre.z);
    EXPECT_EQ(Ring().element(5, 5).centre.y, second.centre.y);
    EXPECT_EQ(Ring().element(6, 10).centre.y, -0.5);
    EXPECT_EQ(Ring().element(6, 10).centre.z, 0);
    EXPECT_EQ(Ring().elementAt({0.5, second.centre.y}, 5), 2);
    EXPECT_EQ(Ring().elementAt({0.5, -0.49}, 5), 3);
    EXPECT_EQ(Ring().elementAt({0.5, -0.49}, 10), 6);
    const ChargeElement third = Disk().element(3, 5);
    EXPECT_NEAR(third.ringRadius, 0.25, 1e-16);
    EXPECT_NEAR(third.to - third.from, 0.1, 1e-16);
    EXPECT_EQ(Disk().elementAt({0.5, -0.33}, 5), 4);
    EXPECT_EQ(Disk().elementAt({0.5, 0.5}, 5), 5);
}

// What the views show of the ring and the disk: from the front the bar across
// the axis at x = 0.5 out to R, the ring only at the wire's two cuts without
// value; in profile the ring a circle, the disk all within it.
TEST(ChargeShape, RingAndDiskAsTheViewsShowThem) {
    const std::tuple<const char*, const ChargeDistribution*, View, WorldPoint, bool> drawn[] = {
        {"ring, front, on the bar", &Ring(), View::Front, {0.507, 0.3}, true},
        {"ring, front, beyond the bar", &Ring(), View::Front, {0.5, 0.6}, false},
        {"ring, profile, at the wire", &Ring(), View::Profile, {0.3, 0.407}, true},
        {"ring, profile, its centre", &Ring(), View::Profile, {0, 0}, false},
        {"disk, profile, its centre", &Disk(), View::Profile, {0, 0}, true},
        {"disk, profile, beyond the rim", &Disk(), View::Profile, {0.51, 0}, false}};
    for (auto [name, shape, view, p, on] : drawn)
        EXPECT_EQ(shape->onDrawnCharge(view, p, 1), on) << name;
    const std::tuple<const char*, View, WorldPoint, WorldPoint, bool, bool> paths[] = {
        {"front, through the top cut", View::Front, {0.5, 0}, {0.5, 1}, true, true},
        {"front, across the bar", View::Front, {0, 0.2}, {1, 0.2}, false, true},
        {"front, beside it", View::Front, {0, 0.6}, {1, 0.6}, false, false},
        {"profile, inside the circle", View::Profile, {0, 0}, {0.2, 0}, false, true},
        {"profile, out across the circle", View::Profile, {0, 0}, {1, 0}, true, true},
        {"profile, outside", View::Profile, {0.6, -1}, {0.6, 1}, false, false}};
    for (auto [name, view, a, b, ring, disk] : paths) {
        EXPECT_EQ(Ring().pathMeetsCharge(view, a, b), ring) << name;
        EXPECT_EQ(Disk().pathMeetsCharge(view, a, b), disk) << name;
    }
    EXPECT_EQ(Ring().distanceFromCharge(View::Front, {0.8, 0.9}), 0.5);
    EXPECT_EQ(Ring().distanceFromCharge(View::Profile, {0.3, 0}), 0.2);
    EXPECT_EQ(Disk().distanceFromCharge(View::Profile, {0.3, 0}), 0);
    EXPECT_EQ(Disk().densityUnit(), "C/m²");
}

}  // namespace
