#include "awards/StatRuns.h"

#include "awards/StatRecipe.h"
#include "core/Pasmo.h"
#include "core/SqlText.h"

#include <span>

namespace {

constexpr int HfBands[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};

QStringList BandNames(std::span<const int> bands)
{
    QStringList names;
    for (int band : bands)
        names << TPasmo::BandNameOf(band);
    return names;
}

// "WHERE Pasmo IN('160 m','80 m',...)"
QString PasmoInLine(const QStringList &names)
{
    QStringList quoted;
    for (const QString &n : names)
        quoted << QuoteSqlText(n);
    return QStringLiteral("WHERE Pasmo IN(") + quoted.join(u',') + u')';
}

QString PolandOnlyLine()
{
    return QStringLiteral("WHERE KrajId=") + QString::number(PolandKrajId);
}

// Right-trimmed: CHAR key columns come back padded to their width.
QString ReferenceKey(const QString &text)
{
    QString key = text;
    while (!key.isEmpty() && key.back() == u' ')
        key.chop(1);
    return key;
}

const QStringList CountryListSql = {"SELECT KrajId, PrefixDX, NazwaPol", "FROM KrajeDX", "ORDER BY PrefixDX"};
const QString CountryListCaption = QStringLiteral("Tworzenie listy krajów ");

// The district, commune and castle statistics: a reference list keyed by its
// first column, named by its second, and Polish QSOs keyed by a LOGI column.
TGridStatistic PolishAward(TExMemoryData &table, const QString &caption, const QStringList &listSql,
                           const QStringList &scanSelect, const QString &keyField, const QString &nameField,
                           std::function<QString(const TRowValues &)> qsoKey, int pasmoColumn, int qslColumn)
{
    TGridStatistic s;
    s.Table = &table;
    s.ListCaption = caption;
    s.ListSql = listSql;
    s.ListKey = [](const TRowValues &row) { return ReferenceKey(ColumnText(row, 0)); };
    s.FillRow = [keyField, nameField](const TRowValues &row, TExMemoryData &t) {
        t.FieldByName(keyField)->SetAsString(ReferenceKey(ColumnText(row, 0)));
        t.FieldByName(nameField)->SetAsString(ColumnText(row, 1));
    };
    s.ScanSql = scanSelect + QStringList{"FROM Logi", PolandOnlyLine()};
    s.ReadQso = [qsoKey, pasmoColumn, qslColumn](const TRowValues &row, TBandParser &bands, TScanHit &hit) {
        hit.Key = qsoKey(row);
        if (hit.Key.isEmpty())
            return false;
        hit.Cell = bands.Index(ColumnText(row, pasmoColumn)) - 1;
        hit.Confirmed = ColumnConfirmed(row, qslColumn);
        return true;
    };
    s.CellFields = BandCellFields();
    s.NameField = nameField;
    return s;
}

// Communes and castles: rows "Symbol" and "Nazwa", QSOs keyed by the trimmed
// second column of "SELECT Pasmo, <key>, QSL_ODB".
TGridStatistic SymbolAward(TExMemoryData &table, const QString &caption, const QStringList &listSql,
                           const QString &scanSelect)
{
    return PolishAward(
        table, caption, listSql, {scanSelect}, QStringLiteral("Symbol"), QStringLiteral("Nazwa"),
        [](const TRowValues &row) { return ColumnText(row, 1).trimmed(); }, 0, 2);
}

} // namespace

QString PowiatIdFromDomena(const QString &domena)
{
    const QString t = domena.trimmed();
    if (t.size() == 3)
        return t.mid(1, 2);
    if (t.size() == 4)
        return t.mid(2, 2);
    return QString();
}

QString IotaKeyFromWyspa(const QString &wyspa)
{
    const QString t = wyspa.trimmed();
    return t == QLatin1String("-") ? QString() : t;
}

QString LokatorSquare(const QString &lokator)
{
    const QString t = lokator.trimmed();
    return t.size() < 4 ? QString() : t.left(4);
}

