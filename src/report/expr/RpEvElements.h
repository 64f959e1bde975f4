#pragma once

#include "report/expr/RpEvResult.h"

#include <QPointer>
#include <memory>
#include <vector>

class DataSet;
class TRpFiFo;
class TRpEvEmbeddedFunction;

// One element of a prepared expression. The queue holds the elements in prefix
// order; an element computes its value by taking its operands from the queue.
class TRpEvElement {
public:
    virtual ~TRpEvElement() = default;
    virtual TRpEvResult Value(TRpFiFo &queue);
    virtual void Reset() {}
    bool IsAggregate() const { return isAggregate_; }

protected:
    bool isAggregate_ = false;
};

// Operator codes, loosest level first.
enum TRpEvOperator : quint8 {
    rpopLess = 0,
    rpopLessEqual = 1,
    rpopGreater = 2,
    rpopGreaterEqual = 3,
    rpopEqual = 4,
    rpopNotEqual = 5,
    rpopAdd = 6,
    rpopSubtract = 7,
    rpopOr = 8,
    rpopMultiply = 9,
    rpopDivide = 10,
    rpopAnd = 11
};

// A binary operator: left operand, then right operand follow it in the queue.
class TRpEvElementOperator : public TRpEvElement {
public:
    explicit TRpEvElementOperator(TRpEvOperator code) : code_(code) {}
    TRpEvResult Value(TRpFiFo &queue) override;
    TRpEvOperator Code() const { return code_; }

private:
    TRpEvOperator code_;
};

// Applies an operator to two values (kinds aligned first, errors passed on).
TRpEvResult ApplyRpOperator(TRpEvOperator code, TRpEvResult left, TRpEvResult right);

// Negation of the boolean value that follows it.
class TRpEvElementNot : public TRpEvElement {
public:
    TRpEvResult Value(TRpFiFo &queue) override;
};

// A number literal or an environment constant.
class TRpEvElementConstant : public TRpEvElement {
public:
    explicit TRpEvElementConstant(const TRpEvResult &value) : value_(value) {}
    TRpEvResult Value(TRpFiFo &) override { return value_; }
    void SetResult(const TRpEvResult &value) { value_ = value; }

private:
    TRpEvResult value_;
};

// A string literal.
class TRpEvElementString : public TRpEvElement {
public:
    explicit TRpEvElementString(const QString &text) : text_(text) {}
    TRpEvResult Value(TRpFiFo &) override { return TRpEvResult::String(text_); }
    void SetText(const QString &text) { text_ = text; }
    const QString &Text() const { return text_; }

private:
    QString text_;
};

// A syntax or lookup error found while preparing; it surfaces on evaluation.
class TRpEvElementError : public TRpEvElement {
public:
    explicit TRpEvElementError(const QString &message) : message_(message) {}
    TRpEvResult Value(TRpFiFo &) override { return TRpEvResult::Error(message_); }
    const QString &Message() const { return message_; }

private:
    QString message_;
};

// Ends the arguments of a function call.
class TRpEvElementArgumentEnd : public TRpEvElement {};

// A built-in function: its arguments follow it in the queue, up to an argument
// end. Aggregates accumulate in Aggregate when the queue is in aggregate mode.
class TRpEvElementFunction : public TRpEvElement {
public:
    TRpEvResult Value(TRpFiFo &queue) override;
    virtual void Aggregate() {}
    virtual TRpEvResult Calculate();

protected:
    std::vector<TRpEvResult> Params; // the collected arguments, from index 0
};

// A field of a dataset, looked up again at each evaluation so that a dataset
// reopened with other fields never leaves a stale field behind.
class TRpEvElementDataField : public TRpEvElement {
public:
    TRpEvElementDataField(DataSet *dataSet, const QString &fieldName);
    TRpEvResult Value(TRpFiFo &) override;

private:
    QPointer<DataSet> dataSet_;
    QString fieldName_;
};

// Forwards to a variable of an environment. The variable may be deleted while
// this element lives; it then reads as unknown.
class TRpEvElementWrapper : public TRpEvElement {
public:
    TRpEvElementWrapper(std::weak_ptr<TRpEvEmbeddedFunction> entry, const QString &name)
        : entry_(std::move(entry)), name_(name)
    {
    }
    TRpEvResult Value(TRpFiFo &) override;
    void Reset() override;

private:
    std::weak_ptr<TRpEvEmbeddedFunction> entry_;
    QString name_;
};

// The queue of a prepared expression; owns its elements.
class TRpFiFo {
public:
    void Put(std::unique_ptr<TRpEvElement> element) { elements_.push_back(std::move(element)); }
    TRpEvElement *Get() { return pos_ < elements_.size() ? elements_[pos_++].get() : nullptr; }
    void Start() { pos_ = 0; }
    const std::vector<std::unique_ptr<TRpEvElement>> &Elements() const { return elements_; }
    bool Aggregate = false;

private:
    std::vector<std::unique_ptr<TRpEvElement>> elements_;
    size_t pos_ = 0;
};

// Takes the next element and gives its value; an error when the queue ended.
TRpEvResult NextRpValue(TRpFiFo &queue);
