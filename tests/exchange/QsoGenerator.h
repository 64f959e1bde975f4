#pragma once

#include "core/Log.h"

#include <QRandomGenerator>
#include <QStringList>

// Realistic QSOs for round-trip tests and the benchmarks: Polish and foreign
// calls, the usual bands and modes, Polish names and towns. Deterministic for
// a given seed; date-times rise about a minute per QSO and never repeat.
class QsoGenerator {
public:
    explicit QsoGenerator(quint32 seed = 1) : rng_(seed) {}

    TLog Next()
    {
        static const QStringList prefixes = {"SP", "SQ", "SO", "SN", "DL", "OK", "OM", "G",  "F",  "I", "EA",
                                             "W",  "K",  "JA", "VK", "UA", "LY", "YL", "ES", "HA", "9A"};
        static const QStringList modes = {"SSB", "CW", "FM", "RTTY", "FT8", "PSK31", "AM"};
        static const QStringList names = {
            "Jan", "Piotr", "Krzysztof", "Andrzej", "Tomasz", "Paweł", "Michał", "Grzegorz", "Łukasz",
            "Zbigniew", "Małgorzata", "Agnieszka", "Józef", "Stanisław", "Wojciech", "Jerzy",
            // Windows-1250 spellings that are also valid UTF-8 (of other scripts)
            "MĘŻCZYZNA", "ZIĘŁ", "ŃŻ", "ÓŁ", "Jóźwiak", "Zdzisław"};
        static const QStringList towns = {
            "Warszawa", "Kraków",         "Łódź",          "Wrocław",   "Poznań",   "Gdańsk",
            "Szczecin", "Bydgoszcz",      "Lublin",        "Białystok", "Katowice", "Częstochowa",
            "Radom",    "Toruń",          "Kielce",        "Rzeszów",   "Gliwice",  "Zielona Góra",
            "Olsztyn",  "Świętochłowice", "Bielsko-Biała", "GĘŚ",       "GÓŁKOWO"};
        static const QStringList continents = {"EU", "EU", "EU", "NA", "AS", "OC", "SA", "AF"};
        TLog q;
        q.Data = DateTime::fromDate(2015, 1, 1).addSecs(qint64(count_++) * 60 + rng_.bounded(50));
        q.Pasmo.SetIndex(1 + rng_.bounded(14));
        const QString prefix = prefixes[rng_.bounded(prefixes.size())];
        q.Stacja = prefix + QString::number(rng_.bounded(10)) + Letters(1 + rng_.bounded(3));
        if (rng_.bounded(20) == 0)
            q.Stacja += "/P";
        q.LogSetEmisja(modes[rng_.bounded(modes.size())]);
        const bool cw = q.Emisja == "CW" || q.Emisja == "RTTY";
        q.RaportNad = cw ? "599" : "59";
        q.RaportOdb = QString::number(cw ? 559 + 10 * rng_.bounded(5) : 55 + rng_.bounded(5));
        const bool polish = prefix.startsWith('S');
        if (rng_.bounded(3) != 0)
            q.Imie = names[rng_.bounded(names.size())];
        if (polish) {
            q.Miasto = towns[rng_.bounded(towns.size())];
            q.Domena = QString(QChar(u'A' + rng_.bounded(16))) + QChar(u'A' + rng_.bounded(26));
            // Taken from the count, not the generator, so the other values stay as they were.
            static const QStringList communes = {"146501", "D0101", "AB12", "G2401", "B12011"};
            if (count_ % 4 == 0)
                q.Gmina = communes[(count_ / 4) % communes.size()];
            if (rng_.bounded(10) == 0)
                q.Zamek = QStringLiteral("Z%1").arg(rng_.bounded(1000), 3, 10, QChar(u'0'));
        }
        if (rng_.bounded(2) == 0)
            q.Lokator =
                Letters(2, 'R') + QString::number(rng_.bounded(100)).rightJustified(2, '0') + Letters(2, 'X');
        if (rng_.bounded(8) == 0)
            q.Notatki = QStringLiteral("Dzięki za QSO, %1 W, antena GP").arg(5 + rng_.bounded(100));
        if (rng_.bounded(30) == 0)
            q.Wyspa = QStringLiteral("EU-%1").arg(rng_.bounded(200), 3, 10, QChar(u'0'));
        if (rng_.bounded(15) == 0)
            q.QslManager = "SP" + QString::number(rng_.bounded(10)) + Letters(3);
        q.QslWys = rng_.bounded(2) == 0;
        q.QslOdb = rng_.bounded(3) == 0;
        q.Kontynent = polish ? "EU" : continents[rng_.bounded(continents.size())];
        q.ITU = uint8_t(rng_.bounded(76));
        q.CQ = uint8_t(rng_.bounded(41));
        return q;
    }

private:
    QString Letters(int n, char last = 'Z')
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'A' + rng_.bounded(last - 'A' + 1));
        return s;
    }

    QRandomGenerator rng_;
    int count_ = 0;
};
