#include "awards/StatTables.h"

QString MarkWorked(const QString &cell)
{
    if (cell.size() != 2)
        return cell;
    return QString(MarkChar) + cell.at(1);
}

QString MarkConfirmed(const QString &cell)
{
    if (cell.size() != 2)
        return cell;
    return cell.at(0) + QString(MarkChar);
}

QString FormatCount3(int n)
{
    if (n < 1)
        return QString();
    return QString::number(n).rightJustified(3, u' ');
}

QString MarkIfPositive(int value)
{
    return value > 0 ? QString(MarkChar) : QString();
}

TMarkState MarkStateOf(const QString &cell)
{
    const QString t = cell.trimmed();
    if (t.size() == 1 && t.at(0) == MarkChar)
        return TMarkState::Worked;
    if (t.size() == 2 && t.at(0) == MarkChar && t.at(1) == MarkChar)
        return TMarkState::Confirmed;
    return TMarkState::None;
}

bool MarkInCells(const QStringList &cells)
{
    QString joined;
    for (const QString &c : cells)
        joined += c.trimmed();
    return joined.contains(MarkChar);
}

QString BandCellName(int band)
{
    if (band < 1 || band > BandCellCount)
        return QString();
    return QString::fromLatin1(BandCellNames[band - 1]);
}

QString PrefixTblBandCellName(int band)
{
    const QString name = BandCellName(band);
    return name.isEmpty() ? name : QStringLiteral("PrefixTbl") + name;
}

QStringList BandCellFields(const QString &prefix)
{
    QStringList fields;
    for (const char *name : BandCellNames)
        fields << prefix + QLatin1String(name);
    return fields;
}

int LokatorCellForBand(int band)
{
    for (int i = 0; i < LokatorCellCount; ++i)
        if (LokatorBands[i] == band)
            return i;
    return -1;
}

QStringList LokatorCellFields()
{
    QStringList fields;
    for (const char *name : LokatorCellNames)
        fields << QLatin1String(name);
    return fields;
}

namespace {

void AddBandCells(TExMemoryData &table, const QString &prefix, int size)
{
    for (const QString &name : BandCellFields(prefix))
        table.AddField(name, FieldType::String, size);
}

void BlankCells(DataSet &ds, int first, int count)
{
    const std::vector<Field *> &fields = ds.Fields();
    for (int i = first; i < first + count; ++i)
        fields[i]->SetAsString(BlankMarkCell);
}

} // namespace

TStatTables::TStatTables()
{
    PrefixTbl.AddField(QStringLiteral("PrefixTblKrajId"), FieldType::Integer);
    PrefixTbl.AddField(QStringLiteral("PrefixTblPrefix"), FieldType::FixedChar, 6);
    PrefixTbl.AddField(QStringLiteral("PrefixTblDxcc"), FieldType::FixedChar, 50);
    AddBandCells(PrefixTbl, QStringLiteral("PrefixTbl"), MarkCellSize);
    PrefixTbl.OnNewRecord = PrefixTblNewRecord;

    PrefixRazTbl.AddField(QStringLiteral("KrajId"), FieldType::Integer);
    PrefixRazTbl.AddField(QStringLiteral("Prefix"), FieldType::String, 6);
    PrefixRazTbl.AddField(QStringLiteral("Nazwa"), FieldType::String, 50);
    PrefixRazTbl.AddField(QStringLiteral("Lacznosc"), FieldType::String, MarkCellSize);

    IotaTbl.AddField(QStringLiteral("Iota"), FieldType::FixedChar, 6);
    IotaTbl.AddField(QStringLiteral("Wyspa"), FieldType::FixedChar, 50);
    IotaTbl.AddField(QStringLiteral("Lacznosc"), FieldType::String, MarkCellSize);

    SpaTbl.AddField(QStringLiteral("PowiatId"), FieldType::String, 2);
    SpaTbl.AddField(QStringLiteral("Powiat"), FieldType::String, 50);
    AddBandCells(SpaTbl, QString(), CountCellSize);
    SpaTbl.OnNewRecord = SpaTblNewRecord;

    for (TExMemoryData *t : {&GminaTbl, &ZamekTbl}) {
        t->AddField(QStringLiteral("Symbol"), FieldType::String, 6);
        t->AddField(QStringLiteral("Nazwa"), FieldType::String, 60);
        AddBandCells(*t, QString(), CountCellSize);
    }
    GminaTbl.OnNewRecord = GminaTblNewRecord;
    ZamekTbl.OnNewRecord = ZamekTblNewRecord;

    LokatorTbl.AddField(QStringLiteral("Lokator"), FieldType::String, 25);
    for (const QString &name : LokatorCellFields())
        LokatorTbl.AddField(name, FieldType::String, MarkCellSize);
    LokatorTbl.OnNewRecord = LokatorTblNewRecord;

    for (TExMemoryData *t : {&PrefixTbl, &PrefixRazTbl, &IotaTbl, &SpaTbl, &GminaTbl, &ZamekTbl, &LokatorTbl})
        t->Open();
}

// The band cells follow the key and name fields (three of them in PrefixTbl).
void TStatTables::PrefixTblNewRecord(DataSet &ds)
{
    BlankCells(ds, 3, BandCellCount);
}

void TStatTables::SpaTblNewRecord(DataSet &ds)
{
    BlankCells(ds, 2, BandCellCount);
}

void TStatTables::GminaTblNewRecord(DataSet &ds)
{
    BlankCells(ds, 2, BandCellCount);
}

void TStatTables::ZamekTblNewRecord(DataSet &ds)
{
    BlankCells(ds, 2, BandCellCount);
}

void TStatTables::LokatorTblNewRecord(DataSet &ds)
{
    BlankCells(ds, 1, LokatorCellCount);
}
