#include "awards/windows/FPrefixEditFrm.h"

#include "controls/ButtonEdit.h"
#include "controls/DbNavigator.h"
#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "core/PrefixVersion.h"
#include "platform/gui/Guarded.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct ColumnText {
    const char *field;
    const char *title;
    int width;
};

std::vector<TColumn> Columns(std::initializer_list<ColumnText> texts)
{
    std::vector<TColumn> columns;
    for (const ColumnText &t : texts) {
        TColumn c;
        c.FieldName = QString::fromLatin1(t.field);
        c.Title = QString::fromUtf8(t.title);
        c.Width = t.width;
        columns.push_back(c);
    }
    return columns;
}

// Marks the fields required, each named by its column's title in the grid.
void RequireFields(DataSet &ds, const TExDBGrid &grid, std::initializer_list<const char *> fields)
{
    for (const char *name : fields) {
        Field *field = ds.FieldByName(QString::fromLatin1(name));
        field->SetRequired(true);
        for (const TColumn &c : grid.Columns())
            if (c.FieldName.compare(field->FieldName(), Qt::CaseInsensitive) == 0)
                field->SetDisplayLabel(c.Title);
    }
}

void CommitChange(FbTransaction &tr)
{
    PrefixVersion::Raise(DM->Baza, tr);
    tr.CommitRetaining();
}

}

TPrefixEditFrm::TPrefixEditFrm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("PrefixEditFrm"));
    SetUpDataSets();

    auto *search = new QGridLayout;
    EdPrefix = SearchBox(QStringLiteral("PrefixDX"));
    EdNazwaAng = SearchBox(QStringLiteral("NAZWAANG"));
    EdNazwaPol = SearchBox(QStringLiteral("NAZWAPOL"));
    const std::array<std::pair<const char *, TButtonEdit *>, 3> boxes = {
        {{"Prefix", EdPrefix}, {"Nazwa angielska", EdNazwaAng}, {"Nazwa polska", EdNazwaPol}}};
    for (int i = 0; i < 3; ++i) {
        auto *lbl = new QLabel(QString::fromUtf8(boxes[i].first), this);
        lbl->setBuddy(boxes[i].second);
        search->addWidget(lbl, 0, i);
        search->addWidget(boxes[i].second, 1, i);
    }
    search->setColumnStretch(3, 1);

    NoweGrid = new TExDBGrid(this);
    NoweGrid->setObjectName("NoweGrid");
    NoweGrid->SetCellEditing(true);
    NoweGrid->SetDataSource(&NoweSource);
    NoweGrid->SetColumns(Columns({{"KRAJID", "KrajId", 60},
                                  {"PREFIXDX", "Prefix", 70},
                                  {"NAZWAANG", "Nazwa angielska", 250},
                                  {"NAZWAPOL", "Nazwa polska", 250},
                                  {"KONTYNENT", "Kontynent", 70}}));
    NoweNavigator = new TDBNavigator(this);
    NoweNavigator->SetDataSet(&Nowe);

    NazwaLbl = new QLabel(this);
    QFont bold = NazwaLbl->font();
    bold.setBold(true);
    NazwaLbl->setFont(bold);

    DetaleGrid = new TExDBGrid(this);
    DetaleGrid->setObjectName("DetaleGrid");
    DetaleGrid->SetCellEditing(true);
    DetaleGrid->SetDataSource(&DetaleSource);
    DetaleGrid->SetColumns(Columns({{"KRAJID", "KrajId", 60}, {"PREFIX", "Prefix", 120}}));
    DetaleNavigator = new TDBNavigator(this);

    // The NOT NULL columns are checked before the engine sees them, so that an
    // empty one is named as its grid titles it.
    Nowe.AfterOpen = [this](DataSet &ds) { RequireFields(ds, *NoweGrid, {"KRAJID", "PREFIXDX"}); };
    Detale.AfterOpen = [this](DataSet &ds) { RequireFields(ds, *DetaleGrid, {"KRAJID", "PREFIX"}); };
    DetaleNavigator->SetDataSet(&Detale);

    // A row inserted or opened for editing is typed into at once. The grid is
    // copied into the lambda: clang before 16 cannot capture a structured binding.
    for (auto [navigator, grid] :
         {std::pair{NoweNavigator, NoweGrid}, std::pair{DetaleNavigator, DetaleGrid}})
        for (TDBNavigator::Button b : {TDBNavigator::nbInsert, TDBNavigator::nbEdit})
            connect(navigator->ButtonAt(b), &QToolButton::clicked, grid, [g = grid] { g->setFocus(); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(NoweGrid, 3);
    layout->addWidget(NoweNavigator);
    layout->addWidget(NazwaLbl);
    layout->addWidget(DetaleGrid, 2);
    layout->addWidget(DetaleNavigator);
    resize(800, 600);
}

TPrefixEditFrm::~TPrefixEditFrm()
{
    try {
        if (trNowe.Active())
            trNowe.Commit();
        if (trDetale.Active())
            trDetale.Commit();
    } catch (const std::exception &) {
        // Every posted row was committed already; nothing more can be saved.
    }
}

void TPrefixEditFrm::SetUpDataSets()
{
    trNowe.SetDefaultDatabase(&DM->Baza);
    trDetale.SetDefaultDatabase(&DM->Baza);
    Nowe.SetDatabase(&DM->Baza);
    Nowe.SetTransaction(&trNowe);
    Nowe.SetTableName(QStringLiteral("KRAJEDX"));
    Nowe.SetIndexFieldNames(QStringLiteral("KRAJID"));
    Detale.SetDatabase(&DM->Baza);
    Detale.SetTransaction(&trDetale);
    Detale.SetSQL(QStringList{QStringLiteral("SELECT KrajId, Prefix"), QStringLiteral("FROM PrefiksyDX"),
                              QStringLiteral("WHERE KrajId=:KrajId"), QStringLiteral("ORDER BY Prefix")});
    updDetale.SetInsertSQL({QStringLiteral("INSERT INTO PrefiksyDX(KrajId, Prefix)"),
                            QStringLiteral("VALUES(:KrajId, :Prefix)")});
    updDetale.SetModifySQL({QStringLiteral("UPDATE PrefiksyDX"),
                            QStringLiteral("SET KrajId=:KrajId, Prefix=:Prefix"),
                            QStringLiteral("WHERE KrajId=:OLD_KrajId AND Prefix=:OLD_Prefix")});
    updDetale.SetDeleteSQL({QStringLiteral("DELETE FROM PrefiksyDX"),
                            QStringLiteral("WHERE KrajId=:OLD_KrajId AND Prefix=:OLD_Prefix")});
    Detale.SetUpdateObject(&updDetale);
    NoweSource.SetDataSet(&Nowe);
    DetaleSource.SetDataSet(&Detale);

    Nowe.AfterScroll = [this](DataSet &) { NoweAfterScroll(); };
    // A new, posted or cancelled country shows its own name and prefixes.
    connect(&Nowe, &DataSet::stateChanged, this, &TPrefixEditFrm::NoweAfterScroll);
    // Each change is committed at once: a prefix may only name a committed
    // country, and nothing posted should wait for the window to close. The
    // prefix-table version goes up with it, so another copy on the same log
    // rereads the tables as it does after an import.
    Nowe.AfterPost = [this](DataSet &) { CommitChange(trNowe); };
    Nowe.AfterDelete = [this](DataSet &) { CommitChange(trNowe); };
    Nowe.BeforeDelete = [this](DataSet &) {
        if (Detale.Active() && !Detale.IsEmpty())
            throw DbError(QStringLiteral("Kraj ma przypisane prefiksy - najpierw usuń jego prefiksy."));
    };
    Detale.AfterPost = [this](DataSet &) { CommitChange(trDetale); };
    Detale.AfterDelete = [this](DataSet &) { CommitChange(trDetale); };
    Detale.OnNewRecord = [this](DataSet &ds) {
        ds.FieldByName(QStringLiteral("KRAJID"))
            ->SetAsInteger(Nowe.FieldByName(QStringLiteral("KRAJID"))->AsInteger());
    };
}

TButtonEdit *TPrefixEditFrm::SearchBox(const QString &field)
{
    auto *box = new TButtonEdit(this);
    box->setMaxLength(10);
    box->SetGlyph(style()->standardIcon(QStyle::SP_LineEditClearButton).pixmap(12, 12).toImage());
    box->SetButtonHint(QStringLiteral("Wyczyść"));
    connect(box, &TButtonEdit::OnButtonClick, box, [box] { box->clear(); });
    connect(box, &QLineEdit::textChanged, this,
            [this, field](const QString &text) { SearchChange(field, text); });
    return box;
}

void TPrefixEditFrm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormActivate();
}

