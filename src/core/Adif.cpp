#include "core/Adif.h"

#include "core/Log.h"
#include "platform/Cp1250.h"

#include <cstring>

namespace {

bool isAscii(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Where "<EOR>" (any letter case) starts in data[from, to), or -1.
qsizetype FindEndOfRecord(const char *data, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i + 5 <= to; ++i) {
        const char *lt = static_cast<const char *>(std::memchr(data + i, '<', to - i));
        if (!lt)
            return -1;
        i = lt - data;
        if (i + 5 <= to && UpperAscii(lt[1]) == 'E' && UpperAscii(lt[2]) == 'O' && UpperAscii(lt[3]) == 'R' &&
            lt[4] == '>')
            return i;
    }
    return -1;
}

// Only blanks and line breaks between here and the next tag or the end of the data.
bool AtFieldBoundary(const char *data, qsizetype pos, qsizetype n)
{
    while (pos < n && (data[pos] == ' ' || data[pos] == '\t' || data[pos] == '\r' || data[pos] == '\n'))
        ++pos;
    return pos == n || data[pos] == '<';
}

} // namespace

AdifValueCheck CheckAdifValue(const char *data, qsizetype n, qsizetype valueStart, qsizetype length)
{
    AdifValueCheck check;
    const bool pastEnd = length > n - valueStart;
    check.Eor = FindEndOfRecord(data, valueStart, pastEnd ? n : valueStart + length);
    if (pastEnd)
        check.Span = AdifValueSpan::PastEnd;
    else if (check.Eor >= 0 && !AtFieldBoundary(data, valueStart + length, n))
        check.Span = AdifValueSpan::PastRecord;
    return check;
}

int AdifValueLength(const QString &value)
{
    // Every Windows-1250 character is one byte; outside ASCII count what the
    // file will really hold.
    return isAscii(value) ? int(value.size()) : int(Cp1250::fromUnicode(value).size());
}

QString AdifField(QLatin1String tag, const QString &value)
{
    return u'<' + tag + u':' + QString::number(AdifValueLength(value)) + u'>' + value;
}

QString AdifFieldIfAny(QLatin1String tag, const QString &value)
{
    return value.isEmpty() ? QString() : AdifField(tag, value);
}

QString AdifZoneField(QLatin1String tag, uint8_t zone)
{
    return zone == 0 ? QString() : AdifField(tag, QString::number(zone));
}

QString AdifBandText(const QString &bandName)
{
    QString s = bandName;
    s.remove(u' ');
    return s.toUpper();
}

QString TLog::LogToAdif() const
{
    const QDate date = Data.date();
    const int64_t seconds = Data.ticks() / DateTime::TicksPerSecond;
    const QString qsoDate = QString::number(date.year()).rightJustified(4, u'0') + twoDigits(date.month()) +
                            twoDigits(date.day());
    const QString timeOn =
        twoDigits(int(seconds / 3600)) + twoDigits(int(seconds / 60 % 60)) + twoDigits(int(seconds % 60));

    QString r;
    r.reserve(256);
    r += AdifField(AdifTag::QsoDate, qsoDate);
    r += AdifField(AdifTag::TimeOn, timeOn);
    r += AdifFieldIfAny(AdifTag::Band, AdifBandText(Pasmo.BandName()));
    r += AdifField(AdifTag::Call, Stacja);
    r += AdifFieldIfAny(AdifTag::Mode, Emisja);
    r += AdifFieldIfAny(AdifTag::RstSent, RaportNad);
    r += AdifFieldIfAny(AdifTag::RstRcvd, RaportOdb);
    r += AdifFieldIfAny(AdifTag::Name, Imie);
    r += AdifFieldIfAny(AdifTag::Comment, Notatki);
    r += AdifFieldIfAny(AdifTag::GridSquare, LogGetLokator());
    r += AdifFieldIfAny(AdifTag::QslVia, QslManager);
    r += AdifField(AdifTag::QslSent, QslWys ? QStringLiteral("Y") : QStringLiteral("N"));
    r += AdifField(AdifTag::QslRcvd, QslOdb ? QStringLiteral("Y") : QStringLiteral("N"));
    r += AdifFieldIfAny(AdifTag::Qth, Miasto);
    r += AdifFieldIfAny(AdifTag::Iota, Wyspa);
    r += AdifFieldIfAny(AdifTag::Domain, Domena);
    r += AdifFieldIfAny(AdifTag::Gmina, Gmina);
    r += AdifFieldIfAny(AdifTag::Castle, Zamek);
    r += AdifFieldIfAny(AdifTag::Cont, Kontynent);
    r += AdifZoneField(AdifTag::Ituz, ITU);
    r += AdifZoneField(AdifTag::Cqz, CQ);
    r += AdifTag::Eor;
    return r;
}
