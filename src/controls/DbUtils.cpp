#include "controls/DbUtils.h"

bool LocateThrough(DataSet &dataSet, const QString &keyFields, const QVariant &keyValues,
                   LocateOptions options)
{
    return dataSet.Locate(keyFields, keyValues, options);
}

bool DataSetHasNoRows(const DataSet *dataSet)
{
    return !dataSet || !dataSet->Active() || (dataSet->Bof() && dataSet->Eof());
}
