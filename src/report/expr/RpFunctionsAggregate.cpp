#include "report/expr/RpFunctionElements.h"

namespace {

TRpEvResult Wrong(const char *name)
{
    return TRpEvResult::Error(QStringLiteral("Wrong arguments for %1").arg(QLatin1String(name)));
}

// Keeps a stored result across records until Reset.
class AggregateFunction : public TRpEvElementFunction {
public:
    AggregateFunction() { isAggregate_ = true; }
    void Reset() override
    {
        stored_ = TRpEvResult();
        assigned_ = false;
    }

protected:
    TRpEvResult Calculate() override { return assigned_ ? stored_ : TRpEvResult::Integer(0); }

    TRpEvResult stored_;
    bool assigned_ = false;
};

class FuncSum : public AggregateFunction {
public:
    void Aggregate() override { Add("SUM"); }

protected:
    // Integers add up as integers until a float arrives; from then on the
    // total is a float. Booleans and errors are passed over.
    void Add(const char *name)
    {
        if (Params.size() != 1) {
            Store(Wrong(name));
            return;
        }
        const TRpEvResult &v = Params[0];
        if (!assigned_) {
            Store(v.IsNumeric() ? v : Wrong(name));
            return;
        }
        if (stored_.IsError() || v.Kind == rpvBoolean || v.IsError())
            return;
        if (!v.IsNumeric()) {
            stored_ = Wrong(name);
            return;
        }
        qint32 sum = 0;
        if (stored_.Kind == rpvInteger && v.Kind == rpvInteger) {
            stored_ = __builtin_add_overflow(stored_.IntValue, v.IntValue, &sum)
                          ? TRpEvResult::Error(QStringLiteral("Integer overflow"))
                          : TRpEvResult::Integer(sum);
            return;
        }
        stored_ = TRpEvResult::Float(stored_.AsDouble() + v.AsDouble());
    }

    void Store(const TRpEvResult &v)
    {
        stored_ = v;
        assigned_ = true;
    }
};

class FuncAverage : public FuncSum {
public:
    void Reset() override
    {
        FuncSum::Reset();
        average_ = TRpEvResult::Float(0);
        count_ = 0;
    }
    void Aggregate() override
    {
        Add("AVERAGE");
        ++count_;
        average_ = stored_.IsNumeric() ? TRpEvResult::Float(stored_.AsDouble() / double(count_)) : stored_;
    }

private:
    TRpEvResult Calculate() override { return average_; }

    TRpEvResult average_ = TRpEvResult::Float(0);
    qint64 count_ = 0;
};

// MAX and MIN: each value is compared with the stored one as a value of the
// stored kind; numbers numerically, strings byte-wise, false before true.
class FuncExtreme : public AggregateFunction {
public:
    explicit FuncExtreme(bool max) : max_(max) {}
    void Aggregate() override
    {
        if (Params.size() != 1) {
            stored_ = Wrong(max_ ? "MAX" : "MIN");
            assigned_ = true;
            return;
        }
        const TRpEvResult &v = Params[0];
        if (!assigned_) {
            stored_ = v;
            assigned_ = true;
            return;
        }
        const int c = Compare(v);
        if ((max_ && c > 0) || (!max_ && c < 0))
            stored_ = v;
    }

private:
    // Positive when v beats the stored value in MAX's sense, 0 when they tie or
    // cannot be compared.
    int Compare(const TRpEvResult &v) const
    {
        if (v.IsError() || stored_.IsError())
            return 0;
        switch (stored_.Kind) {
        case rpvInteger:
        case rpvFloat:
            if (!v.IsNumeric())
                return 0;
            return v.AsDouble() > stored_.AsDouble() ? 1 : (v.AsDouble() < stored_.AsDouble() ? -1 : 0);
        case rpvString: return CompareRpStrings(ResultToText(v), stored_.StringValue);
        case rpvBoolean: return v.Kind == rpvBoolean ? int(v.BooleanValue) - int(stored_.BooleanValue) : 0;
        default: return 0;
        }
    }

    bool max_;
};

class FuncCount : public TRpEvElementFunction {
public:
    FuncCount() { isAggregate_ = true; }
    void Reset() override { count_ = 0; }
    void Aggregate() override
    {
        if (Params.empty() && count_ < INT32_MAX)
            ++count_;
    }

private:
    TRpEvResult Calculate() override
    {
        if (!Params.empty())
            return TRpEvResult::Error(QStringLiteral("COUNT - Too many arguments"));
        return TRpEvResult::Integer(count_);
    }

    qint32 count_ = 0;
};

} // namespace

namespace RpFunctionElements {
std::unique_ptr<TRpEvElementFunction> Sum()
{
    return std::make_unique<FuncSum>();
}
std::unique_ptr<TRpEvElementFunction> Average()
{
    return std::make_unique<FuncAverage>();
}
std::unique_ptr<TRpEvElementFunction> Max()
{
    return std::make_unique<FuncExtreme>(true);
}
std::unique_ptr<TRpEvElementFunction> Min()
{
    return std::make_unique<FuncExtreme>(false);
}
std::unique_ptr<TRpEvElementFunction> Count()
{
    return std::make_unique<FuncCount>();
}
} // namespace RpFunctionElements
