#include "controls/DbNavigator.h"

#include "platform/Messages.h"
#include "platform/db/DataSet.h"
#include "platform/gui/Guarded.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHBoxLayout>
#include <QToolButton>

namespace {

struct ButtonText {
    const char *caption;
    const char *hint;
};

const ButtonText Texts[TDBNavigator::ButtonCount] = {{"|◀", "Pierwsza pozycja"}, {"◀", "Poprzednia pozycja"},
                                                     {"▶", "Następna pozycja"},  {"▶|", "Ostatnia pozycja"},
                                                     {"+", "Wstaw pozycję"},     {"−", "Usuń pozycję"},
                                                     {"✎", "Popraw pozycję"},    {"✓", "Zapisz zmiany"},
                                                     {"✗", "Anuluj zmiany"},     {"↻", "Odśwież dane"}};

}

TDBNavigator::TDBNavigator(QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *b = new QToolButton(this);
        b->setText(QString::fromUtf8(Texts[i].caption));
        b->setToolTip(QString::fromUtf8(Texts[i].hint));
        b->setMinimumWidth(28);
        connect(b, &QToolButton::clicked, this, [this, i] { BtnClick(Button(i)); });
        row->addWidget(b);
        buttons_[i] = b;
    }
    row->addStretch(1);
    RefreshButtons();
}

void TDBNavigator::SetDataSet(DataSet *ds)
{
    if (ds_)
        disconnect(ds_, nullptr, this, nullptr);
    ds_ = ds;
    if (ds) {
        for (auto signal : {&DataSet::dataSetChanged, &DataSet::stateChanged})
            connect(ds, signal, this, &TDBNavigator::RefreshButtons);
        connect(ds, &DataSet::scrolled, this, &TDBNavigator::RefreshButtons);
        connect(ds, &DataSet::rowInserted, this, &TDBNavigator::RefreshButtons);
        connect(ds, &DataSet::rowRemoved, this, &TDBNavigator::RefreshButtons);
    }
    RefreshButtons();
}

void TDBNavigator::ShowOnly(std::initializer_list<Button> shown)
{
    for (QToolButton *b : buttons_)
        b->setVisible(false);
    for (Button b : shown)
        buttons_[b]->setVisible(true);
}

void TDBNavigator::RefreshButtons()
{
    const bool active = ds_ && ds_->Active();
    const bool browsing = active && ds_->State() == DataSetState::Browse;
    const bool editing = active && !browsing;
    const bool any = active && !ds_->IsEmpty();
    const bool modifiable = browsing && ds_->CanModify();
    const int row = active ? ds_->CurrentIndex() : -1;
    const bool atFirst = !any || row <= 0;
    const bool atLast = !any || (row >= ds_->FetchedCount() - 1 && !ds_->CanFetchMore());
    buttons_[nbFirst]->setEnabled(browsing && !atFirst);
    buttons_[nbPrior]->setEnabled(browsing && !atFirst);
    buttons_[nbNext]->setEnabled(browsing && !atLast);
    buttons_[nbLast]->setEnabled(browsing && !atLast);
    buttons_[nbInsert]->setEnabled(modifiable);
    buttons_[nbDelete]->setEnabled(modifiable && any);
    buttons_[nbEdit]->setEnabled(modifiable && any);
    buttons_[nbPost]->setEnabled(editing);
    buttons_[nbCancel]->setEnabled(editing);
    buttons_[nbRefresh]->setEnabled(browsing);
}

void TDBNavigator::CloseCellEditor()
{
    // An open cell editor hands its text to the dataset first, as leaving the
    // cell would; the grid keeps the focus, so typing goes on in it.
    QWidget *focus = QApplication::focusWidget();
    QWidget *viewport = focus ? focus->parentWidget() : nullptr;
    auto *view = viewport ? qobject_cast<QAbstractItemView *>(viewport->parentWidget()) : nullptr;
    if (!view || view->viewport() != viewport)
        return;
    focus->clearFocus();
    view->setFocus();
}

void TDBNavigator::BtnClick(Button b)
{
    if (!ds_ || !ds_->Active())
        return;
    CloseCellEditor();
    Guarded([&] {
        switch (b) {
        case nbFirst: ds_->First(); break;
        case nbPrior: ds_->Prior(); break;
        case nbNext: ds_->Next(); break;
        case nbLast: ds_->Last(); break;
        case nbInsert: ds_->Insert(); break;
        case nbDelete:
            if (Messages::AskConfirm(QStringLiteral("Czy usunąć bieżącą pozycję?")))
                ds_->Delete();
            break;
        case nbEdit: ds_->Edit(); break;
        case nbPost: ds_->Post(); break;
        case nbCancel: ds_->Cancel(); break;
        case nbRefresh:
            ds_->Close();
            ds_->Open();
            break;
        }
    });
    RefreshButtons();
}
