#include "report/expr/RpEvResult.h"

#include "platform/Cp1250.h"
#include "platform/NumFormat.h"
#include "report/RpError.h"

#include <cstring>

TRpEvResult TRpEvResult::Integer(qint32 value)
{
    TRpEvResult r;
    r.Kind = rpvInteger;
    r.IntValue = value;
    return r;
}

TRpEvResult TRpEvResult::Float(double value)
{
    TRpEvResult r;
    r.Kind = rpvFloat;
    r.FloatValue = value;
    return r;
}

TRpEvResult TRpEvResult::String(const QString &value)
{
    TRpEvResult r;
    r.Kind = rpvString;
    r.StringValue = value.left(RpMaxStringLength);
    return r;
}

TRpEvResult TRpEvResult::Boolean(bool value)
{
    TRpEvResult r;
    r.Kind = rpvBoolean;
    r.BooleanValue = value;
    return r;
}

TRpEvResult TRpEvResult::Error(const QString &message)
{
    TRpEvResult r;
    r.Kind = rpvError;
    r.StringValue = message.left(RpMaxStringLength);
    return r;
}

QString ResultToText(const TRpEvResult &result)
{
    switch (result.Kind) {
    case rpvInteger: return QString::number(result.IntValue);
    case rpvFloat: return FloatToStr(result.FloatValue);
    case rpvString: return result.StringValue;
    case rpvBoolean: return result.BooleanValue ? QStringLiteral("True") : QStringLiteral("False");
    case rpvError: break;
    }
    throw ERpError(QStringLiteral("Error in expression : %1").arg(result.StringValue));
}

int CompareRpStrings(const QString &a, const QString &b)
{
    const QByteArray x = Cp1250::fromUnicode(a);
    const QByteArray y = Cp1250::fromUnicode(b);
    const int n = int(qMin(x.size(), y.size()));
    const int c = n > 0 ? std::memcmp(x.constData(), y.constData(), size_t(n)) : 0;
    if (c != 0)
        return c;
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    // Characters without an 8-bit form all read as '?': keep such strings apart.
    return a.compare(b);
}
