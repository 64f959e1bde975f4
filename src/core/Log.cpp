#include "core/Log.h"

#include "core/Geography.h"

void TLog::LogSetStacja(const QString &value)
{
    if (value != Stacja)
        Stacja = value;
}

void TLog::LogSetEmisja(const QString &value)
{
    if (value != Emisja)
        Emisja = value.toUpper();
}

void TLog::LogSetLokator(const QString &value)
{
    // Characters, not UTF-16 units: a character beyond the Basic Multilingual
    // Plane is one character of the log ('?' in Windows-1250), so counting its
    // two units would take a five-character text that is refused when read back.
    const qsizetype length = value.toUcs4().size();
    if (length == 0 || length == 4 || length == 6)
        Lokator = value;
}

QString TLog::LogGetLokator() const
{
    const QString s = Lokator.trimmed();
    return s == QLatin1String("-") ? QString() : s;
}

void TLog::LogSetWyspa(const QString &value)
{
    const QString s = value.trimmed();
    Wyspa = s == QLatin1String("-") ? QString() : s;
}

void TLog::LogSetKontynent(const QString &value)
{
    if (value.trimmed().isEmpty() || ContinentIndex(value) > 0)
        Kontynent = value;
}

void TLog::LogSetItu(int value)
{
    if (value >= 0 && value < 76)
        ITU = uint8_t(value);
}

void TLog::LogSetCq(int value)
{
    if (value >= 0 && value < 41)
        CQ = uint8_t(value);
}

int TLog::LogContinentIndex() const
{
    return ContinentIndex(Kontynent);
}

void TLog::LogReset()
{
    Pasmo.SetIndex(0);
    Stacja.clear();
    Emisja.clear();
    RaportNad.clear();
    RaportOdb.clear();
    Lokator.clear();
    Imie.clear();
    Notatki.clear();
    QslManager.clear();
    Miasto.clear();
    Wyspa.clear();
    Domena.clear();
    Gmina.clear();
    Zamek.clear();
    Kontynent.clear();
    QslWys = false;
    QslOdb = false;
    ITU = 0;
    CQ = 0;
}