void BuildDxccMultiBandStats(TDM &dm, TStatTables &tables, const TStatProgress &progress)
{
    TGridStatistic s;
    s.Table = &tables.PrefixTbl;
    s.ListCaption = CountryListCaption;
    s.ListSql = CountryListSql;
    // Every country id is counted; ids below 1 stand for no country.
    s.ListKey = [](const TRowValues &row) {
        const int id = ColumnInt(row, 0);
        return id >= 1 ? QString::number(id) : QString();
    };
    s.FillRow = [](const TRowValues &row, TExMemoryData &t) {
        t.FieldByName(QStringLiteral("PrefixTblKrajId"))->SetAsInteger(ColumnInt(row, 0));
        t.FieldByName(QStringLiteral("PrefixTblPrefix"))->SetAsString(ColumnText(row, 1));
        t.FieldByName(QStringLiteral("PrefixTblDxcc"))->SetAsString(ColumnText(row, 2));
    };
    s.ScanSql = QStringList{"SELECT KrajId, Stacja, Pasmo, QSL_ODB", "FROM Logi"};
    s.ReadQso = [](const TRowValues &row, TBandParser &bands, TScanHit &hit) {
        const int id = ColumnInt(row, 0);
        if (id < 1)
            return false;
        hit.Key = QString::number(id);
        hit.Cell = bands.Index(ColumnText(row, 2)) - 1;
        hit.Confirmed = ColumnConfirmed(row, 3);
        return true;
    };
    s.CellFields = BandCellFields(QStringLiteral("PrefixTbl"));
    s.NameField = QStringLiteral("PrefixTblDxcc");
    RunGridStatistic(dm, s, progress);
}

void BuildDxccHfStats(TDM &dm, TStatTables &tables, const TStatProgress &progress)
{
    TGridStatistic s;
    s.Table = &tables.PrefixRazTbl;
    s.ListCaption = CountryListCaption;
    s.ListSql = CountryListSql;
    s.ListKey = [](const TRowValues &row) { return QString::number(ColumnInt(row, 0)); };
    s.FillRow = [](const TRowValues &row, TExMemoryData &t) {
        t.FieldByName(QStringLiteral("KrajId"))->SetAsInteger(ColumnInt(row, 0));
        t.FieldByName(QStringLiteral("Prefix"))->SetAsString(ColumnText(row, 1));
        t.FieldByName(QStringLiteral("Nazwa"))->SetAsString(ColumnText(row, 2));
        t.FieldByName(QStringLiteral("Lacznosc"))->SetAsString(BlankMarkCell);
    };
    s.ScanSql = QStringList{"SELECT KrajId, Stacja, QSL_ODB", "FROM Logi", PasmoInLine(BandNames(HfBands))};
    s.ReadQso = [](const TRowValues &row, TBandParser &, TScanHit &hit) {
        hit.Key = QString::number(ColumnInt(row, 0));
        hit.Cell = 0;
        hit.Confirmed = ColumnConfirmed(row, 2);
        return true;
    };
    s.CellFields = QStringList{"Lacznosc"};
    s.SummaryForm = TGridStatistic::Summary::Ratio;
    s.NameField = QStringLiteral("Nazwa");
    s.RatioName = QStringLiteral("Podsumowanie");
    RunGridStatistic(dm, s, progress);
}

void BuildIotaStats(TDM &dm, TStatTables &tables, const TStatProgress &progress)
{
    TGridStatistic s;
    s.Table = &tables.IotaTbl;
    s.ListCaption = QStringLiteral("Tworzenie listy wysp ");
    s.ListSql = QStringList{"SELECT IOTA, NazwaPol", "FROM Wyspy", "ORDER BY IOTA"};
    s.ListKey = [](const TRowValues &row) { return ReferenceKey(ColumnText(row, 0)); };
    s.FillRow = [](const TRowValues &row, TExMemoryData &t) {
        t.FieldByName(QStringLiteral("Iota"))->SetAsString(ColumnText(row, 0));
        t.FieldByName(QStringLiteral("Wyspa"))->SetAsString(ColumnText(row, 1));
        t.FieldByName(QStringLiteral("Lacznosc"))->SetAsString(BlankMarkCell);
    };
    s.ScanSql = QStringList{"SELECT Wyspa, QSL_ODB", "FROM Logi"};
    s.ReadQso = [](const TRowValues &row, TBandParser &, TScanHit &hit) {
        hit.Key = IotaKeyFromWyspa(ColumnText(row, 0));
        hit.Cell = 0;
        hit.Confirmed = ColumnConfirmed(row, 1);
        return !hit.Key.isEmpty();
    };
    s.KeyCase = Qt::CaseInsensitive;
    s.CellFields = QStringList{"Lacznosc"};
    s.SummaryForm = TGridStatistic::Summary::Ratio;
    s.NameField = QStringLiteral("Wyspa");
    s.RatioName = QStringLiteral("Podsumowanie");
    RunGridStatistic(dm, s, progress);
}

