#pragma once

#include <QString>

class TDM;

// The callbook data of one station, looked up in STACJE when the call sign
// changes and cached until it changes again.
class TZapisCB {
public:
    // Callbook column width: a longer call sign cannot be there.
    static constexpr int CallWidth = 10;

    QString Stacja;
    QString Imie;
    QString Miasto;
    QString Lokator;
    QString Wojew;
    QString Powiat;
    bool Found = false;

    void CallbookSetStacja(TDM &dm, const QString &call);
    QString CallbookDomena() const;
    void CallbookClear();
};
