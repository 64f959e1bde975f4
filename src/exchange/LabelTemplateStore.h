#pragma once

#include "exchange/LabelTemplateChecks.h"

#include <functional>

class DataSet;
class FbStoredProc;
class FbTransaction;
class TDM;

// The editor's values of the current template row of the data module's Etykiety.
TLabelEditorValues ReadLabelTemplate(DataSet &etykiety);

// Writes the values into Etykiety: a new row whose id newId gives, or the
// current row; then posts and commits at once. A duplicate name shows the data
// module's warning, cancels the row and ends in DataSetAbort; any failure
// leaves the table browsing, unchanged.
void SaveLabelTemplate(TDM &dm, const TLabelEditorValues &values, bool inserting,
                       const std::function<int()> &newId);

// Deletes the current template and commits at once.
void DeleteLabelTemplate(TDM &dm);

// A new template id from GETETYKIETAID, run in a transaction of its own.
int RunNewTemplateId(FbTransaction &trNewId, FbStoredProc &getNewId);
