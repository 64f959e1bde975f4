#pragma once

#include "platform/db/DataSet.h"

// Routines over datasets shared by the controls.

// Leaves edit or insert mode, tries the current record, then searches from the
// first one. Text fields (fixed-width ones too) honour the case-insensitive and
// partial-key options; other fields must equal the key. Without a match the
// cursor stays where it was.
bool LocateThrough(DataSet &dataSet, const QString &keyFields, const QVariant &keyValues,
                   LocateOptions options);

// True when the dataset is closed or holds no row.
bool DataSetHasNoRows(const DataSet *dataSet);
