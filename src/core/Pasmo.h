#pragma once

#include <QString>
#include <cstdint>

// One amateur band as a small index: 0 is "no band", 1..14 run from 160 m to 23 cm.
class TPasmo {
public:
    static constexpr int BandCount = 15;

    uint8_t Index() const { return index_; }
    // An index outside 0..14 is refused and leaves the band as it was.
    void SetIndex(int index);

    QString BandName() const { return BandNameOf(index_); }
    int BandWavelength() const { return BandWavelengthOf(index_); }
    int BandItemIndex() const;
    void ParseBand(const QString &text);

    static QString BandNameOf(int index);   // empty outside 0..14
    static int BandWavelengthOf(int index); // cm; 0 outside 0..14

    bool operator==(const TPasmo &) const = default;

private:
    uint8_t index_ = 0;
};
