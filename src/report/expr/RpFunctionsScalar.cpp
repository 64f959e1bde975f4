#include "report/expr/RpFunctionElements.h"

#include "report/expr/RpMask.h"

#include <QDateTime>
#include <cmath>

namespace {

TRpEvResult Wrong(const char *name)
{
    return TRpEvResult::Error(QStringLiteral("Wrong arguments for %1").arg(QLatin1String(name)));
}

TRpEvResult TooMany()
{
    return TRpEvResult::Error(QStringLiteral("Too many arguments"));
}

TRpEvResult Overflow()
{
    return TRpEvResult::Error(QStringLiteral("Integer overflow"));
}

// A float that fits a 32-bit integer (NaN does not).
bool FitsInteger(double v)
{
    return v >= -2147483648.0 && v <= 2147483647.0;
}

class FuncIf : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 3 || Params[0].Kind != rpvBoolean)
            return Wrong("IF");
        return Params[0].BooleanValue ? Params[1] : Params[2];
    }
};

class FuncStr : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 1 || Params[0].Kind == rpvString || Params[0].IsError())
            return TRpEvResult::Error(QStringLiteral("Conversion error"));
        return TRpEvResult::String(ResultToText(Params[0]));
    }
};

// UPPER, LOWER and PRETTY: one string argument; an error argument is passed on.
class TextFunction : public TRpEvElementFunction {
protected:
    virtual const char *Name() const = 0;
    virtual QString Convert(const QString &text) const = 0;

private:
    TRpEvResult Calculate() override
    {
        if (Params.size() != 1)
            return TRpEvResult::Error(QStringLiteral("Missing argument for %1").arg(QLatin1String(Name())));
        if (Params[0].IsError())
            return Params[0];
        if (Params[0].Kind != rpvString)
            return Wrong(Name());
        return TRpEvResult::String(Convert(Params[0].StringValue));
    }
};

class FuncUpper : public TextFunction {
    const char *Name() const override { return "UPPER"; }
    QString Convert(const QString &text) const override { return text.toUpper(); }
};

class FuncLower : public TextFunction {
    const char *Name() const override { return "LOWER"; }
    QString Convert(const QString &text) const override { return text.toLower(); }
};

class FuncPretty : public TextFunction {
    const char *Name() const override { return "PRETTY"; }
    QString Convert(const QString &text) const override
    {
        return text.left(1).toUpper() + text.mid(1).toLower();
    }
};

class FuncTime : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        return Params.empty() ? TRpEvResult::String(LocaleTimeText(QTime::currentTime())) : TooMany();
    }
};

class FuncDate : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        return Params.empty() ? TRpEvResult::String(LocaleDateText(QDate::currentDate())) : TooMany();
    }
};

class FuncCopy : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 3 || Params[0].Kind != rpvString || Params[1].Kind != rpvInteger ||
            Params[2].Kind != rpvInteger)
            return Wrong("COPY");
        const QString &s = Params[0].StringValue;
        const qint64 start = qMax<qint64>(Params[1].IntValue, 1);
        const qint64 length = qMax<qint64>(Params[2].IntValue, 0);
        if (start > s.size())
            return TRpEvResult::String(QString());
        return TRpEvResult::String(s.mid(start - 1, qMin<qint64>(length, s.size() - start + 1)));
    }
};

class FuncBoolean : public TRpEvElementFunction {
public:
    explicit FuncBoolean(bool value) : value_(value) {}

private:
    TRpEvResult Calculate() override { return Params.empty() ? TRpEvResult::Boolean(value_) : TooMany(); }
    bool value_;
};

class FuncInt : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 1 || !Params[0].IsNumeric())
            return Wrong("INT");
        if (Params[0].Kind == rpvInteger)
            return Params[0];
        const double t = std::trunc(Params[0].FloatValue);
        return FitsInteger(t) ? TRpEvResult::Integer(qint32(t)) : Overflow();
    }
};