void BuildPowiatStats(TDM &dm, TStatTables &tables, const TStatProgress &progress)
{
    RunGridStatistic(dm,
                     PolishAward(
                         tables.SpaTbl, QStringLiteral("Tworzenie listy powiatów "),
                         {"SELECT PowiatId, Powiat", "FROM Powiaty", "ORDER BY PowiatId"},
                         {"SELECT Stacja, Pasmo, Domena, QSL_ODB"}, QStringLiteral("PowiatId"),
                         QStringLiteral("Powiat"),
                         [](const TRowValues &row) { return PowiatIdFromDomena(ColumnText(row, 2)); }, 1, 3),
                     progress);
}

void BuildGminaStats(TDM &dm, TStatTables &tables, const TStatProgress &progress)
{
    RunGridStatistic(dm,
                     SymbolAward(tables.GminaTbl, QStringLiteral("Tworzenie listy gmin "),
                                 {"SELECT GminaId, Gmina", "FROM Gminy", "ORDER BY GminaId"},
                                 QStringLiteral("SELECT Pasmo, Gmina, QSL_ODB")),
                     progress);
}

void BuildZamekStats(TDM &dm, TStatTables &tables, const TStatProgress &progress)
{
    RunGridStatistic(dm,
                     SymbolAward(tables.ZamekTbl, QStringLiteral("Tworzenie listy zamków "),
                                 {"SELECT Symbol, Nazwa", "FROM Zamki", "ORDER BY Symbol"},
                                 QStringLiteral("SELECT Pasmo, Zamek, QSL_ODB")),
                     progress);
}

void BuildLokatorStats(TDM &dm, TStatTables &tables, const TStatProgress &progress)
{
    TGridStatistic s;
    s.Table = &tables.LokatorTbl;
    s.ListCaption = QStringLiteral("Tworzenie listy lokatorów ");
    s.ListSql = QStringList{"SELECT DISTINCT Lokator", "FROM Logi", PasmoInLine(BandNames(LokatorBands)),
                            "ORDER BY Lokator"};
    s.ListKey = [](const TRowValues &row) { return LokatorSquare(ColumnText(row, 0)); };
    s.FillRow = [](const TRowValues &row, TExMemoryData &t) {
        t.FieldByName(QStringLiteral("Lokator"))->SetAsString(LokatorSquare(ColumnText(row, 0)));
    };
    s.OneRowPerKey = true;
    s.ScanSql = QStringList{"SELECT Pasmo, Lokator, QSL_ODB", "FROM Logi", "WHERE (Lokator IS NOT NULL)"};
    s.ReadQso = [](const TRowValues &row, TBandParser &bands, TScanHit &hit) {
        hit.Key = LokatorSquare(ColumnText(row, 1));
        if (hit.Key.isEmpty())
            return false;
        hit.Cell = LokatorCellForBand(bands.Index(ColumnText(row, 0)));
        hit.Confirmed = ColumnConfirmed(row, 2);
        return true;
    };
    s.CellFields = LokatorCellFields();
    s.SummaryForm = TGridStatistic::Summary::Ratio;
    s.NameField = QStringLiteral("Lokator");
    s.RatioName = QStringLiteral("Łączność / Potwierdzenie");
    RunGridStatistic(dm, s, progress);
}
