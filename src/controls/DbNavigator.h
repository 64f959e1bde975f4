#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

class DataSet;
class QToolButton;

// A record navigator over one dataset: first, prior, next and last. The
// buttons follow the dataset's position; a button with nowhere to go is disabled.
class TDBNavigator : public QWidget {
    Q_OBJECT
public:
    explicit TDBNavigator(DataSet *dataSet, QWidget *parent = nullptr);

    enum Button { nbFirst, nbPrior, nbNext, nbLast };
    QToolButton *ButtonOf(Button b) const { return buttons_[b]; }
    void BtnClick(Button b);
    void Refresh();

private:
    QPointer<DataSet> dataSet_;
    std::array<QToolButton *, 4> buttons_{};
};
