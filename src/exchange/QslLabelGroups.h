#pragma once

#include "platform/DateTime.h"

#include <QString>
#include <vector>

// One QSO as a label lists it.
struct TLabelQso {
    int LogId = 0;
    DateTime Data;
    QString Pasmo;
    QString Emisja;
    QString Raport;
    QString Manager; // trimmed
};

// The two kinds of label: asking for a card (no card received yet) and
// thanking for one.
enum class TLabelKind { Pse, Tnx };

// One station of a print run. PSE and TNX say which labels it gets; each list
// holds the marked QSOs of that kind in list order.
struct TWykazRow {
    QString Stacja; // trimmed, spelt as in its first marked QSO
    bool PSE = false;
    bool TNX = false;
    std::vector<TLabelQso> PseQsos;
    std::vector<TLabelQso> TnxQsos;

    const std::vector<TLabelQso> &Qsos(TLabelKind kind) const
    {
        return kind == TLabelKind::Pse ? PseQsos : TnxQsos;
    }
};
using TWykaz = std::vector<TWykazRow>;
