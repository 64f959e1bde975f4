#include "controls/RunDialog.h"

#include "platform/gui/Guarded.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

TJobDialog::TJobDialog(QWidget *parent) : QDialog(parent) {}

void TJobDialog::reject()
{
    if (!running_)
        QDialog::reject();
}

void TJobDialog::closeEvent(QCloseEvent *e)
{
    if (running_)
        e->ignore();
    else
        QDialog::closeEvent(e);
}

TRunDialog::TRunDialog(QWidget *parent) : TJobDialog(parent) {}

void TRunDialog::SetRunButtons(QPushButton *run, QPushButton *cancel, const QString &runCaption)
{
    runBtn_ = run;
    cancelBtn_ = cancel;
    runCaption_ = runCaption;
    connect(run, &QPushButton::clicked, this, &TRunDialog::RunBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TRunDialog::reject);
}

QHBoxLayout *TRunDialog::CreateRunButtons(const QString &runCaption, QPushButton *&run, QPushButton *&cancel)
{
    run = new QPushButton(runCaption, this);
    run->setDefault(true);
    cancel = new QPushButton(QStringLiteral("&Anuluj"), this);
    SetRunButtons(run, cancel, runCaption);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(run);
    row->addWidget(cancel);
    return row;
}

// Reset when shown, not on every activation: a warning box closing activates
// the window again and must not take the "&Zamknij" state away.
void TRunDialog::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormActivate();
}

void TRunDialog::FormActivate()
{
    if (runBtn_)
        runBtn_->setText(runCaption_);
    if (cancelBtn_)
        cancelBtn_->setVisible(true);
}

void TRunDialog::RunBtnClick()
{
    if (Running())
        return;
    if (cancelBtn_ && !cancelBtn_->isVisible()) {
        accept();
        return;
    }
    // Each job reports its own failures; this catches what one lets through.
    Guarded([this] { Run(); });
}

void TRunDialog::Finished()
{
    if (runBtn_)
        runBtn_->setText(QStringLiteral("&Zamknij"));
    if (cancelBtn_)
        cancelBtn_->setVisible(false);
}
