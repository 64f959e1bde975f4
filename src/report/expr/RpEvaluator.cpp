#include "report/expr/RpEvaluator.h"

#include "report/RpError.h"
#include "report/expr/RpEvElements.h"
#include "report/expr/RpEvEnvironment.h"
#include "report/expr/RpEvParser.h"

TRpEvaluator::TRpEvaluator() = default;

TRpEvaluator::~TRpEvaluator()
{
    Unprepare();
}

void TRpEvaluator::Prepare(const QString &expression)
{
    if (prepared_)
        Unprepare();
    GlobalEnvironment().PrepareEnvironment();
    queue_ = std::make_unique<TRpFiFo>();
    ParseRpExpression(expression.isEmpty() ? QStringLiteral("' '") : expression, *queue_, *this);
    prepared_ = true;
}

void TRpEvaluator::Unprepare()
{
    if (!prepared_)
        return;
    queue_.reset();
    prepared_ = false;
    GlobalEnvironment().UnprepareEnvironment();
}

TRpEvResult TRpEvaluator::Value()
{
    if (!prepared_)
        throw ERpError(QStringLiteral("Evaluator not prepared"));
    queue_->Start();
    return NextRpValue(*queue_);
}

void TRpEvaluator::Reset()
{
    if (queue_)
        for (const auto &e : queue_->Elements())
            e->Reset();
}

void TRpEvaluator::DoAggregate()
{
    if (!prepared_)
        throw ERpError(QStringLiteral("Evaluator not prepared"));
    queue_->Aggregate = true;
    struct Clear {
        TRpFiFo &q;
        ~Clear() { q.Aggregate = false; }
    } clear{*queue_};
    Value();
}

bool TRpEvaluator::IsAggregate() const
{
    if (queue_)
        for (const auto &e : queue_->Elements())
            if (e->IsAggregate())
                return true;
    return false;
}

TRpEvResult TRpEvaluator::Calculate(const QString &expression)
{
    Prepare(expression);
    struct Done {
        TRpEvaluator &ev;
        ~Done() { ev.Unprepare(); }
    } done{*this};
    return Value();
}

TRpDataSetList &TRpDataSetSlot::List()
{
    if (list_ == nullptr) {
        own_ = std::make_unique<TRpDataSetList>();
        list_ = own_.get();
    }
    return *list_;
}

void TRpDataSetSlot::Set(TRpDataSetList *list)
{
    if (list == list_)
        return;
    list_ = list;
    if (list != own_.get())
        own_.reset();
}

TRpEvElement *TRpEvaluator::FirstElement() const
{
    return queue_ && !queue_->Elements().empty() ? queue_->Elements().front().get() : nullptr;
}
