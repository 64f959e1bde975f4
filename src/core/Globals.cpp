#include "core/Globals.h"

#include <cmath>

namespace {

const Voivodeship VoivodeshipTable[] = {{u'D', u"dolnośląskie"},   {u'P', u"kujawsko-pomorskie"},
                                        {u'L', u"lubelskie"},      {u'B', u"lubuskie"},
                                        {u'C', u"łódzkie"},        {u'M', u"małopolskie"},
                                        {u'R', u"mazowieckie"},    {u'U', u"opolskie"},
                                        {u'K', u"podkarpackie"},   {u'O', u"podlaskie"},
                                        {u'F', u"pomorskie"},      {u'G', u"śląskie"},
                                        {u'S', u"świętokrzyskie"}, {u'J', u"warmińsko-mazurskie"},
                                        {u'W', u"wielkopolskie"},  {u'Z', u"zachodniopomorskie"}};

const District DistrictTable[] = {
#include "core/Districts.inc"
};

LocalClock localClock = nullptr;

bool inRange(QChar c, char first, char last) {
    return c.unicode() >= char16_t(first) && c.unicode() <= char16_t(last);
}

bool isAsciiDigit(QChar c) {
    return inRange(c, '0', '9');
}

} // namespace

uint8_t SettingInRange(int value, int count, uint8_t startValue) {
    return value >= 0 && value < count ? uint8_t(value) : startValue;
}

std::span<const Voivodeship> Voivodeships() {
    return VoivodeshipTable;
}

std::span<const District> Districts() {
    return DistrictTable;
}

void SetLocalClock(LocalClock clock) {
    localClock = clock;
}

DateTime UtcNow() {
    const DateTime local = localClock ? localClock() : DateTime::currentLocal();
    return local.addSecs(CzasLetni ? -2 * 3600 : -3600);
}

QString DateFormatText(uint8_t index) {
    return index < DateFormats.size() ? QString(DateFormats[index]) : QString(DateFormats[0]);
}

QString FormatDateDdMonYyyy(const QDate &date) {
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1-%2-%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(MonthAbbreviations[date.month() - 1])
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

bool IsValidLocator(const QString &text) {
    const QString s = text.trimmed().toUpper();
    if (s.isEmpty())
        return true;
    if (s.size() != 4 && s.size() != 6)
        return false;
    if (!inRange(s[0], 'A', 'R') || !inRange(s[1], 'A', 'R') || !isAsciiDigit(s[2]) || !isAsciiDigit(s[3]))
        return false;
    return s.size() == 4 || (inRange(s[4], 'A', 'X') && inRange(s[5], 'A', 'X'));
}

bool IsValidReport(const QString &text) {
    return text.isEmpty() || text.size() >= 2;
}

bool IsValidIota(const QString &text) {
    const QString s = text.trimmed().toUpper();
    if (s.isEmpty() || s == QLatin1String("-"))
        return true;
    return s.size() == 6 && inRange(s[0], 'A', 'Z') && inRange(s[1], 'A', 'Z') && s[2] == u'-' &&
           isAsciiDigit(s[3]) && isAsciiDigit(s[4]) && isAsciiDigit(s[5]);
}

QString FlagToTN(bool flag) {
    return flag ? QStringLiteral("T") : QStringLiteral("N");
}

bool IsFlagT(const QString &text) {
    return text == QLatin1String("T");
}

QString ZoneNumberText(uint8_t zone) {
    return zone == 0 ? QString() : QString::number(zone);
}

QString QuoteSqlText(const QString &text) {
    return u'\'' + text + u'\'';
}

QString RemoveBlanks(const QString &text) {
    QString s = text;
    s.remove(u' ');
    return s;
}

QString StripApostrophes(const QString &text) {
    QString s = text;
    s.remove(u'\'');
    return s;
}

QChar CheckMarkForFlag(const QString &text) {
    return text.trimmed().toUpper() == QLatin1String("T") ? QChar(0x2713) : QChar(u' ');
}

QString DegreesToDmsText(long double degrees) {
    const long double d = std::trunc(degrees);
    const long double m = std::trunc((degrees - d) * 60);
    const long double s = std::trunc((degrees - d - m / 60) * 3600);
    return QString::number(qint64(d)) + u'\u00B0' + u' ' + QString::number(qint64(m)) + u'\'' + u' ' +
           QString::number(qint64(s)) + u'"';
}

QString VoivodeshipNameForCode(const QString &code) {
    if (code.size() != 1)
        return QString();
    for (const Voivodeship &v : VoivodeshipTable)
        if (code[0] == QChar(v.Code))
            return QString::fromUtf16(v.Name);
    return QString();
}

QString VoivodeshipCodeForName(const QString &name) {
    const QString s = name.toLower().trimmed();
    for (const Voivodeship &v : VoivodeshipTable)
        if (s == QStringView(v.Name))
            return QString(QChar(v.Code));
    return QString();
}

QString DistrictNameForCode(const QString &code) {
    if (code.size() != 2)
        return QString();
    for (const District &d : DistrictTable)
        if (code == QStringView(d.Code))
            return QString::fromUtf16(d.Text);
    return QString();
}

int ContinentIndex(const QString &code) {
    for (int i = 1; i < int(ContinentTable.size()); ++i)
        if (code == ContinentTable[i])
            return i;
    return 0;
}

int ContinentTableIndex(const QString &code) {
    // The table's first entry is the empty text, so an absent code and an
    // empty one both give 0, exactly as the continent codes do.
    return ContinentIndex(code);
}
