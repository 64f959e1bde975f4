#include "exchange/windows/FLabelTbl.h"

#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "exchange/LabelTemplateStore.h"
#include "exchange/windows/FEditLabelFrm.h"
#include "platform/Messages.h"
#include "platform/db/DataSource.h"
#include "platform/gui/Guarded.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *FlatButton(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setFlat(true);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

}

TLabelTbl::TLabelTbl(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LabelTbl"));
    setWindowTitle(QStringLiteral("Etykiety adresowe"));

    InsertBtn = FlatButton(QStringLiteral("&Dodaj"), QStringLiteral("Wprowadzenie\nnowej etykiety"), this);
    EditBtn = FlatButton(QStringLiteral("&Popraw"), QStringLiteral("Poprawa bieżącej\netykiety"), this);
    DeleteBtn = FlatButton(QStringLiteral("&Usuń"), QStringLiteral("Usunięcie bieżącej\netykiety"), this);
    CloseBtn = FlatButton(QStringLiteral("&Zamknij"), QString(), this);
    connect(InsertBtn, &QPushButton::clicked, this, [this] { Guarded([this] { InsertBtnClick(); }); });
    connect(EditBtn, &QPushButton::clicked, this, [this] { Guarded([this] { EditBtnClick(); }); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { Guarded([this] { DeleteBtnClick(); }); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { done(mrOk); });

    DBGrid1 = new TExDBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->SetReadOnly(true);
    // Every column of the table, each wide enough for its whole title.
    std::vector<TColumn> columns;
    int width = 0;
    for (const char *field : {"ETYKIETAID", "NAZWA", "MARG_G", "MARG_L", "ODSTEP_PION", "ODSTEP_POZ",
                              "WYSOKOSC", "SZEROKOSC", "LICZBA_POZ", "LICZBA_PION"}) {
        TColumn c;
        c.FieldName = QString::fromLatin1(field);
        const bool name = c.FieldName == QLatin1String("NAZWA");
        c.Width = DBGrid1->FitColumnWidth(0, c.FieldName, name ? QString(22, u'x') : QStringLiteral("99999"));
        width += c.Width;
        columns.push_back(c);
    }
    DBGrid1->SetColumns(columns);
    DBGrid1->SetDataSource(new DataSource(&DM->Etykiety, this));
    resize(width + 80, 320);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {InsertBtn, EditBtn, DeleteBtn, CloseBtn})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(DBGrid1, 1);
}

void TLabelTbl::PrepareTemplateList()
{
    if (!DM->Etykiety.Active())
        DM->OpenEtykiety();
    UpdateTemplateButtons();
}

int TLabelTbl::ShowTemplateList()
{
    PrepareTemplateList();
    return exec();
}

void TLabelTbl::UpdateTemplateButtons()
{
    DataSet &etykiety = DM->Etykiety;
    if (!etykiety.Active())
        return;
    const bool any = !etykiety.IsEmpty();
    EditBtn->setEnabled(any);
    DeleteBtn->setEnabled(any);
}

void TLabelTbl::InsertBtnClick()
{
    TEditLabelFrm editor(this);
    editor.NewTemplate();
    UpdateTemplateButtons();
}

void TLabelTbl::EditBtnClick()
{
    if (DM->Etykiety.IsEmpty())
        return;
    TEditLabelFrm editor(this);
    editor.EditTemplate();
}

void TLabelTbl::DeleteBtnClick()
{
    if (DM->Etykiety.IsEmpty())
        return;
    if (!Messages::AskConfirm(QStringLiteral("Usunąć zaznaczoną etykietę z wykazu?")))
        return;
    DeleteLabelTemplate(*DM);
    UpdateTemplateButtons();
}
