#include "awards/StatRuns.h"

#include "awards/StatRecipe.h"
#include "core/Pasmo.h"

namespace {

// Right-trimmed: CHAR key columns come back padded to their width.
QString ReferenceKey(const QString &text)
{
    QString key = text;
    while (!key.isEmpty() && key.back() == u' ')
        key.chop(1);
    return key;
}

// DXCC KF and IOTA mark one cell, "Lacznosc", and sum it up in one row.
void OneCellSummary(TGridStatistic &s, const QString &nameField)
{
    s.CellFields = QStringList{"Lacznosc"};
    s.SummaryForm = TGridStatistic::Summary::Ratio;
    s.NameField = nameField;
    s.RatioName = QStringLiteral("Podsumowanie");
}

const TSelectList CountrySelect{"KrajId", "PrefixDX", "NazwaPol"};

// Both DXCC statistics list the countries of KRAJEDX: id, prefix and name
// into the table's fields of those names. Keys are country ids.
TGridStatistic CountryStatistic(TExMemoryData &table, const QString &idField, const QString &prefixField,
                                const QString &nameField)
{
    TGridStatistic s;
    s.Table = &table;
    s.ListCaption = QStringLiteral("Tworzenie listy krajów ");
    s.ListSql = {CountrySelect.Line(), "FROM KrajeDX", "ORDER BY PrefixDX"};
    s.FillRow = [=, id = CountrySelect["KrajId"], prefix = CountrySelect["PrefixDX"],
                 name = CountrySelect["NazwaPol"]](const TRowValues &row, TExMemoryData &t) {
        t.FieldByName(idField)->SetAsInteger(ColumnInt(row, id));
        t.FieldByName(prefixField)->SetAsString(ColumnText(row, prefix));
        t.FieldByName(nameField)->SetAsString(ColumnText(row, name));
    };
    return s;
}

// The district, commune and castle statistics: a reference list with a key
// and a name column, and Polish QSOs keyed by the award's rule and marked in
// the cell of their band.
struct TPolishAward {
    QString Caption;
    const char *ListTable, *ListKey, *ListName;
    QString KeyField, NameField; // the result table's
    const TQsoKeyRule &Key;
    TSelectList Scan; // reads Pasmo, the key's column and QSL_ODB
};

void RunPolishAward(TDM &dm, TExMemoryData &table, const TPolishAward &a, const TProgress &progress)
{
    TGridStatistic s;
    s.Table = &table;
    s.ListCaption = a.Caption;
    const TSelectList list{a.ListKey, a.ListName};
    s.ListSql = {list.Line(), QStringLiteral("FROM ") + QLatin1String(a.ListTable),
                 QStringLiteral("ORDER BY ") + QLatin1String(a.ListKey)};
    s.ListKey = [key = list[a.ListKey]](const TRowValues &row) { return ReferenceKey(ColumnText(row, key)); };
    s.FillRow = [&a, key = list[a.ListKey], name = list[a.ListName]](const TRowValues &row,
                                                                     TExMemoryData &t) {
        t.FieldByName(a.KeyField)->SetAsString(ReferenceKey(ColumnText(row, key)));
        t.FieldByName(a.NameField)->SetAsString(ColumnText(row, name));
    };
    s.ScanSql = {a.Scan.Line(), "FROM Logi", QStringLiteral("WHERE KrajId=") + QString::number(PolandKrajId)};
    s.ReadQso = [&rule = a.Key, pasmo = a.Scan["Pasmo"], keyText = a.Scan[a.Key.Column],
                 qsl = a.Scan["QSL_ODB"]](const TRowValues &row, TBandParser &bands, TScanHit &hit) {
        hit.Key = rule.Of(ColumnText(row, keyText));
        if (hit.Key.isEmpty())
            return false;
        hit.Cell = bands.Index(ColumnText(row, pasmo)) - 1;
        hit.Confirmed = ColumnConfirmed(row, qsl);
        return true;
    };
    s.KeyCase = a.Key.Case;
    s.CellFields = BandCellFields();
    s.NameField = a.NameField;
    RunGridStatistic(dm, s, progress);
}

const TPolishAward Powiaty{QStringLiteral("Tworzenie listy powiatów "),
                           "Powiaty",
                           "PowiatId",
                           "Powiat",
                           QStringLiteral("PowiatId"),
                           QStringLiteral("Powiat"),
                           PowiatKey,
                           {"Stacja", "Pasmo", PowiatKey.Column, "QSL_ODB"}};
const TPolishAward Gminy{QStringLiteral("Tworzenie listy gmin "),
                         "Gminy",
                         "GminaId",
                         "Gmina",
                         QStringLiteral("Symbol"),
                         QStringLiteral("Nazwa"),
                         GminaKey,
                         {"Pasmo", GminaKey.Column, "QSL_ODB"}};
const TPolishAward Zamki{QStringLiteral("Tworzenie listy zamków "),
                         "Zamki",
                         "Symbol",
                         "Nazwa",
                         QStringLiteral("Symbol"),
                         QStringLiteral("Nazwa"),
                         ZamekKey,
                         {"Pasmo", ZamekKey.Column, "QSL_ODB"}};

} // namespace

