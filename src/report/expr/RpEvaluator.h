#pragma once

#include "report/expr/RpEvResult.h"

#include <QList>
#include <QString>
#include <memory>

class DataSet;
class TRpEvElement;
class TRpEvEnvironment;
class TRpFiFo;

// The datasets whose fields expressions may name ("FIELD" or "DATASET.FIELD",
// the dataset by its objectName).
using TRpDataSetList = QList<DataSet *>;

// A data-set list given from outside (not owned), or an own one made on first use.
class TRpDataSetSlot {
public:
    TRpDataSetList &List();
    void Set(TRpDataSetList *list);
    bool HasAny() const { return list_ != nullptr && !list_->isEmpty(); }

private:
    TRpDataSetList *list_ = nullptr;
    std::unique_ptr<TRpDataSetList> own_;
};

// Prepares an expression once into a queue of elements and evaluates it as
// often as needed (once per record, say); aggregate functions accumulate
// across DoAggregate calls until Reset.
class TRpEvaluator {
public:
    TRpEvaluator();
    ~TRpEvaluator();
    TRpEvaluator(const TRpEvaluator &) = delete;
    TRpEvaluator &operator=(const TRpEvaluator &) = delete;

    // Parses the text (an empty text reads as a one-blank string). Syntax errors
    // are kept in the queue and surface as error results on evaluation.
    void Prepare(const QString &expression);
    void Unprepare();
    bool Prepared() const { return prepared_; }

    TRpEvResult Value(); // throws ERpError "Evaluator not prepared"
    void Reset();        // restarts the aggregates
    void DoAggregate();  // one accumulation step of every aggregate
    bool IsAggregate() const;
    TRpEvResult Calculate(const QString &expression); // Prepare, Value, Unprepare

    // The datasets: given from outside (not owned), or an own list made on first use.
    TRpDataSetList &DataSets() { return dataSets_.List(); }
    void SetDataSets(TRpDataSetList *list) { dataSets_.Set(list); }
    bool HasDataSets() const { return dataSets_.HasAny(); }

    TRpEvEnvironment *Environment() const { return environment_; }
    void SetEnvironment(TRpEvEnvironment *environment) { environment_ = environment; }

    TRpEvElement *FirstElement() const; // null when not prepared

private:
    bool prepared_ = false;
    std::unique_ptr<TRpFiFo> queue_;
    TRpDataSetSlot dataSets_;
    TRpEvEnvironment *environment_ = nullptr;
};
