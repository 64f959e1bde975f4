#pragma once

#include "core/Log.h"
#include "core/SqlText.h"

#include <QLatin1String>
#include <array>

// Reading and writing a QSO record as one row of LOGI, shared by the record's
// own load and save and by the one-pass readers and writers (ADIF export and
// import). The columns are looked up once; rows then go through them.
enum LogColumn {
    lcData,
    lcPasmo,
    lcStacja,
    lcEmisja,
    lcRaportNad,
    lcRaportOdb,
    lcLokator,
    lcImie,
    lcNotatki,
    lcQslManager,
    lcQslWys,
    lcQslOdb,
    lcMiasto,
    lcWyspa,
    lcDomena,
    lcGmina,
    lcZamek,
    lcKontynent,
    lcItu,
    lcCq,
    LogColumnCount, // the columns a record is read from
    lcPasmoInd = LogColumnCount,
    lcKrajId,
    LogWriteColumnCount // and the derived ones it also writes
};

inline constexpr std::array<QLatin1String, LogWriteColumnCount> LogColumnNames = {
    QLatin1String("DATA"),        QLatin1String("PASMO"),      QLatin1String("STACJA"),
    QLatin1String("EMISJA"),      QLatin1String("RAPORT_NAD"), QLatin1String("RAPORT_ODB"),
    QLatin1String("LOKATOR"),     QLatin1String("IMIE"),       QLatin1String("NOTATKI"),
    QLatin1String("QSL_MANAGER"), QLatin1String("QSL_WYS"),    QLatin1String("QSL_ODB"),
    QLatin1String("MIASTO"),      QLatin1String("WYSPA"),      QLatin1String("DOMENA"),
    QLatin1String("GMINA"),       QLatin1String("ZAMEK"),      QLatin1String("KONTYNENT"),
    QLatin1String("ITU"),         QLatin1String("CQ"),         QLatin1String("PASMO_IND"),
    QLatin1String("KRAJID")};

// The columns of a dataset or statement by LogColumn: a dataset's FieldByName,
// a statement's ColumnByName (or, for its parameters, ParamByName) of each name.
template <int Count = LogColumnCount, typename Lookup> auto LogColumnsBy(Lookup lookup)
{
    std::array<decltype(lookup(QString())), Count> columns{};
    for (int i = 0; i < Count; ++i)
        columns[i] = lookup(QString(LogColumnNames[i]));
    return columns;
}

template <typename Source> auto LogColumnsOf(Source &source)
{
    return LogColumnsBy([&](const QString &name) {
        if constexpr (requires { source.ColumnByName(name); })
            return source.ColumnByName(name);
        else
            return source.FieldByName(name);
    });
}

// Text columns are read as text (NULL gives empty), zones as integers (NULL 0);
// the flags are set only by an exact "T"; the setters keep their rules.
template <typename Column> void ReadLogRow(TLog &log, const std::array<Column, LogColumnCount> &c)
{
    log.Data = c[lcData]->AsDateTime();
    log.Pasmo.ParseBand(c[lcPasmo]->AsString());
    log.LogSetStacja(c[lcStacja]->AsString());
    log.LogSetEmisja(c[lcEmisja]->AsString());
    log.RaportNad = c[lcRaportNad]->AsString();
    log.RaportOdb = c[lcRaportOdb]->AsString();
    log.Lokator = c[lcLokator]->AsString();
    log.Imie = c[lcImie]->AsString();
    log.Notatki = c[lcNotatki]->AsString();
    log.QslManager = c[lcQslManager]->AsString();
    log.QslWys = c[lcQslWys]->AsString() == QLatin1String("T");
    log.QslOdb = c[lcQslOdb]->AsString() == QLatin1String("T");
    log.Miasto = c[lcMiasto]->AsString();
    log.Wyspa = c[lcWyspa]->AsString();
    log.Domena = c[lcDomena]->AsString();
    log.Gmina = c[lcGmina]->AsString();
    log.Zamek = c[lcZamek]->AsString();
    log.LogSetKontynent(c[lcKontynent]->AsString());
    log.LogSetItu(int(c[lcItu]->AsInteger()));
    log.LogSetCq(int(c[lcCq]->AsInteger()));
}

// Writes every column in the order the record is stored; the country id is the
// caller's (resolved from the call sign).
template <typename Column>
void WriteLogRow(const TLog &log, const std::array<Column, LogWriteColumnCount> &c, int krajId)
{
    c[lcData]->SetAsDateTime(log.Data);
    c[lcPasmo]->SetAsString(log.Pasmo.BandName());
    c[lcPasmoInd]->SetAsInteger(log.Pasmo.BandWavelength());
    c[lcStacja]->SetAsString(log.Stacja);
    c[lcKrajId]->SetAsInteger(krajId);
    c[lcEmisja]->SetAsString(log.Emisja);
    c[lcRaportNad]->SetAsString(log.RaportNad);
    c[lcRaportOdb]->SetAsString(log.RaportOdb);
    c[lcImie]->SetAsString(log.Imie);
    c[lcNotatki]->SetAsString(log.Notatki);
    c[lcLokator]->SetAsString(log.LogGetLokator());
    c[lcQslManager]->SetAsString(log.QslManager);
    c[lcQslWys]->SetAsString(FlagToTN(log.QslWys));
    c[lcQslOdb]->SetAsString(FlagToTN(log.QslOdb));
    c[lcMiasto]->SetAsString(log.Miasto);
    c[lcWyspa]->SetAsString(log.Wyspa);
    c[lcDomena]->SetAsString(log.Domena);
    c[lcGmina]->SetAsString(log.Gmina);
    c[lcZamek]->SetAsString(log.Zamek);
    c[lcKontynent]->SetAsString(log.Kontynent);
    c[lcItu]->SetAsInteger(log.ITU);
    c[lcCq]->SetAsInteger(log.CQ);
}
