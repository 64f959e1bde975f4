#include "core/WspGeogr.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double DegToRad = 0.017453292519943295L;
constexpr long double RadToDeg = 57.29577951308232L;

// Rounding can push the cosine of an angle just past +-1; clamping keeps the
// square root and the arc cosine real.
long double arcCos(long double x)
{
    x = std::clamp(x, -1.0L, 1.0L);
    return std::atan2(std::sqrt(1 - x * x), x);
}

long double letter(const QString &s, int pos)
{
    return s[pos].unicode() - u'A';
}

long double digit(const QString &s, int pos)
{
    return s[pos].unicode() - u'0';
}

long double centralCosine(const TWspGeogr &a, const TWspGeogr &b)
{
    const long double la = a.LongitudeRad(), lb = b.LongitudeRad();
    const long double fa = a.LatitudeRad(), fb = b.LatitudeRad();
    return std::cos(la - lb) * (std::cos(fa) * std::cos(fb)) + std::sin(fa) * std::sin(fb);
}

bool samePoint(const TWspGeogr &a, const TWspGeogr &b)
{
    return a.Longitude == b.Longitude && a.Latitude == b.Latitude;
}

} // namespace

long double TWspGeogr::LongitudeRad() const
{
    return Longitude * DegToRad;
}

long double TWspGeogr::LatitudeRad() const
{
    return Latitude * DegToRad;
}

long double TWspGeogr::LocatorLongitude(const QString &locator)
{
    if (locator.size() < 6)
        return 0;
    return letter(locator, 0) * 20 - 180 + digit(locator, 2) * 2 + letter(locator, 4) * 0.0833L + 0.04165L;
}

long double TWspGeogr::LocatorLatitude(const QString &locator)
{
    if (locator.size() < 6)
        return 0;
    return letter(locator, 1) * 10 - 90 + digit(locator, 3) + letter(locator, 5) * 0.0417L + 0.02085L;
}

long double TWspGeogr::GreatCircleDistance(const TWspGeogr &a, const TWspGeogr &b)
{
    if (samePoint(a, b))
        return 0;
    const long double k = std::cos(a.LatitudeRad() + b.LatitudeRad()) * 0.1867L + 111.1347L;
    return k * (arcCos(centralCosine(a, b)) * RadToDeg);
}

long double TWspGeogr::Azimuth(const TWspGeogr &a, const TWspGeogr &b)
{
    // Equal points have no bearing; rounding must not turn that into a number.
    if (samePoint(a, b))
        return NoAzimuth;
    const long double fa = a.LatitudeRad(), fb = b.LatitudeRad();
    const long double delta = arcCos(centralCosine(a, b));
    const long double num = std::sin(fb) - std::sin(fa) * std::cos(delta);
    const long double den = std::cos(fa) * std::sin(delta);
    if (den == 0)
        return NoAzimuth;
    const long double q = std::clamp(num / den, -1.0L, 1.0L);
    long double az = arcCos(q) * RadToDeg;
    if (std::sin(a.LongitudeRad() - b.LongitudeRad()) > 0)
        az = 360 - az;
    return az;
}
