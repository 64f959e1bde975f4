#pragma once

#include "core/Pasmo.h"
#include "platform/DateTime.h"
#include "platform/db/Field.h"

#include <QString>
#include <cstdint>

class TDM;

// The stored QSO is no longer what the editor loaded: another copy of the
// program changed it. Derives from the database error, so code that does not
// ask for it reports it as any other failed save.
class QsoChangedElsewhere : public DbError {
public:
    QsoChangedElsewhere();
};

// One QSO in memory. Loading and storing through the data module live in
// LogStore.cpp; the fields stay public for it and for the editor.
class TLog {
public:
    virtual ~TLog() = default;

    int32_t LogId = 0; // 0: not stored yet
    DateTime Data;     // UTC
    TPasmo Pasmo;
    QString Stacja;
    QString Emisja;
    QString RaportNad;
    QString RaportOdb;
    QString Lokator;
    QString Imie;
    QString Notatki;
    QString QslManager;
    bool QslWys = false;
    bool QslOdb = false;
    QString Miasto;
    QString Wyspa;
    QString Domena;
    QString Gmina;
    QString Zamek;
    QString Kontynent;
    uint8_t ITU = 0; // 0..75, 0 = not set
    uint8_t CQ = 0;  // 0..40, 0 = not set

    // The setters refuse a value outside their rule and keep the old one.
    void LogSetStacja(const QString &value);
    void LogSetEmisja(const QString &value);
    void LogSetLokator(const QString &value);
    QString LogGetLokator() const;
    void LogSetWyspa(const QString &value);
    void LogSetKontynent(const QString &value);
    // Zones arrive as database integers: checked before they become a byte.
    void LogSetItu(int value);
    void LogSetCq(int value);
    int LogContinentIndex() const;
    void LogReset();

    QString LogToAdif() const; // Adif.cpp

    // Through the data module's Log and Logi datasets (LogStore.cpp). A failed
    // save or append cancels its own edit of Logi and throws; a QSO another
    // copy of the program is changing gives a message that says so.
    void LogLoad(TDM &dm, int32_t id);
    void LogSave(TDM &dm);
    // Saves an edited QSO only while its stored row still holds `loaded` (the
    // QSO as it was read for editing); a row another copy changed meanwhile
    // throws QsoChangedElsewhere and nothing is written.
    void LogSave(TDM &dm, const TLog &loaded);
    void LogAppend(TDM &dm);

    bool operator==(const TLog &) const = default;
};
