#pragma once

#include <QString>
#include <optional>

class DataSet;
class TDM;

// One sheet of address labels as an ETYKIETY row describes it, with the
// lengths in millimetres (the row keeps tenths of a millimetre).
struct TLabelTemplate {
    QString Nazwa;
    float MargG = 0;      // top margin of the first row
    float MargL = 0;      // side margin of the first column
    float OdstepPion = 0; // vertical pitch
    float OdstepPoz = 0;  // horizontal pitch
    float Wysokosc = 0;   // label height
    float Szerokosc = 0;  // label width
    int LiczbaPoz = 1;    // labels across a page
    int LiczbaPion = 1;   // labels down a page

    int LabelsPerPage() const { return LiczbaPoz * LiczbaPion; }

    // The current row of a dataset over ETYKIETY. Counts below 1 read as 1,
    // so a damaged row can never make a page of no labels.
    static TLabelTemplate FromRow(const DataSet &etykiety);
};

// The template of that name (compared case-insensitively) from the data
// module's open template table; nothing when there is none. The table's
// position is kept.
std::optional<TLabelTemplate> FindLabelTemplate(TDM &dm, const QString &name);