void BuildDxccMultiBandStats(TDM &dm, TStatTables &tables, const TProgress &progress)
{
    TGridStatistic s = CountryStatistic(tables.PrefixTbl, QStringLiteral("PrefixTblKrajId"),
                                        QStringLiteral("PrefixTblPrefix"), QStringLiteral("PrefixTblDxcc"));
    // Every country id is counted; ids below 1 stand for no country.
    s.ListKey = [id = CountrySelect["KrajId"]](const TRowValues &row) {
        return ColumnInt(row, id) >= 1 ? QString::number(ColumnInt(row, id)) : QString();
    };
    const TSelectList scan{"KrajId", "Stacja", "Pasmo", "QSL_ODB"};
    s.ScanSql = QStringList{scan.Line(), "FROM Logi"};
    s.ReadQso = [id = scan["KrajId"], pasmo = scan["Pasmo"],
                 qsl = scan["QSL_ODB"]](const TRowValues &row, TBandParser &bands, TScanHit &hit) {
        if (ColumnInt(row, id) < 1)
            return false;
        hit.Key = QString::number(ColumnInt(row, id));
        hit.Cell = bands.Index(ColumnText(row, pasmo)) - 1;
        hit.Confirmed = ColumnConfirmed(row, qsl);
        return true;
    };
    s.CellFields = BandCellFields(QStringLiteral("PrefixTbl"));
    s.NameField = QStringLiteral("PrefixTblDxcc");
    RunGridStatistic(dm, s, progress);
}

void BuildDxccHfStats(TDM &dm, TStatTables &tables, const TProgress &progress)
{
    TGridStatistic s = CountryStatistic(tables.PrefixRazTbl, QStringLiteral("KrajId"),
                                        QStringLiteral("Prefix"), QStringLiteral("Nazwa"));
    s.ListKey = [id = CountrySelect["KrajId"]](const TRowValues &row) {
        return QString::number(ColumnInt(row, id));
    };
    // The table has no new-record handler to blank its cell.
    s.FillRow = [fill = s.FillRow](const TRowValues &row, TExMemoryData &t) {
        fill(row, t);
        t.FieldByName(QStringLiteral("Lacznosc"))->SetAsString(BlankMarkCell);
    };
    const TSelectList scan{"KrajId", "Stacja", "QSL_ODB"};
    s.ScanSql = QStringList{scan.Line(), "FROM Logi", QStringLiteral("WHERE ") + PasmoIn(HfBands)};
    s.ReadQso = [id = scan["KrajId"], qsl = scan["QSL_ODB"]](const TRowValues &row, TBandParser &,
                                                             TScanHit &hit) {
        hit.Key = QString::number(ColumnInt(row, id));
        hit.Cell = 0;
        hit.Confirmed = ColumnConfirmed(row, qsl);
        return true;
    };
    OneCellSummary(s, QStringLiteral("Nazwa"));
    RunGridStatistic(dm, s, progress);
}

