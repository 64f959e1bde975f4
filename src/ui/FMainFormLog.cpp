// The main window's work on the log: sorting, finding, the buttons and the
// status bar, adding, editing and deleting QSOs.
#include "ui/FMainForm.h"

#include "controls/ButtonEdit.h"
#include "controls/DateTimeEdit.h"
#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "exchange/windows/FWczytajAdifFrm.h"
#include "platform/Messages.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"
#include "ui/FLaczStacjaFrm.h"
#include "ui/FLogFrm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

int TMainForm::CurrentLogId() const
{
    return DM->CurrentLogId();
}

void TMainForm::FormActivate()
{
    ZnakLbl->setText(OwnCallSign);
    const bool prefixTools = OwnCallSign == QLatin1String("QX7KWV");
    PrefixEditBtn->setVisible(prefixTools);
    PrefixExpBtn->setVisible(prefixTools);
    ApplySortOrderToCombo();
    // Another copy of the program on the same log may have added or deleted
    // QSOs since the list was read: the list follows the count. One scan of
    // the log serves the status bar and the list.
    const std::optional<TDM::LogTotals> totals = ShowQsoCount(true);
    if (totals && DM->Logi.Active() && DM->ListMisses(*totals)) {
        ReopenKeepingPosition();
        DM->SetListedTotals(*totals);
    }
    RefreshButtons();
}

void TMainForm::RefreshButtons()
{
    if (!DM->Logi.Active())
        return;
    const bool any = CurrentLogId() > 0;
    for (QPushButton *b : {EditBtn, DeleteBtn, StatysBtn, LacznBtn})
        b->setEnabled(any);
    PrintBtn->setEnabled(any);
    ExportAllMnu->setEnabled(any);
    ExportSelMnu->setEnabled(any);
    WydrukEtykMnu->setEnabled(any);
    RefreshNavigator();
}

void TMainForm::RefreshNavigator()
{
    DataSet &logi = DM->Logi;
    const bool open = logi.Active() && !logi.IsEmpty();
    const int row = logi.CurrentIndex();
    const bool atFirst = !open || row <= 0;
    const bool atLast = !open || (row >= logi.FetchedCount() - 1 && !logi.CanFetchMore());
    Navigator[0]->setEnabled(!atFirst);
    Navigator[1]->setEnabled(!atFirst);
    Navigator[2]->setEnabled(!atLast);
    Navigator[3]->setEnabled(!atLast);
}

void TMainForm::Navigate(int button)
{
    DataSet &logi = DM->Logi;
    if (!logi.Active())
        return;
    switch (button) {
    case 0: logi.First(); break;
    case 1: logi.Prior(); break;
    case 2: logi.Next(); break;
    default: logi.Last(); break;
    }
}

std::optional<TDM::LogTotals> TMainForm::ShowQsoCount(bool reuse)
{
    // Read at every activation: once the connection is known to be lost, the
    // database is not asked again (each failure's box would activate the
    // window anew). The loss is told here unless it was told before: a
    // window's end may have met it where nothing could be shown.
    if (DM->ConnectionLost()) {
        StatusPanels[0]->setText(QStringLiteral(" Brak połączenia z bazą"));
        ReportFailure(FailureOf([] { DM->Baza.CheckNotLost(); }));
        return std::nullopt;
    }
    if (!reuse || !totalsRead_)
        totalsRead_ = DM->QsoTotals();
    StatusPanels[0]->setText(QStringLiteral(" Liczba łączności: ") + QString::number(totalsRead_->Count));
    return totalsRead_;
}

void TMainForm::ShowLastQso()
{
    DataSet &logi = DM->Logi;
    QString text;
    // Once the connection is lost the line stays empty: the lookup needs the
    // server, and the previous QSO's line would name another station.
    if (!DM->ConnectionLost() && logi.Active() && !logi.IsEmpty()) {
        const QString call = logi.FieldByName(QStringLiteral("STACJA"))->AsString();
        const LastQso last = DM->LastQsoWith(call);
        if (last.Data > DateTime())
            text = QStringLiteral(" [") + call.trimmed() + QStringLiteral("] Ostatnia łączność: ") +
                   last.Data.toString(DateFormatText(DateTimeFormatIndex)) + QStringLiteral(" Pasmo: ") +
                   last.Pasmo;
    }
    StatusPanels[1]->setText(text);
}

