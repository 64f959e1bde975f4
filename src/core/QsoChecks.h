#pragma once

#include <QString>

class TLog;

// The editor's fields the save checks read, as the user typed them.
struct QsoEntryTexts {
    QString Stacja;
    QString RaportNad;
    QString RaportOdb;
    QString Lokator;
    QString Wyspa;
    QString Domena;
    QString Zamek;
};

// The field a refused save sends the user back to.
enum class QsoField { None, Stacja, RaportNad, RaportOdb, Lokator, Wyspa };

// The answer of the save checks: the first fault, if any, and a warning that
// does not stop the save.
struct QsoSaveCheck {
    QString Warning; // empty: the QSO may be saved
    QsoField Field = QsoField::None;
    QString Notice; // shown, then the QSO is saved all the same
    bool Refused() const { return !Warning.isEmpty(); }
};

// The checks in their fixed order; the first that fails is the answer.
QsoSaveCheck CheckQsoBeforeSave(const QsoEntryTexts &entry);

// Whether the first three characters of a castle symbol name the QSO's district.
bool SppaMatchesCastle(const QString &sppa, const QString &castle);

// Whether an edited QSO differs from the one loaded, so that it must be written.
// The locator is compared as the editor shows it.
bool QsoChanged(const TLog &loaded, const TLog &edited);
