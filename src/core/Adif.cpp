#include "core/Adif.h"

#include "core/Log.h"
#include "platform/Cp1250.h"

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

} // namespace

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
