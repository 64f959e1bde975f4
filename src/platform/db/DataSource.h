#pragma once

#include "platform/db/DataSet.h"

#include <QObject>
#include <QPointer>

// Links a dataset to the views that show it; a view follows whichever dataset
// the source holds at the moment.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(DataSet *dataSet = nullptr, QObject *parent = nullptr);
    DataSet *dataSet() const { return dataSet_; }
    void SetDataSet(DataSet *dataSet);

signals:
    void dataSetReplaced(DataSet *dataSet);

private:
    QPointer<DataSet> dataSet_;
};
