#include "engine/special/bessel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/error_codes.h"
#include "engine/special/fake_break_poll.h"
#include "engine/special/quadrature_tolerance.h"
#include "engine/special/reference_source.h"

namespace kalvo {
namespace {

using BesselFunction = SpecialResult (*)(Real, Real, int, BreakPoll&);

struct Row {
    const char* name;
    Real n;
    Real x;
    Real reference;
    bool analytic;  // false where sin(t)^(2n) has a fractional power at the ends
};

struct Family {
    const char* name;
    BesselFunction function;
    std::vector<Row> rows;
};

// mpmath besselj, bessely, besseli, besselk.
const Family kFamilies[] = {
    {"J",
     BesselJ,
     {
         {"n0_x1", 0L, 1L, 0.7651976865579665514497175L, true},
         {"n0_x5", 0L, 5L, -0.177596771314338304347397L, true},
         {"n1_x2p5", 1L, 2.5L, 0.4970941024642740380108163L, true},
         {"n2_x10", 2L, 10L, 0.2546303136851206225317106L, true},
         {"n0p5_x3", 0.5L, 3L, 0.0650081828773757781140047L, true},
         {"n2p5_x0p7", 2.5L, 0.7L, 0.02105396886631329994150042L, true},
         {"n5_x20", 5L, 20L, 0.1511697679823949746071005L, true},
         {"n0p25_x1p3", 0.25L, 1.3L, 0.6858985307711479363560435L, false},
         {"n10_x5", 10L, 5L, 0.001467802647310474131107532L, true},
         {"n3_x40", 3L, 40L, -0.1261448155058208031649279L, true},
         {"n0_x0p001", 0L, 0.001L, 0.999999750000015624999566L, true},
     }},
    {"Y",
     BesselY,
     {
         {"n0_x1", 0L, 1L, 0.08825696421567695798292677L, true},
         {"n1_x2p5", 1L, 2.5L, 0.1459181379667857988787599L, true},
         {"n2_x0p1", 2L, 0.1L, -127.6447832426901729099187L, true},
         {"n0p5_x3", 0.5L, 3L, 0.4560488207946331788468333L, true},
         {"n2p5_x7", 2.5L, 7L, 0.1285237478089565477691254L, true},
         {"n0_x30", 0L, 30L, -0.1172957316866640252512479L, true},
         {"n5_x10", 5L, 10L, 0.135403047689362303197029L, true},
         {"n0p3_x1p7", 0.3L, 1.7L, 0.236584045485257603562504L, true},
     }},
    {"I",
     BesselI,
     {
         {"n0_x1", 0L, 1L, 1.266065877752008335598245L, true},
         {"n1_x2p5", 1L, 2.5L, 2.516716245288698441528192L, true},
         {"n2_x10", 2L, 10L, 2281.518967726003540601605L, true},
         {"n0p5_x3", 0.5L, 3L, 4.61482290340760094785298L, true},
         {"n2p5_x0p7", 2.5L, 0.7L, 0.02258060601918935863628303L, true},
         {"n5_x20", 5L, 20L, 2.301839221341367070070452e+7L, true},
         {"n0p25_x1p3", 0.25L, 1.3L, 1.358283514501991222005261L, false},
     }},
    {"K",
     BesselK,
     {
         {"n0_x1", 0L, 1L, 0.4210244382407083333356274L, true},
         {"n1_x2p5", 1L, 2.5L, 0.07389081634774706364899354L, true},
         {"n2_x0p1", 2L, 0.1L, 199.5039646421141393094894L, true},
         {"n0p5_x3", 0.5L, 3L, 0.03602598513176459256551046L, true},
         {"n2p5_x7", 2.5L, 7L, 0.0006435411544813075740836299L, true},
         {"n0_x30", 0L, 30L, 2.132477496463056371166896e-14L, true},
         {"n5_x10", 5L, 10L, 5.754184998531227927637402e-5L, true},
         {"n1_x40", 1L, 40L, 8.497131954861038650776823e-19L, true},
         {"n0p3_x1p7", 0.3L, 1.7L, 0.1690730522721343819626665L, true},
     }},
};

TEST(BesselTest, MatchesReferenceAtTheDefaultPrecision) {
    for (const Family& family : kFamilies) {
        for (const Row& row : family.rows) {
            SCOPED_TRACE(std::string(family.name) + " " + row.name);
            FakeBreakPoll poll;
            SpecialResult result = family.function(row.n, row.x, kDefaultPrecision, poll);
            ASSERT_EQ(result.error, -1);
            EXPECT_LE(RelativeError(result.value, row.reference), kDefaultPrecisionTolerance)
                << result.value;
        }
    }
}

TEST(BesselTest, AnalyticIntegrandsMatchReferenceAtFinePrecision) {
    for (const Family& family : kFamilies) {
        for (const Row& row : family.rows) {
            if (!row.analytic) {
                continue;
            }
            SCOPED_TRACE(std::string(family.name) + " " + row.name);
            FakeBreakPoll poll;
            SpecialResult result = family.function(row.n, row.x, kFinePrecision, poll);
            ASSERT_EQ(result.error, -1);
            EXPECT_LE(RelativeError(result.value, row.reference), kFinePrecisionTolerance)
                << result.value;
        }
    }
}

TEST(BesselTest, OrderZeroAtZeroIsOne) {
    FakeBreakPoll poll;
    EXPECT_EQ(BesselJ(0, 0, kDefaultPrecision, poll).value, 1);
    EXPECT_EQ(BesselI(0, 0, kDefaultPrecision, poll).value, 1);
    EXPECT_EQ(BesselJ(2, 0, kDefaultPrecision, poll).value, 0);
    EXPECT_EQ(BesselI(1.5L, 0, kDefaultPrecision, poll).value, 0);
}

TEST(BesselTest, ChecksOrderAndArgumentFirstThenTheMissingArgument) {
    struct ErrorRow {
        const char* name;
        BesselFunction function;
        Real n;
        Real x;
        int code;
    };
    const ErrorRow rows[] = {
        {"J negative order", BesselJ, -1, 2, kErrOutOfRange},
        {"J negative argument", BesselJ, 1, -2, kErrOutOfRange},
        {"J missing argument", BesselJ, 1, kUndefinedValue, kErrCommaExpected},
        {"J negative order before missing", BesselJ, -1, kUndefinedValue, kErrOutOfRange},
        {"Y negative argument", BesselY, 0, -0.5L, kErrOutOfRange},
        {"Y missing argument", BesselY, 2, kUndefinedValue, kErrCommaExpected},
        {"I negative order", BesselI, -0.5L, 1, kErrOutOfRange},
        {"I missing argument", BesselI, 0, kUndefinedValue, kErrCommaExpected},
        {"K zero argument", BesselK, 1, 0, kErrOutOfRange},
        {"K negative order", BesselK, -2, 1, kErrOutOfRange},
        {"K missing argument", BesselK, 1, kUndefinedValue, kErrCommaExpected},
    };
    for (const ErrorRow& row : rows) {
        SCOPED_TRACE(row.name);
        FakeBreakPoll poll;
        SpecialResult result = row.function(row.n, row.x, kDefaultPrecision, poll);
        EXPECT_EQ(result.error, row.code);
        EXPECT_FALSE(result.resetAnswer);
        EXPECT_EQ(poll.Polls(), 0);
    }
}

TEST(BesselTest, YAtZeroIsItsPole) {
    for (Real n : {0.0L, 1.0L, 2.5L}) {
        SCOPED_TRACE(static_cast<double>(n));
        FakeBreakPoll poll;
        SpecialResult result = BesselY(n, 0, kDefaultPrecision, poll);
        EXPECT_EQ(result.error, kErrSingularity);
        EXPECT_EQ(poll.Polls(), 0);
    }
}

TEST(BesselTest, ZerosOfJAndYSettle) {
    // At a zero the integral is worth 0 and its estimates are rounding noise.
    const struct {
        const char* name;
        BesselFunction function;
        Real n;
        Real x;
    } rows[] = {
        {"J0 first zero", BesselJ, 0, 2.404825557695772768621632L},
        {"J1 first zero", BesselJ, 1, 3.831705970207512315614436L},
        {"Y0 first zero", BesselY, 0, 0.8935769662791675215848871L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeBreakPoll poll;
        SpecialResult result = row.function(row.n, row.x, kDefaultPrecision, poll);
        EXPECT_EQ(result.error, -1);
        EXPECT_FALSE(result.stopped);
        EXPECT_LT(std::fabs(result.value), 1e-6L);
        EXPECT_LT(poll.Polls(), 10000);
    }
}

TEST(BesselTest, KIsZeroWhereTheWholeIntegrandIsCut) {
    // t + 1/t >= 2, so the exponent -x (t + 1/t) / 2 is at most -x.
    FakeBreakPoll poll;
    SpecialResult result = BesselK(1, 70, kDefaultPrecision, poll);
    EXPECT_EQ(result.error, -1);
    EXPECT_EQ(result.value, 0);
}

TEST(BesselTest, BreakStopsAtThePollThatAsksForIt) {
    for (const Family& family : kFamilies) {
        SCOPED_TRACE(family.name);
        FakeBreakPoll poll(2);
        // Order 0.25 at 1.3 needs hundreds of subintervals for J and I, Y and K dozens.
        SpecialResult result = family.function(0.25L, 1.3L, kDefaultPrecision, poll);
        EXPECT_TRUE(result.stopped);
        EXPECT_EQ(result.error, -1);
        EXPECT_EQ(result.value, 0);
        EXPECT_EQ(poll.Polls(), 2);
    }
}

}  // namespace
}  // namespace kalvo
