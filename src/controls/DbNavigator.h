#pragma once

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <initializer_list>

class QToolButton;

// The record navigator of a dataset: first, prior, next, last, insert,
// delete (after a confirmation), edit, post, cancel and refresh. Buttons are
// enabled as the dataset's state and position allow; a failed action shows
// its message in a warning box and leaves the dataset as it was.
class TDBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
    static constexpr int ButtonCount = 10;

    explicit TDBNavigator(QWidget *parent = nullptr);

    void SetDataSet(DataSet *ds);
    // Shows these buttons only (a browsing window needs the four moves).
    void ShowOnly(std::initializer_list<Button> shown);
    DataSet *dataSet() const { return ds_; }
    QToolButton *ButtonAt(Button b) const { return buttons_[b]; }
    void BtnClick(Button b);
    void RefreshButtons();

private:
    void CloseCellEditor();

    std::array<QToolButton *, ButtonCount> buttons_{};
    QPointer<DataSet> ds_;
};
