#include "core/DisplayText.h"

#include "platform/db/Field.h"

#include <cmath>

QString ZoneNumberText(uint8_t zone)
{
    return zone == 0 ? QString() : QString::number(zone);
}

QChar CheckMarkForFlag(const QString &text)
{
    return text.trimmed().toUpper() == QLatin1String("T") ? QChar(0x2713) : QChar(u' ');
}

void FlagFieldText(Field &field, QString &text, bool)
{
    text = QString(CheckMarkForFlag(field.AsString()));
}

QString DegreesToDmsText(long double degrees)
{
    const long double d = std::trunc(degrees);
    const long double m = std::trunc((degrees - d) * 60);
    const long double s = std::trunc((degrees - d - m / 60) * 3600);
    return QString::number(qint64(d)) + u'\u00B0' + u' ' + QString::number(qint64(m)) + u'\'' + u' ' +
           QString::number(qint64(s)) + u'"';
}
