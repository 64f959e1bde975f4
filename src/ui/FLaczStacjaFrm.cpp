#include "ui/FLaczStacjaFrm.h"

#include "controls/ExDBCtrl.h"
#include "controls/WindowGeometry.h"
#include "core/FDM.h"
#include "core/FWindow.h"
#include "core/Settings.h"
#include "platform/db/DataSource.h"
#include "platform/gui/Guarded.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A column with a sample is as wide as that value needs; the others take
// the width of their field.
const TListColumn Columns[] = {
    {"DATA", "Data godz. [UTC]", 0, "0000-00-00 00:00:00"},
    {"PASMO", "Pasmo"},
    {"EMISJA", "Typ emisji"},
    {"RAPORT_NAD", "Raport nadany"},
    {"RAPORT_ODB", "Raport odebrany"},
    {"IMIE", "Imię"},
    {"LOKATOR", "Lokator", 0, "MM99WW"},
    {"QSL_WYS", "QSL W", 0, "", Qt::AlignCenter, true},
    {"QSL_ODB", "QSL O", 0, "", Qt::AlignCenter, true},
};
}

TLaczStacjaFrm::TLaczStacjaFrm(TWindow &placement, QWidget *parent) : QDialog(parent), placement_(placement)
{
    setObjectName(QStringLiteral("LaczStacjaFrm"));
    resize(640, 320);

    DbGrid = new TExDBGrid(this);
    DbGrid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                       dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    DbGrid->SetTitleButtons(true);
    DbGrid->SetReadOnly(true);
    DbGrid->SetListColumns(Columns);
    DbGrid->SetDataSource(new DataSource(&DM->LaczStacja, this));

    ZamknijBtn = new QPushButton(QStringLiteral("&Zamknij"), this);
    ZamknijBtn->setDefault(true);
    IdzDoBtn = new QPushButton(QStringLiteral("Przejdź do"), this);
    connect(ZamknijBtn, &QPushButton::clicked, this, [this] { done(1); });
    connect(IdzDoBtn, &QPushButton::clicked, this, [this] {
        Guarded([this] { GoToSelectedQso(); });
        done(1);
    });

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ZamknijBtn);
    buttons->addWidget(IdzDoBtn);
    buttons->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(DbGrid, 1);
    layout->addLayout(buttons);
}

void TLaczStacjaFrm::Prepare(const QString &call)
{
    setWindowTitle(QStringLiteral("Łączności - ") + call);
    DataSet &list = DM->LaczStacja;
    DM->OpenLaczStacja(call);
    list.Last();
    IdzDoBtn->setVisible(list.RecordCount() > 1);
    DataSet &logi = DM->Logi;
    if (logi.Active() && !logi.IsEmpty())
        list.Locate(QStringLiteral("LogId"), logi.FieldByName(QStringLiteral("LOGID"))->AsInteger(), 0);
}

int TLaczStacjaFrm::ShowForStation(const QString &call)
{
    Prepare(call);
    return exec();
}

void TLaczStacjaFrm::GoToSelectedQso()
{
    DataSet &list = DM->LaczStacja;
    if (!list.Active() || list.IsEmpty())
        return;
    DM->Logi.Locate(QStringLiteral("LogId"), list.FieldByName(QStringLiteral("LOGID"))->AsInteger(), 0);
}

void TLaczStacjaFrm::showEvent(QShowEvent *event)
{
    RestoreWindowPlacement(this, placement_);
    if (Field *data = DM->LaczStacja.FindField(QStringLiteral("DATA")))
        data->SetDisplayFormat(DateFormatText(DateTimeFormatIndex));
    QDialog::showEvent(event);
}

void TLaczStacjaFrm::done(int result)
{
    KeepWindowPlacement(this, placement_);
    QDialog::done(result);
}
