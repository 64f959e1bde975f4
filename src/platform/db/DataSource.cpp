#include "platform/db/DataSource.h"

#include "platform/db/DataSet.h"

DataSource::DataSource(DataSet *dataSet, QObject *parent) : QObject(parent), dataSet_(dataSet) {}

void DataSource::SetDataSet(DataSet *dataSet)
{
    if (dataSet_ == dataSet)
        return;
    dataSet_ = dataSet;
    emit dataSetReplaced(dataSet);
}