void BuildIotaStats(TDM &dm, TStatTables &tables, const TProgress &progress)
{
    TGridStatistic s;
    s.Table = &tables.IotaTbl;
    s.ListCaption = QStringLiteral("Tworzenie listy wysp ");
    const TSelectList list{"IOTA", "NazwaPol"};
    s.ListSql = QStringList{list.Line(), "FROM Wyspy", "ORDER BY IOTA"};
    s.ListKey = [iota = list["IOTA"]](const TRowValues &row) { return ReferenceKey(ColumnText(row, iota)); };
    s.FillRow = [iota = list["IOTA"], name = list["NazwaPol"]](const TRowValues &row, TExMemoryData &t) {
        t.FieldByName(QStringLiteral("Iota"))->SetAsString(ColumnText(row, iota));
        t.FieldByName(QStringLiteral("Wyspa"))->SetAsString(ColumnText(row, name));
        t.FieldByName(QStringLiteral("Lacznosc"))->SetAsString(BlankMarkCell);
    };
    const TSelectList scan{IotaKey.Column, "QSL_ODB"};
    s.ScanSql = QStringList{scan.Line(), "FROM Logi"};
    s.ReadQso = [wyspa = scan[IotaKey.Column], qsl = scan["QSL_ODB"]](const TRowValues &row, TBandParser &,
                                                                      TScanHit &hit) {
        hit.Key = IotaKey.Of(ColumnText(row, wyspa));
        hit.Cell = 0;
        hit.Confirmed = ColumnConfirmed(row, qsl);
        return !hit.Key.isEmpty();
    };
    s.KeyCase = IotaKey.Case;
    OneCellSummary(s, QStringLiteral("Wyspa"));
    RunGridStatistic(dm, s, progress);
}

void BuildPowiatStats(TDM &dm, TStatTables &tables, const TProgress &progress)
{
    RunPolishAward(dm, tables.SpaTbl, Powiaty, progress);
}

void BuildGminaStats(TDM &dm, TStatTables &tables, const TProgress &progress)
{
    RunPolishAward(dm, tables.GminaTbl, Gminy, progress);
}

void BuildZamekStats(TDM &dm, TStatTables &tables, const TProgress &progress)
{
    RunPolishAward(dm, tables.ZamekTbl, Zamki, progress);
}

void BuildLokatorStats(TDM &dm, TStatTables &tables, const TProgress &progress)
{
    TGridStatistic s;
    s.Table = &tables.LokatorTbl;
    s.ListCaption = QStringLiteral("Tworzenie listy lokatorów ");
    const TSelectList list{LokatorKey.Column};
    s.ListSql = QStringList{list.DistinctLine(), "FROM Logi",
                            QStringLiteral("WHERE ") + PasmoIn(LokatorBands), "ORDER BY Lokator"};
    s.ListKey = [at = list[LokatorKey.Column]](const TRowValues &row) {
        return LokatorKey.Of(ColumnText(row, at));
    };
    s.FillRow = [at = list[LokatorKey.Column]](const TRowValues &row, TExMemoryData &t) {
        t.FieldByName(QStringLiteral("Lokator"))->SetAsString(LokatorKey.Of(ColumnText(row, at)));
    };
    s.OneRowPerKey = true;
    const TSelectList scan{"Pasmo", LokatorKey.Column, "QSL_ODB"};
    s.ScanSql = QStringList{scan.Line(), "FROM Logi", "WHERE (Lokator IS NOT NULL)"};
    s.ReadQso = [pasmo = scan["Pasmo"], lokator = scan[LokatorKey.Column],
                 qsl = scan["QSL_ODB"]](const TRowValues &row, TBandParser &bands, TScanHit &hit) {
        hit.Key = LokatorKey.Of(ColumnText(row, lokator));
        if (hit.Key.isEmpty())
            return false;
        hit.Cell = LokatorCellForBand(bands.Index(ColumnText(row, pasmo)));
        hit.Confirmed = ColumnConfirmed(row, qsl);
        return true;
    };
    s.KeyCase = LokatorKey.Case;
    s.CellFields = LokatorCellFields();
    s.SummaryForm = TGridStatistic::Summary::Ratio;
    s.NameField = QStringLiteral("Lokator");
    s.RatioName = QStringLiteral("Łączność / Potwierdzenie");
    RunGridStatistic(dm, s, progress);
}