void TMainForm::ApplySortOrderToCombo()
{
    if (SortOrder >= SortOrderCount)
        return;
    const QSignalBlocker quiet(EdSortOrder);
    EdSortOrder->setCurrentIndex(SortOrder);
}

void TMainForm::ReopenKeepingPosition()
{
    DM->ReopenLogiOrdered(SortOrder, CurrentLogId());
    RefreshButtons();
}

void TMainForm::GridTitleClick(int column)
{
    if (column < 0 || column >= MainGridColumnCount)
        return;
    SortOrder = uint8_t(column + 1);
    DM->ReopenLogiOrdered(SortOrder, CurrentLogId());
    ApplySortOrderToCombo();
}

TSortMarker TMainForm::SortMarkerFor(const Field *field) const
{
    if (!field || !DM->Logi.Active() || SortOrder == 0 || SortOrder >= SortOrderCount)
        return smNone;
    const QString &name = field->FieldName();
    if (name.compare(SortFieldNames[SortOrder], Qt::CaseInsensitive) == 0)
        return smUp;
    // The band order sorts by the band index, shown in the PASMO column.
    if (SortOrder == 2 && name.compare(QLatin1String("PASMO"), Qt::CaseInsensitive) == 0)
        return smUp;
    return smNone;
}

void TMainForm::FindByCall()
{
    if (DM->Logi.Active())
        DM->Logi.Locate(QStringLiteral("Stacja"), EdStacja->text(), LocateCaseInsensitive);
}

void TMainForm::FindByFirstLetter(QChar letter)
{
    if (DM->Logi.Active())
        DM->Logi.Locate(QStringLiteral("Stacja"), QString(letter), LocateCaseInsensitive | LocatePartialKey);
}

void TMainForm::FindByDate()
{
    DataSet &logi = DM->Logi;
    if (!logi.Active())
        return;
    const int logId = CurrentLogId();
    const DateTime from = DateTime::fromQDate(EdData->date());
    const DateTime to = from.addTicks(DateTime::TicksPerDay - DateTime::TicksPerSecond / 1000);
    bool found = false;
    {
        const BusyGuard busy;
        const ControlsStill still(logi);
        Field *data = logi.FieldByName(QStringLiteral("DATA"));
        for (logi.First(); !logi.Eof(); logi.Next()) {
            const DateTime d = data->AsDateTime();
            if (d >= from && d <= to) {
                found = true;
                break;
            }
        }
        if (!found) {
            QApplication::beep();
            logi.Locate(QStringLiteral("LogId"), logId, 0);
        }
    }
}

void TMainForm::InsertBtnClick()
{
    const int logId = CurrentLogId();
    LogFrm->NewQso();
    if (LogFrm->SavedAny) {
        DM->ReopenLogiOrdered(SortOrder, logId);
        RefreshButtons();
        ShowQsoCount();
    }
}

void TMainForm::EditBtnClick()
{
    const int logId = CurrentLogId();
    LogFrm->EditQso(logId);
    if (LogFrm->Changed) {
        DM->ReopenLogiOrdered(SortOrder, logId);
        ShowQsoCount();
    }
}

void TMainForm::DeleteBtnClick()
{
    DataSet &logi = DM->Logi;
    if (!logi.Active() || logi.IsEmpty())
        return;
    if (!Messages::AskConfirm(QStringLiteral("Usunąć zaznaczoną łączność z wykazu?")))
        return;
    logi.Delete();
    RefreshButtons();
    ShowQsoCount();
}

void TMainForm::ImportMnuClick()
{
    // The import window reopens the log itself when it has added QSOs.
    TWczytajAdifFrm frm(this);
    frm.exec();
    RefreshButtons();
    ShowQsoCount();
}

void TMainForm::LacznBtnClick()
{
    DataSet &logi = DM->Logi;
    if (!logi.Active() || logi.IsEmpty())
        return;
    TLaczStacjaFrm frm(window_, this);
    frm.ShowForStation(logi.FieldByName(QStringLiteral("STACJA"))->AsString());
}