void TPrefixEditFrm::FormActivate()
{
    Guarded([this] {
        trNowe.Restart();
        Nowe.Open();
        trDetale.Restart();
        ReopenDetale();
    });
}

void TPrefixEditFrm::SearchChange(const QString &field, const QString &text)
{
    if (!Nowe.Active())
        return;
    Guarded([&] { Nowe.Locate(field, text, LocateCaseInsensitive | LocatePartialKey); });
}

void TPrefixEditFrm::NoweAfterScroll()
{
    const bool any = Nowe.Active() && !Nowe.IsEmpty();
    NazwaLbl->setText(any ? Nowe.FieldByName(QStringLiteral("NAZWAANG"))->AsString() : QString());
    // Also reached from a dataset's signal, where nothing may be thrown.
    Guarded([this] { ReopenDetale(); });
}

void TPrefixEditFrm::ReopenDetale()
{
    if (!trDetale.Active())
        return; // not shown yet
    if (Detale.Active() && Detale.State() != DataSetState::Browse && !Guarded([this] { Detale.Post(); }))
        Detale.Cancel();
    Detale.Close();
    const bool any = Nowe.Active() && !Nowe.IsEmpty();
    Detale.ParamByName(QStringLiteral("KrajId"))
        ->SetAsInteger(any ? Nowe.FieldByName(QStringLiteral("KRAJID"))->AsInteger() : 0);
    Detale.Open();
}

bool TPrefixEditFrm::PostPending()
{
    std::optional<QString> failure = FailureOf([this] {
        for (DataSet *ds : {static_cast<DataSet *>(&Detale), static_cast<DataSet *>(&Nowe)})
            if (ds->Active())
                ds->CheckBrowseMode();
    });
    if (failure && DM->ConnectionLost()) {
        // Nothing can be stored any more: the row typed goes, the window closes.
        for (DataSet *ds : {static_cast<DataSet *>(&Detale), static_cast<DataSet *>(&Nowe)})
            if (ds->Active() && ds->State() != DataSetState::Browse)
                ds->Cancel();
        ReportFailure(failure);
        return true;
    }
    if (failure && !failure->isEmpty())
        *failure += QStringLiteral("\nPopraw pozycję albo anuluj zmiany przed zamknięciem okna.");
    return ReportFailure(failure);
}

void TPrefixEditFrm::done(int result)
{
    // A row typed but not posted is posted first; one that cannot be stays on screen.
    if (!PostPending())
        return;
    Guarded([this] {
        if (trNowe.Active())
            trNowe.Commit();
        if (trDetale.Active())
            trDetale.Commit();
        DM->OpenKrajeDX();
        DM->OpenPrefiksy();
    });
    QDialog::done(result);
}
