#include "core/SqlText.h"

QString FlagToTN(bool flag)
{
    return flag ? QStringLiteral("T") : QStringLiteral("N");
}

bool IsFlagT(const QString &text)
{
    return text == QLatin1String("T");
}

QString QuoteSqlText(const QString &text)
{
    QString s = text;
    s.replace(u'\'', QLatin1String("''"));
    return u'\'' + s + u'\'';
}

QString RemoveBlanks(const QString &text)
{
    QString s = text;
    s.remove(u' ');
    return s;
}

QString StripApostrophes(const QString &text)
{
    QString s = text;
    s.remove(u'\'');
    return s;
}
