#include "controls/DbNavigator.h"

#include "platform/db/DataSet.h"
#include "platform/gui/Guarded.h"

#include <QHBoxLayout>
#include <QToolButton>

TDBNavigator::TDBNavigator(DataSet *dataSet, QWidget *parent) : QWidget(parent), dataSet_(dataSet)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const std::array<std::pair<const char *, const char *>, 4> faces = {{{"|◀", "Pierwsza pozycja"},
                                                                         {"◀", "Poprzednia pozycja"},
                                                                         {"▶", "Następna pozycja"},
                                                                         {"▶|", "Ostatnia pozycja"}}};
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QToolButton(this);
        buttons_[i]->setText(QString::fromUtf8(faces[i].first));
        buttons_[i]->setToolTip(QString::fromUtf8(faces[i].second));
        buttons_[i]->setMinimumWidth(28);
        row->addWidget(buttons_[i]);
        connect(buttons_[i], &QToolButton::clicked, this,
                [this, i] { Guarded([this, i] { BtnClick(Button(i)); }); });
    }
    connect(dataSet, &DataSet::scrolled, this, &TDBNavigator::Refresh);
    connect(dataSet, &DataSet::dataSetChanged, this, &TDBNavigator::Refresh);
    Refresh();
}

void TDBNavigator::BtnClick(Button b)
{
    if (!dataSet_ || !dataSet_->Active())
        return;
    switch (b) {
    case nbFirst: dataSet_->First(); break;
    case nbPrior: dataSet_->Prior(); break;
    case nbNext: dataSet_->Next(); break;
    case nbLast: dataSet_->Last(); break;
    }
}

void TDBNavigator::Refresh()
{
    const bool open = dataSet_ && dataSet_->Active() && !dataSet_->IsEmpty();
    const int row = open ? dataSet_->CurrentIndex() : -1;
    const bool atFirst = !open || row <= 0;
    const bool atLast = !open || (row >= dataSet_->FetchedCount() - 1 && !dataSet_->CanFetchMore());
    buttons_[nbFirst]->setEnabled(!atFirst);
    buttons_[nbPrior]->setEnabled(!atFirst);
    buttons_[nbNext]->setEnabled(!atLast);
    buttons_[nbLast]->setEnabled(!atLast);
}
