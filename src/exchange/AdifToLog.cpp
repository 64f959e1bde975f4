#include "exchange/AdifToLog.h"

#include "core/Adif.h"
#include "core/Log.h"

#include <array>
#include <cmath>

namespace {

// Widths of the LOGI text columns: a longer value is cut here, so that what
// the import compares (the call sign for duplicates) is what gets stored.
struct ColumnWidth {
    QString TLog::*field;
    int width;
};
constexpr std::array<ColumnWidth, 14> ColumnWidths{{
    {&TLog::Stacja, 14},
    {&TLog::Emisja, 6},
    {&TLog::RaportNad, 8},
    {&TLog::RaportOdb, 8},
    {&TLog::Lokator, 6},
    {&TLog::Imie, 15},
    {&TLog::Notatki, 50},
    {&TLog::QslManager, 7},
    {&TLog::Miasto, 25},
    {&TLog::Wyspa, 6},
    {&TLog::Domena, 6},
    {&TLog::Gmina, 6},
    {&TLog::Zamek, 6},
    {&TLog::Kontynent, 2},
}};

// Keeps the first `width` characters. The log stores one byte a character, so
// a pair of UTF-16 units is one character and is never split. True when what
// was cut off held more than blanks.
bool CutToWidth(QString &value, int width)
{
    qsizetype end = 0;
    for (int kept = 0; kept < width && end < value.size(); ++kept) {
        const bool pair =
            value[end].isHighSurrogate() && end + 1 < value.size() && value[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    if (end == value.size())
        return false;
    const bool lost = !QStringView(value).mid(end).trimmed().isEmpty();
    value.truncate(end);
    return lost;
}

// Cuts every text to its column; true when a value lost more than blanks.
bool FitToColumns(TLog &log)
{
    bool shortened = false;
    for (const ColumnWidth &c : ColumnWidths)
        shortened |= CutToWidth(log.*c.field, c.width);
    // A cut reference may end in a blank, which the island rule does not keep.
    log.LogSetWyspa(log.Wyspa);
    return shortened;
}

bool AllDigits(QStringView s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

int Number(QStringView s)
{
    int n = 0;
    for (QChar c : s)
        n = n * 10 + (c.unicode() - u'0');
    return n;
}

// A zone as the file gives it; letters or a number out of any range read as 0.
int ParseZone(const QString &value)
{
    bool ok = false;
    const int zone = value.trimmed().toInt(&ok);
    return ok ? zone : 0;
}

// A code of blanks only is no code: stored empty, as the editor saves it.
QString Code(const QString &value)
{
    return value.trimmed().isEmpty() ? QString() : value;
}

struct Frequency {
    double low;
    double high;
    int band;
};
// 4 m: the 70 MHz allocations of the regions that have the band.
constexpr std::array<Frequency, 14> FrequencyBands{{
    {1, 2, 1},
    {3, 4, 2},
    {7, 7.3, 3},
    {10, 10.15, 4},
    {14, 14.35, 5},
    {18, 18.168, 6},
    {21, 21.45, 7},
    {24, 24.99, 8},
    {28, 29.7, 9},
    {50, 54, 10},
    {69.9, 70.5, 11},
    {140, 148, 12},
    {400, 450, 13},
    {1200, 1300, 14},
}};

} // namespace

std::optional<QDate> ParseAdifDate(const QString &value)
{
    if (value.size() != 8 || !AllDigits(value))
        return std::nullopt;
    const QStringView v(value);
    const QDate date(Number(v.mid(0, 4)), Number(v.mid(4, 2)), Number(v.mid(6, 2)));
    // ADIF dates begin in 1930; an earlier one is a typing error, and the
    // editor's date field could not show it.
    if (!date.isValid() || date.year() < 1930)
        return std::nullopt;
    return date;
}

std::optional<int> ParseAdifTime(const QString &value)
{
    if ((value.size() != 4 && value.size() != 6) || !AllDigits(value))
        return std::nullopt;
    const QStringView v(value);
    const int h = Number(v.mid(0, 2));
    const int m = Number(v.mid(2, 2));
    const int s = value.size() == 6 ? Number(v.mid(4, 2)) : 0;
    if (h > 23 || m > 59 || s > 59)
        return std::nullopt;
    return h * 3600 + m * 60 + s;
}

bool ParseAdifFlag(const QString &value)
{
    return value.trimmed().compare(u"Y", Qt::CaseInsensitive) == 0;
}

std::optional<double> ParseAdifFrequency(const QString &value)
{
    QString text = value.trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double mhz = text.toDouble(&ok);
    if (!ok || !std::isfinite(mhz))
        return std::nullopt;
    return mhz;
}

int BandIndexForFrequency(double mhz)
{
    for (const Frequency &f : FrequencyBands)
        if (mhz >= f.low && mhz <= f.high)
            return f.band;
    return 0;
}

AdifVerdict AdifRecordToLog(const AdifRecord &record, TLog &log, AdifRecordNotes *notes)
{
    log.LogReset();
    if (notes)
        *notes = {};
    if (record.fields.isEmpty())
        return AdifVerdict::Empty;

    std::optional<QDate> date;
    std::optional<int> time;
    for (const AdifTagValue &f : record.fields) {
        const QString &v = f.value;
        if (f.name == AdifTag::QsoDate) {
            date = ParseAdifDate(v);
        } else if (f.name == AdifTag::TimeOn) {
            time = ParseAdifTime(v);
        } else if (f.name == AdifTag::Band) {
            log.Pasmo.ParseBand(v);
        } else if (f.name == AdifTag::Freq) {
            // A frequency of no band the program knows (60 m, 630 m, a typing
            // error) must not clear the band a BAND tag already gave.
            if (const auto mhz = ParseAdifFrequency(v))
                if (const int band = BandIndexForFrequency(*mhz); band != 0)
                    log.Pasmo.SetIndex(band);
        } else if (f.name == AdifTag::Call) {
            // The editor and the lookups work with upper-case call signs.
            log.LogSetStacja(v.toUpper());
        } else if (f.name == AdifTag::Mode) {
            log.LogSetEmisja(v);
        } else if (f.name == AdifTag::RstSent) {
            log.RaportNad = v;
        } else if (f.name == AdifTag::RstRcvd) {
            log.RaportOdb = v;
        } else if (f.name == AdifTag::Name) {
            log.Imie = v;
        } else if (f.name == AdifTag::Comment) {
            log.Notatki = v;
        } else if (f.name == AdifTag::GridSquare) {
            // Blanks around are not part of a locator; eight- and ten-character
            // locators keep their six-character square. Letter case carries no
            // meaning in a locator; the log keeps it upper case.
            QString loc = v.trimmed();
            if (loc.size() == 8 || loc.size() == 10)
                loc = loc.left(6).trimmed();
            log.LogSetLokator(loc.toUpper());
        } else if (f.name == AdifTag::QslVia) {
            log.QslManager = v.toUpper();
        } else if (f.name == AdifTag::QslSent) {
            log.QslWys = ParseAdifFlag(v);
        } else if (f.name == AdifTag::QslRcvd) {
            log.QslOdb = ParseAdifFlag(v);
        } else if (f.name == AdifTag::Qth) {
            log.Miasto = v;
        } else if (f.name == AdifTag::Iota) {
            log.LogSetWyspa(v);
        } else if (f.name == AdifTag::Domain) {
            // Upper case, as the district table and the editor have it.
            log.Domena = Code(v).toUpper();
        } else if (f.name == AdifTag::Gmina) {
            log.Gmina = Code(v);
        } else if (f.name == AdifTag::Castle) {
            log.Zamek = Code(v);
        } else if (f.name == AdifTag::Cont) {
            log.LogSetKontynent(Code(v).toUpper());
        } else if (f.name == AdifTag::Ituz) {
            log.LogSetItu(ParseZone(v));
        } else if (f.name == AdifTag::Cqz) {
            log.LogSetCq(ParseZone(v));
        }
    }
    const bool cut = FitToColumns(log);
    if (notes)
        *notes = {cut, !time};

    if (!date)
        return AdifVerdict::NoDate;
    log.Data = DateTime::fromQDate(*date).addSecs(time.value_or(0));
    return AdifVerdict::Accepted;
}
