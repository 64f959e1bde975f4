#include "core/WspGeogr.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TWspGeogr at(long double lon, long double lat)
{
    TWspGeogr p;
    p.SetLongitude(lon);
    p.SetLatitude(lat);
    return p;
}

TWspGeogr locator(const char *loc)
{
    return at(TWspGeogr::LocatorLongitude(loc), TWspGeogr::LocatorLatitude(loc));
}

// Independent reference: haversine distance in degrees of arc and the
// initial-bearing formula, in double precision.
double refArcDegrees(double lon1, double lat1, double lon2, double lat2)
{
    const double r = M_PI / 180;
    const double dlat = (lat2 - lat1) * r, dlon = (lon2 - lon1) * r;
    const double h = std::pow(std::sin(dlat / 2), 2) +
                     std::cos(lat1 * r) * std::cos(lat2 * r) * std::pow(std::sin(dlon / 2), 2);
    return 2 * std::asin(std::sqrt(h)) / r;
}

double refBearing(double lon1, double lat1, double lon2, double lat2)
{
    const double r = M_PI / 180;
    const double y = std::sin((lon2 - lon1) * r) * std::cos(lat2 * r);
    const double x = std::cos(lat1 * r) * std::sin(lat2 * r) -
                     std::sin(lat1 * r) * std::cos(lat2 * r) * std::cos((lon2 - lon1) * r);
    return std::fmod(std::atan2(y, x) / r + 360, 360);
}

} // namespace

TEST(WspGeogr, LocatorToDegrees)
{
    EXPECT_NEAR(double(TWspGeogr::LocatorLongitude("AA00AA")), -180 + 0.04165, 1e-12);
    EXPECT_NEAR(double(TWspGeogr::LocatorLongitude("RR99XX")), 179.95755, 1e-12);
    EXPECT_NEAR(double(TWspGeogr::LocatorLatitude("AJ00AA")), 0.02085, 1e-12);
    EXPECT_NEAR(double(TWspGeogr::LocatorLatitude("JO91RG")), 51 + 6 * 0.0417 + 0.02085, 1e-12);
    EXPECT_EQ(TWspGeogr::LocatorLongitude("JO9"), 0);
    EXPECT_NEAR(double(at(180, -90).LongitudeRad()), M_PI, 1e-15);
    EXPECT_NEAR(double(at(180, -90).LatitudeRad()), -M_PI / 2, 1e-15);
}

TEST(WspGeogr, SamePointHasNoDistanceAndNoBearing)
{
    for (const char *loc : {"JO91RG", "AA00AA", "RR99XX", "KO02MD", "FN31PR"}) {
        const TWspGeogr p = locator(loc);
        EXPECT_EQ(TWspGeogr::GreatCircleDistance(p, p), 0) << loc;
        EXPECT_EQ(TWspGeogr::Azimuth(p, p), TWspGeogr::NoAzimuth) << loc;
    }
}

TEST(WspGeogr, AlongTheEquator)
{
    const TWspGeogr origin = at(0, 0);
    EXPECT_NEAR(double(TWspGeogr::GreatCircleDistance(origin, at(1, 0))), 111.3214, 1e-9);
    EXPECT_NEAR(double(TWspGeogr::Azimuth(origin, at(10, 0))), 90, 1e-9);
    EXPECT_NEAR(double(TWspGeogr::Azimuth(origin, at(-10, 0))), 270, 1e-9);
    EXPECT_NEAR(double(TWspGeogr::Azimuth(origin, at(0, 10))), 0, 1e-6);
    EXPECT_NEAR(double(TWspGeogr::Azimuth(origin, at(0, -10))), 180, 1e-6);
}

TEST(WspGeogr, NearlyEqualAndOppositePointsStayFinite)
{
    const TWspGeogr a = at(21.0123456789L, 52.2297L);
    const TWspGeogr b = at(21.0123456789L + 1e-12L, 52.2297L);
    EXPECT_TRUE(std::isfinite(double(TWspGeogr::GreatCircleDistance(a, b))));
    EXPECT_TRUE(std::isfinite(double(TWspGeogr::Azimuth(a, b))));
    const TWspGeogr antipode = at(21.0123456789L - 180, -52.2297L);
    EXPECT_NEAR(double(TWspGeogr::GreatCircleDistance(a, antipode)), 180 * (111.1347 + 0.1867), 1e-6);
    EXPECT_TRUE(std::isfinite(double(TWspGeogr::Azimuth(a, antipode))));
}

TEST(WspGeogr, KnownLocatorPairsAgainstReference)
{
    const char *pairs[][2] = {{"JO91RG", "FN31PR"}, {"KO02MD", "PM95VQ"}, {"JO91RG", "QF56OD"},
                              {"IO91WM", "RE78JU"}, {"FN31PR", "JO91RG"}, {"KO02MD", "KO02ME"}};
    for (const auto &p : pairs) {
        const TWspGeogr a = locator(p[0]), b = locator(p[1]);
        const double arc =
            refArcDegrees(double(a.Longitude), double(a.Latitude), double(b.Longitude), double(b.Latitude));
        const double k = std::cos(double(a.LatitudeRad() + b.LatitudeRad())) * 0.1867 + 111.1347;
        const double km = double(TWspGeogr::GreatCircleDistance(a, b));
        EXPECT_NEAR(km, k * arc, 1e-6 * km + 1e-6) << p[0] << " " << p[1];
        // Against a sphere of mean radius the flattening term stays within 0.3 %.
        EXPECT_NEAR(km, arc * 6371.0 * M_PI / 180, 0.003 * km) << p[0] << " " << p[1];
        const double bearing =
            refBearing(double(a.Longitude), double(a.Latitude), double(b.Longitude), double(b.Latitude));
        // The arc-cosine form loses digits for short arcs: a few metres of arc.
        EXPECT_NEAR(double(TWspGeogr::Azimuth(a, b)), bearing, 1e-4) << p[0] << " " << p[1];
    }
}
