#include "report/layout/RpExpr.h"

#include "report/expr/RpMask.h"
#include "report/layout/RpController.h"
#include "report/layout/RpReport.h"

TRpExpr::TRpExpr()
{
    SetExpression(QString());
}

void TRpExpr::SetExpression(const QString &expression)
{
    expression_ = expression;
    SetCaptionText(expression.isEmpty() ? QStringLiteral("(none)") : expression);
}

QString TRpExpr::ValueText()
{
    if (expression_.isEmpty())
        return QString();
    const TRpEvResult value = evaluator_.Value();
    switch (value.Kind) {
    case rpvInteger: return FormatNumberMask(Mask, value.IntValue).value_or(QString());
    case rpvFloat: {
        const std::optional<QString> text = Mask.contains(QStringLiteral("%m"))
                                                ? FormatValueMask(Mask, value.FloatValue)
                                                : FormatNumberMask(Mask, value.FloatValue);
        return text.value_or(QStringLiteral("Invalid format or value specified"));
    }
    case rpvBoolean: return value.BooleanValue ? QStringLiteral("True") : QStringLiteral("False");
    default: return value.StringValue;
    }
}

void TRpExpr::Prepare()
{
    TRpCustomLabel::Prepare();
    TCustomReport *report = ParentReport();
    if (report != nullptr) {
        evaluator_.SetDataSets(&report->DataSetList);
        evaluator_.SetEnvironment(&report->Functions);
    }
    evaluator_.Prepare(expression_);
    TRpCustomController *master = Master;
    if (master == nullptr && report != nullptr && evaluator_.IsAggregate())
        master = &report->Controller();
    if (master != nullptr)
        master->NotifyList.push_back([this] { RecordNotify(); });
    evaluator_.Reset();
}

void TRpExpr::Print(int offsetX, int offsetY)
{
    if (!ShouldDraw())
        return;
    if (PrintProgress() == 0)
        SetCaptionText(ValueText());
    TRpCustomLabel::Print(offsetX, offsetY);
    if (ResetAfterPrint && PrintFinished)
        evaluator_.Reset();
}

void TRpExpr::Unprepare()
{
    evaluator_.Unprepare();
    evaluator_.Reset();
    TRpCustomLabel::Unprepare();
    SetExpression(expression_);
}
