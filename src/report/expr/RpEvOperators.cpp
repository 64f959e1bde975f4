#include "report/expr/RpEvElements.h"

namespace {

const char *const OperatorNames[] = {"<", "<=", ">", ">=", "=", "<>", "+", "-", "OR", "*", "/", "AND"};

QString KindWord(TRpEvKind kind)
{
    switch (kind) {
    case rpvBoolean: return QStringLiteral("boolean");
    case rpvString: return QStringLiteral("string");
    default: return QStringLiteral("numeric");
    }
}

TRpEvResult NotCompatible(TRpEvOperator code, TRpEvKind kind)
{
    return TRpEvResult::Error(QStringLiteral("Operator %1 is not compatible with %2 expressions")
                                  .arg(QLatin1String(OperatorNames[code]), KindWord(kind)));
}

TRpEvResult Cannot(TRpEvOperator code, TRpEvKind kind)
{
    const char *verb = code == rpopAdd        ? "add"
                       : code == rpopSubtract ? "subtract"
                       : code == rpopMultiply ? "multiply"
                                              : "divide";
    return TRpEvResult::Error(
        QStringLiteral("Cannot %1 %2 expressions").arg(QLatin1String(verb), KindWord(kind)));
}

TRpEvResult Overflow()
{
    return TRpEvResult::Error(QStringLiteral("Integer overflow"));
}

bool Compare(TRpEvOperator code, int c)
{
    switch (code) {
    case rpopLess: return c < 0;
    case rpopLessEqual: return c <= 0;
    case rpopGreater: return c > 0;
    case rpopGreaterEqual: return c >= 0;
    case rpopEqual: return c == 0;
    default: return c != 0;
    }
}

template <typename T> int Order(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : (a == b ? 0 : 2)); // 2: unordered (NaN), never equal
}

bool IsComparison(TRpEvOperator code)
{
    return code <= rpopNotEqual;
}

TRpEvResult Integers(TRpEvOperator code, qint32 a, qint32 b)
{
    if (IsComparison(code))
        return TRpEvResult::Boolean(Compare(code, Order(a, b)));
    qint32 r = 0;
    switch (code) {
    case rpopAdd: return __builtin_add_overflow(a, b, &r) ? Overflow() : TRpEvResult::Integer(r);
    case rpopSubtract: return __builtin_sub_overflow(a, b, &r) ? Overflow() : TRpEvResult::Integer(r);
    case rpopMultiply: return __builtin_mul_overflow(a, b, &r) ? Overflow() : TRpEvResult::Integer(r);
    case rpopOr: return TRpEvResult::Integer(a | b);
    case rpopAnd: return TRpEvResult::Integer(a & b);
    default:
        if (b == 0)
            return TRpEvResult::Error(QStringLiteral("Cannot divide by 0"));
        return TRpEvResult::Float(double(a) / double(b));
    }
}

TRpEvResult Floats(TRpEvOperator code, double a, double b)
{
    if (IsComparison(code)) {
        const int c = Order(a, b);
        return TRpEvResult::Boolean(c == 2 ? code == rpopNotEqual : Compare(code, c));
    }
    switch (code) {
    case rpopAdd: return TRpEvResult::Float(a + b);
    case rpopSubtract: return TRpEvResult::Float(a - b);
    case rpopMultiply: return TRpEvResult::Float(a * b);
    case rpopOr:
    case rpopAnd: return NotCompatible(code, rpvFloat);
    default:
        if (b == 0)
            return TRpEvResult::Error(QStringLiteral("Cannot divide by 0"));
        return TRpEvResult::Float(a / b);
    }
}

TRpEvResult Strings(TRpEvOperator code, const QString &a, const QString &b)
{
    if (code == rpopEqual || code == rpopNotEqual)
        return TRpEvResult::Boolean((a == b) == (code == rpopEqual));
    if (IsComparison(code))
        return TRpEvResult::Boolean(Compare(code, CompareRpStrings(a, b)));
    if (code == rpopAdd)
        return TRpEvResult::String(a.left(RpMaxStringLength) + b.left(RpMaxStringLength));
    if (code == rpopOr || code == rpopAnd)
        return NotCompatible(code, rpvString);
    return Cannot(code, rpvString);
}

TRpEvResult Booleans(TRpEvOperator code, bool a, bool b)
{
    switch (code) {
    case rpopEqual: return TRpEvResult::Boolean(a == b);
    case rpopNotEqual: return TRpEvResult::Boolean(a != b);
    case rpopOr: return TRpEvResult::Boolean(a || b);
    case rpopAnd: return TRpEvResult::Boolean(a && b);
    default: return IsComparison(code) ? NotCompatible(code, rpvBoolean) : Cannot(code, rpvBoolean);
    }
}

} // namespace

TRpEvResult ApplyRpOperator(TRpEvOperator code, TRpEvResult left, TRpEvResult right)
{
    if (left.IsError())
        return left;
    if (right.IsError())
        return right;
    if (left.Kind != right.Kind) {
        if (left.IsNumeric() && right.IsNumeric()) {
            left = TRpEvResult::Float(left.AsDouble());
            right = TRpEvResult::Float(right.AsDouble());
        } else {
            left = TRpEvResult::String(ResultToText(left));
            right = TRpEvResult::String(ResultToText(right));
        }
    }
    switch (left.Kind) {
    case rpvInteger: return Integers(code, left.IntValue, right.IntValue);
    case rpvFloat: return Floats(code, left.FloatValue, right.FloatValue);
    case rpvString: return Strings(code, left.StringValue, right.StringValue);
    default: return Booleans(code, left.BooleanValue, right.BooleanValue);
    }
}
