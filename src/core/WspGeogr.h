#pragma once

#include <QString>

// A geographic point in degrees (east and north positive), with the program's
// own locator and great-circle formulas in extended precision.
class TWspGeogr {
public:
    long double Longitude = 0;
    long double Latitude = 0;

    void SetLongitude(long double degrees) { Longitude = degrees; }
    void SetLatitude(long double degrees) { Latitude = degrees; }
    long double LongitudeRad() const;
    long double LatitudeRad() const;

    // The locator must be six valid characters (see IsValidLocator); a
    // shorter text gives 0.
    static long double LocatorLongitude(const QString &locator);
    static long double LocatorLatitude(const QString &locator);

    static long double GreatCircleDistance(const TWspGeogr &a, const TWspGeogr &b);
    // Degrees 0..360 from a towards b, or NoAzimuth when no bearing exists.
    static long double Azimuth(const TWspGeogr &a, const TWspGeogr &b);
    static constexpr long double NoAzimuth = 400;
};
