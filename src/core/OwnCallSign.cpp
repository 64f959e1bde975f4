#include "core/OwnCallSign.h"

#include "core/Settings.h"
#include "platform/Registry.h"

namespace {

const QString ValueName = QStringLiteral("OwnCallSign");

bool CallSignChar(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('/');
}

}

QString NormalizedCallSign(const QString &text)
{
    return text.trimmed().toUpper();
}

QString OwnCallSignProblem(const QString &text)
{
    const QString call = NormalizedCallSign(text);
    if (call.isEmpty())
        return QStringLiteral("Podaj znak stacji.");
    if (call.size() < OwnCallSignMinLength || call.size() > OwnCallSignMaxLength)
        return QStringLiteral("Znak stacji musi mieć od 3 do 14 znaków.");
    for (QChar c : call)
        if (!CallSignChar(c))
            return QStringLiteral("Znak stacji może zawierać tylko litery A-Z, cyfry i znak \"/\".");
    return QString();
}

void LoadOwnCallSign()
{
    Registry reg;
    QString stored;
    if (reg.OpenKey(ProgramKey(), false))
        stored = NormalizedCallSign(reg.ReadString(ValueName));
    OwnCallSign = OwnCallSignProblem(stored).isEmpty() ? stored : QString();
}

void StoreOwnCallSign(const QString &call)
{
    const QString normalized = NormalizedCallSign(call);
    Registry reg;
    reg.OpenKey(ProgramKey(), true);
    reg.WriteString(ValueName, normalized);
    reg.CloseKey();
    OwnCallSign = normalized;
}
