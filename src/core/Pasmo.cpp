#include "core/Pasmo.h"

#include <QLatin1String>
#include <array>

namespace {

constexpr std::array<const char *, TPasmo::BandCount> Names = {" ",    "160 m", "80 m", "40 m",  "30 m",
                                                               "20 m", "17 m",  "15 m", "12 m",  "10 m",
                                                               "6 m",  "4 m",   "2 m",  "70 cm", "23 cm"};
constexpr std::array<int, TPasmo::BandCount> Wavelengths = {0,    16000, 8000, 4000, 3000, 2000, 1700, 1500,
                                                            1200, 1000,  600,  400,  200,  70,   23};
constexpr std::array<int, TPasmo::BandCount> Positions = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

bool valid(int index)
{
    return index >= 0 && index < TPasmo::BandCount;
}

} // namespace

void TPasmo::SetIndex(int index)
{
    if (valid(index))
        index_ = uint8_t(index);
}

int TPasmo::BandItemIndex() const
{
    return Positions[index_];
}

void TPasmo::ParseBand(const QString &text)
{
    // Each name is number, blank, unit: the number alone, the number and the
    // unit, or the whole name are accepted, in upper case.
    const QString u = text.toUpper();
    index_ = 0;
    for (int i = 1; i < BandCount; ++i) {
        const QString name = QString::fromLatin1(Names[i]).toUpper();
        const QStringView number = QStringView(name).left(name.indexOf(u' '));
        if (u == number || u == name || u == QString(name).remove(u' ')) {
            index_ = uint8_t(i);
            return;
        }
    }
}

QString TPasmo::BandNameOf(int index)
{
    return valid(index) ? QString::fromLatin1(Names[index]) : QString();
}

int TPasmo::BandWavelengthOf(int index)
{
    return valid(index) ? Wavelengths[index] : 0;
}
