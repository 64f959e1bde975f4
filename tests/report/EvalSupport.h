#pragma once

#include "platform/db/DataSet.h"
#include "report/expr/RpEvaluator.h"

#include <QString>
#include <ostream>
#include <vector>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// "kind:value" of a result, so that a table of cases can name both at once:
// "int:7", "float:3.5", "string:abc", "bool:true", "error:Cannot divide by 0".
QString ShowResult(const TRpEvResult &result);
// Prepares, evaluates and unprepares the text with a fresh evaluator.
QString Evaluate(const QString &text);

// Each value becomes the variable V in turn, with one aggregation step each;
// the expression's value afterwards.
QString AggregateOver(const QString &expression, const std::vector<TRpEvResult> &values);

struct EvalCase {
    const char *expression;
    const char *expected;
};

// Rows kept in memory only: the fields declared before Open.
class MemoryRows : public DataSet {
protected:
    void InternalOpen() override { BindDeclaredFields(); }
};
