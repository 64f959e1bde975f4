#include "awards/StatRules.h"

#include "core/Pasmo.h"
#include "core/SqlText.h"

#include <QStringList>

QString PasmoIn(std::span<const int> bands)
{
    QStringList quoted;
    for (int band : bands)
        quoted << QuoteSqlText(TPasmo::BandNameOf(band));
    return QStringLiteral("Pasmo IN(") + quoted.join(u',') + u')';
}

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

QString SymbolKey(const QString &text)
{
    return text.trimmed();
}

QString LokatorSquare(const QString &lokator)
{
    const QString t = lokator.trimmed();
    return t.size() < 4 ? QString() : t.left(4);
}

QString FoldedKey(const QString &key, Qt::CaseSensitivity cs)
{
    return cs == Qt::CaseSensitive ? key : key.toCaseFolded();
}

bool TQsoKeyRule::Matches(const QString &text, const QString &key) const
{
    const QString own = Of(text);
    return !own.isEmpty() && FoldedKey(own, Case) == FoldedKey(key, Case);
}
