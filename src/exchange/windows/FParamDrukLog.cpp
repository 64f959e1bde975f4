#include "exchange/windows/FParamDrukLog.h"

#include "controls/DateTimeEdit.h"
#include "core/FWindow.h"
#include "exchange/windows/PeriodRangeBox.h"
#include "platform/Messages.h"
#include "platform/Registry.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

TParamDrukLog::TParamDrukLog(TWindow &placement, QWidget *parent) : QDialog(parent), placement_(placement)
{
    setObjectName(QStringLiteral("ParamDrukLog"));
    setWindowTitle(QStringLiteral("Wydruk łączności"));
    Range = new PeriodRangeBox(QStringLiteral("Zakres danych do wydruku "), this);
    EdOkres = Range->EdOkres;
    EdOdDnia = Range->EdOdDnia;
    EdDoDnia = Range->EdDoDnia;
    PostBtn = new QPushButton(QStringLiteral("&OK"), this);
    PostBtn->setObjectName(QStringLiteral("PostBtn"));
    PostBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PostBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Range);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(PostBtn, &QPushButton::clicked, this, &TParamDrukLog::PostBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(EdOkres, EdOdDnia);
    FormCreate();
}

TParamDrukLog::~TParamDrukLog()
{
    FormDestroy();
}

void TParamDrukLog::FormCreate()
{
    placement_.SetWindowSection(objectName());
    try {
        if (!placement_.LoadWindowPlacement())
            return;
    } catch (const RegistryError &) {
        return; // a damaged key is rewritten when the dialog closes
    }
    const QPoint at(placement_.Left, placement_.Top);
    if (QGuiApplication::screenAt(at + QPoint(20, 20)))
        move(at);
}

void TParamDrukLog::FormDestroy()
{
    placement_.SetWindowSection(objectName());
    placement_.SetWindowLeft(x());
    placement_.SetWindowTop(y());
    placement_.SetWindowWidth(width());
    placement_.SetWindowHeight(height());
    try {
        placement_.SaveWindowPlacement();
    } catch (const std::exception &) {
        // Placement is a convenience; failing to keep it must not stop the printout.
    }
}

void TParamDrukLog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TParamDrukLog::FormActivate()
{
    Range->Activate();
    EdOkres->setFocus();
}

void TParamDrukLog::PostBtnClick()
{
    if (Range->ValidRange())
        accept();
    else
        Messages::ShowWarning(QStringLiteral("Błędny zakres dat."));
}

QDate TParamDrukLog::FirstDay() const
{
    return EdOdDnia->date();
}
QDate TParamDrukLog::LastDay() const
{
    return EdDoDnia->date();
}
