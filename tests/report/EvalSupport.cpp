#include "EvalSupport.h"

#include "report/expr/RpEvEnvironment.h"

QString ShowResult(const TRpEvResult &r)
{
    static const char *const kinds[] = {"int", "float", "string", "bool", "error"};
    QString v;
    switch (r.Kind) {
    case rpvInteger: v = QString::number(r.IntValue); break;
    case rpvFloat: v = QString::number(r.FloatValue, 'g', 15); break;
    case rpvBoolean: v = r.BooleanValue ? QStringLiteral("true") : QStringLiteral("false"); break;
    default: v = r.StringValue;
    }
    return QString::fromLatin1(kinds[r.Kind]) + u':' + v;
}

QString Evaluate(const QString &text)
{
    TRpEvaluator ev;
    return ShowResult(ev.Calculate(text));
}

QString AggregateOver(const QString &expression, const std::vector<TRpEvResult> &values)
{
    TRpEvEnvironment env;
    env.AddFunction(QStringLiteral("V"), QStringLiteral("0"));
    env.PrepareEnvironment();
    TRpEvaluator ev;
    ev.SetEnvironment(&env);
    ev.Prepare(expression);
    ev.Reset();
    for (const TRpEvResult &v : values) {
        SetConstant(GetConstant(env, QStringLiteral("V")), v);
        ev.DoAggregate();
    }
    const QString shown = ShowResult(ev.Value());
    ev.Unprepare();
    env.UnprepareEnvironment();
    return shown;
}
