#pragma once

#include "report/expr/RpEvaluator.h"
#include "report/layout/RpLabel.h"

class TRpCustomController;

// A label whose text is the value of an expression, evaluated when it prints;
// aggregate functions in it accumulate over the records of its master.
class TRpExpr : public TRpCustomLabel {
public:
    TRpExpr();

    const QString &Expression() const { return expression_; }
    void SetExpression(const QString &expression); // design caption: the expression, or "(none)"
    QString Mask;
    // The record loop whose records feed the aggregates (a report's or a
    // sub-detail's controller). Without one, an aggregate expression follows
    // the parent report's record loop.
    TRpCustomController *Master = nullptr;
    bool ResetAfterPrint = false;

    TRpEvaluator &Evaluator() { return evaluator_; }
    // The caption for the current value of the expression.
    QString ValueText();
    // One record of the master: the aggregates accumulate.
    void RecordNotify() { evaluator_.DoAggregate(); }

    QString EditorClass() const override { return QStringLiteral("TRpExprEditor"); }

    void Prepare() override;
    void Print(int offsetX, int offsetY) override;
    void Unprepare() override;

private:
    QString expression_;
    TRpEvaluator evaluator_;
};
