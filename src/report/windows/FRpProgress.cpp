#include "report/windows/FRpProgress.h"

#include "report/printer/RpPrinter.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TRpProgressForm::TRpProgressForm(TRpPrinter *printer, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      RpPrinter(printer)
{
    setWindowTitle(QStringLiteral("Printing progress"));
    Info = new QLabel(this);
    Info->setAlignment(Qt::AlignCenter);
    Gauge = new QProgressBar(this);
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Info);
    layout->addWidget(Gauge);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
    setMinimumWidth(320);
    connect(CancelButton, &QPushButton::clicked, this, [this] {
        if (RpPrinter)
            RpPrinter->Cancel();
    });
}

bool TRpProgressForm::event(QEvent *e)
{
    if (e->type() != static_cast<QEvent::Type>(rpMsgProgress))
        return QDialog::event(e);
    const int progress = RpPrinter ? RpPrinter->Progress() : 0;
    if (progress % 5 == 0) {
        Gauge->setValue(progress);
        Info->setText(QString::number(progress) + QStringLiteral("% ") + QStringLiteral(" Completed"));
        QApplication::processEvents();
    }
    return true;
}