class FuncFrac : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 1 || !Params[0].IsNumeric())
            return Wrong("FRAC");
        if (Params[0].Kind == rpvInteger)
            return TRpEvResult::Float(0);
        const double v = Params[0].FloatValue;
        return TRpEvResult::Float(v - std::trunc(v));
    }
};

class FuncSqrt : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 1 || !Params[0].IsNumeric() || Params[0].AsDouble() < 0)
            return TRpEvResult::Error(QStringLiteral("Invalid argument to SQRT function"));
        return TRpEvResult::Float(std::sqrt(Params[0].AsDouble()));
    }
};

class FuncDiv : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 2 || !Params[0].IsNumeric() || !Params[1].IsNumeric())
            return Wrong("DIV");
        // Halves go to the even neighbour (the default rounding mode).
        const double a = std::nearbyint(Params[0].AsDouble());
        const double b = std::nearbyint(Params[1].AsDouble());
        if (!FitsInteger(a) || !FitsInteger(b))
            return Overflow();
        if (b == 0)
            return TRpEvResult::Error(QStringLiteral("Division by Zero"));
        if (a == -2147483648.0 && b == -1)
            return Overflow();
        return TRpEvResult::Integer(qint32(a) / qint32(b));
    }
};

class FuncTypeOf : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 1)
            return Wrong("TypeOf");
        static const char *const names[] = {"INTEGER", "FLOAT", "STRING", "BOOLEAN", "ERROR"};
        return TRpEvResult::String(QLatin1String(names[Params[0].Kind]));
    }
};

class FuncFormatNumeric : public TRpEvElementFunction {
    TRpEvResult Calculate() override
    {
        if (Params.size() != 2 || Params[0].Kind != rpvString || !Params[1].IsNumeric())
            return Wrong("FORMATNUMERIC");
        const std::optional<QString> text = FormatNumberMask(Params[0].StringValue, Params[1].AsDouble());
        if (!text)
            return TRpEvResult::Error(QStringLiteral("Invalid format or value specified"));
        return TRpEvResult::String(*text);
    }
};

template <typename T, typename... Args> std::unique_ptr<TRpEvElementFunction> Make(Args... args)
{
    return std::make_unique<T>(args...);
}

} // namespace

namespace RpFunctionElements {
std::unique_ptr<TRpEvElementFunction> If()
{
    return Make<FuncIf>();
}
std::unique_ptr<TRpEvElementFunction> Str()
{
    return Make<FuncStr>();
}
std::unique_ptr<TRpEvElementFunction> Upper()
{
    return Make<FuncUpper>();
}
std::unique_ptr<TRpEvElementFunction> Lower()
{
    return Make<FuncLower>();
}
std::unique_ptr<TRpEvElementFunction> Pretty()
{
    return Make<FuncPretty>();
}
std::unique_ptr<TRpEvElementFunction> Time()
{
    return Make<FuncTime>();
}
std::unique_ptr<TRpEvElementFunction> Date()
{
    return Make<FuncDate>();
}
std::unique_ptr<TRpEvElementFunction> Copy()
{
    return Make<FuncCopy>();
}
std::unique_ptr<TRpEvElementFunction> TrueValue()
{
    return Make<FuncBoolean>(true);
}
std::unique_ptr<TRpEvElementFunction> FalseValue()
{
    return Make<FuncBoolean>(false);
}
std::unique_ptr<TRpEvElementFunction> Int()
{
    return Make<FuncInt>();
}
std::unique_ptr<TRpEvElementFunction> Frac()
{
    return Make<FuncFrac>();
}
std::unique_ptr<TRpEvElementFunction> Sqrt()
{
    return Make<FuncSqrt>();
}
std::unique_ptr<TRpEvElementFunction> Div()
{
    return Make<FuncDiv>();
}
std::unique_ptr<TRpEvElementFunction> TypeOf()
{
    return Make<FuncTypeOf>();
}
std::unique_ptr<TRpEvElementFunction> FormatNumeric()
{
    return Make<FuncFormatNumeric>();
}
} // namespace RpFunctionElements
