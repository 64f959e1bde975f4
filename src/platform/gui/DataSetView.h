#pragma once

class DataSetModel;
class QAbstractItemView;

// Shows the model in the view and keeps the view's current row and the
// dataset's cursor together.
void AttachView(DataSetModel &model, QAbstractItemView &view);
