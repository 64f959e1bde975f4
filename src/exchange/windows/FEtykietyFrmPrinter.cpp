// The label window's printer choice and printing.
#include "exchange/windows/FEtykietyFrm.h"

#include "core/FDM.h"
#include "core/Settings.h"
#include "exchange/LabelPrinterChoice.h"
#include "exchange/LabelTemplate.h"
#include "exchange/QslLabelPrint.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>
#include <optional>

void TEtykietyFrm::ShowPrinterName()
{
    PrinterLbl->setText(printerChoice_->Text());
    PrinterLbl->setToolTip(PrinterLbl->text());
}

void TEtykietyFrm::PrinterSetupBtnClick()
{
    printer_->Refresh();
    auto *qtPrinter = dynamic_cast<Printer *>(printer_);
    if (!printer_->HasPrinters()) {
        printerChoice_->ChoosePdf(AskPdfFile);
    } else if (qtPrinter) {
        QPrintDialog dialog(&qtPrinter->QtPrinter(), this);
        if (dialog.exec() == QDialog::Accepted)
            qtPrinter->AdoptChosenPrinter();
    }
    ShowPrinterName();
}

void TEtykietyFrm::PrevBtnClick()
{
    if (EdEtykieta->count() == 0) {
        Messages::ShowWarning(
            QStringLiteral("Nie można drukować etykiet na karty QSL, ponieważ w systemie\n"
                           "nie został zdefiniowany żaden wzorzec dla etykiet adresowych."));
        return;
    }
    PrintLabels();
}

void TEtykietyFrm::PrintLabels()
{
    // The count of an earlier print must not stand beside a refused one.
    StatusPanel1->clear();
    const std::optional<TLabelTemplate> tpl = FindLabelTemplate(dm_, EdEtykieta->currentText());
    if (!tpl) {
        Messages::ShowWarning(QStringLiteral("Brak wzorca etykiety: ") + EdEtykieta->currentText());
        return;
    }
    const TWykaz wykaz = List.BuildWykaz();
    const bool anyLabel =
        std::any_of(wykaz.begin(), wykaz.end(), [](const TWykazRow &r) { return r.PSE || r.TNX; });
    if (!anyLabel) {
        Messages::ShowWarning(QStringLiteral("Brak pozycji do wydruku."));
        return;
    }
    // A template whose labels do not fit the page is refused before a PDF file is asked for.
    printer_->Refresh();
    if (const std::optional<QString> refusal = LabelPageRefusal(*printer_, *tpl)) {
        Messages::ShowWarning(*refusal);
        return;
    }
    if (!printerChoice_->PrepareForPrint(AskPdfFile))
        return;
    ShowPrinterName();

    TLabelTexts texts;
    texts.OwnCall = OwnCallSign;
    texts.Linia1 = EdLinia1->text();
    texts.Linia2 = EdLinia2->text();
    texts.DateQslFrm = DateQSLFrm;
    TLabelRun run;
    {
        BusyGuard busy({PrevBtn, CloseBtn, PrinterSetupBtn});
        run = PrintQslLabels(*printer_, *tpl, wykaz, texts);
    }
    StatusPanel1->setText(QStringLiteral(" Wydrukowano etykiet: %1").arg(run.Labels));
    if (ZaznaczWydrBox->isChecked()) {
        List.MarkPrintedSent(dm_, run.PrintedLogIds);
        LoadUnsentQsls();
    }
}
