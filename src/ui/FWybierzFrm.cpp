#include "ui/FWybierzFrm.h"

#include "controls/ButtonEdit.h"
#include "controls/ExDBCtrl.h"
#include "core/FDM.h"
#include "core/Geography.h"
#include "platform/Messages.h"
#include "platform/db/DataSource.h"
#include "platform/db/FbTable.h"
#include "platform/db/FbTransaction.h"
#include "platform/gui/Guarded.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

struct TWybierzFrm::Config {
    const char *Caption;
    const char *TableName;
    const char *IndexFields; // table order; empty: the table's natural order
    // A code column's sample is its widest code, so that no code shows cut.
    std::vector<TListColumn> Columns;
    const char *FilterField; // its first character is compared with FilterLetter
    const char *SearchCaption;
    const char *Key;    // search and start-position key; the search box takes its whole length
    bool SearchTrimmed; // the box text trimmed, searched only while the table is open
    bool StartOnDistrictCode;
    bool PickedStartsAsInitial;
    bool Centred;
};

namespace {

const TWybierzFrm::Config *ConfigFor(TWybierzFrm::Kind kind);

}

namespace {

// The fixed order of the voivodeship filter list.
const char16_t FilterLetters[] = u"DPLBCMRUKOFGSJWZ";

// A fixed-width column holds its codes padded with blanks, and the database
// compares such codes without the padding: so does the start position.
QVariant KeyValue(DataSet &table, const QString &key, const QString &value)
{
    Field *f = table.FindField(key);
    if (f && f->DataType() == FieldType::FixedChar && value.size() < f->Size())
        return value.leftJustified(f->Size(), u' ');
    return value;
}

}

TWybierzFrm::TWybierzFrm(Kind kind, QWidget *parent)
    : QDialog(parent), config_(*ConfigFor(kind)), kind_(kind),
      tr_(std::make_unique<FbTransaction>(&DM->Baza)), table_(std::make_unique<FbTable>())
{
    setWindowTitle(QString::fromUtf8(config_.Caption));
    table_->SetDatabase(&DM->Baza);
    table_->SetTransaction(tr_.get());

    table_->SetTableName(QLatin1String(config_.TableName));
    if (*config_.IndexFields)
        table_->SetIndexFieldNames(QLatin1String(config_.IndexFields));
    const QString filterField = QLatin1String(config_.FilterField);
    table_->OnFilterRecord = [this, filterField](DataSet &ds, bool &accept) {
        accept = ds.FieldByName(filterField)->AsString().left(1) == FilterLetter;
    };
    tr_->StartTransaction();
    table_->Open();
    source_ = std::make_unique<DataSource>(table_.get());

    DbGrid = new TExDBGrid(this);
    DbGrid->setObjectName("DbGrid");
    DbGrid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                       dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    DbGrid->SetReadOnly(true);
    DbGrid->SetListColumns(config_.Columns);
    DbGrid->SetDataSource(source_.get());
    DbGrid->OnDblClick = [this](TExDBGrid &) { Guarded([this] { Choose(); }); };

    EdWojew = new QComboBox(this);
    EdWojew->setObjectName("EdWojew");
    EdWojew->setMaxVisibleItems(17);
    connect(EdWojew, &QComboBox::currentIndexChanged, this, [this] {
        if (wojewHandlerOn_)
            Guarded([this] { ApplyVoivodeshipFilter(); });
    });

    EdSzukaj = new TButtonEdit(this);
    EdSzukaj->setObjectName("EdSzukaj");
    EdSzukaj->SetCharCase(ecUpperCase);
    if (const Field *key = table_->FindField(QLatin1String(config_.Key)))
        EdSzukaj->setMaxLength(key->Size());
    EdSzukaj->SetButtonHint(QStringLiteral("Wyczyść"));
    EdSzukaj->SetGlyph(ClearGlyph());
    connect(EdSzukaj, &TButtonEdit::textChanged, this,
            [this](const QString &text) { Guarded([&] { Search(text); }); });
    connect(EdSzukaj, &TButtonEdit::OnButtonClick, EdSzukaj, [this] { EdSzukaj->clear(); });
    auto *searchLabel = new QLabel(QString::fromUtf8(config_.SearchCaption), this);
    searchLabel->setBuddy(EdSzukaj);

    WybierzBtn = new QPushButton(QStringLiteral("&Wybierz"), this);
    WybierzBtn->setObjectName("WybierzBtn");
    WybierzBtn->setDefault(true);
    AnulujBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    AnulujBtn->setObjectName("AnulujBtn");
    AnulujBtn->setAutoDefault(false);
    connect(WybierzBtn, &QPushButton::clicked, this, [this] { Guarded([this] { Choose(); }); });
    connect(AnulujBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(EdWojew, 1);
    top->addWidget(searchLabel);
    top->addWidget(EdSzukaj);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(WybierzBtn);
    buttons->addWidget(AnulujBtn);
    auto *main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(DbGrid, 1);
    main->addLayout(buttons);
    resize(520, 420);
}

TWybierzFrm::~TWybierzFrm()
{
    // The picker never writes: ending its transaction only closes the table.
    CommitQuietly(*tr_);
}

void TWybierzFrm::reject()
{
    done(mrCancel);
}

DataSet &TWybierzFrm::Table()
{
    return *table_;
}

int TWybierzFrm::RunPicker(const QString &initial)
{
    FilterLetter.clear();
    wojewHandlerOn_ = false;
    FillVoivodeshipCombo();
    wojewHandlerOn_ = true;
    EdWojew->setCurrentIndex(0);
    PickedCode = config_.PickedStartsAsInitial ? initial : QString();
    const QString start = config_.StartOnDistrictCode ? DistrictCodeOf(initial) : initial;
    if (!start.isEmpty())
        table_->Locate(QLatin1String(config_.Key), KeyValue(*table_, QLatin1String(config_.Key), start), 0);
    if (config_.Centred && QGuiApplication::primaryScreen()) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.center() - rect().center());
    }
    return exec();
}

void TWybierzFrm::FillVoivodeshipCombo()
{
    EdWojew->clear();
    EdWojew->addItem(QStringLiteral("<Wszystkie województwa>"));
    for (const char16_t *c = FilterLetters; *c; ++c) {
        const QString letter = QString(QChar(*c));
        EdWojew->addItem(letter + QStringLiteral(" - ") + VoivodeshipNameForCode(letter));
    }
}

void TWybierzFrm::ApplyVoivodeshipFilter()
{
    const QString item = EdWojew->currentText();
    if (item.startsWith(u'<')) {
        FilterLetter.clear();
        table_->SetFiltered(false);
    } else {
        FilterLetter = item.left(1);
        table_->SetFiltered(true);
        table_->Refilter();
    }
    table_->First();
}

void TWybierzFrm::Search(const QString &text)
{
    QString value = text;
    if (config_.SearchTrimmed) {
        if (!table_->Active())
            return;
        value = text.trimmed();
    }
    // The first row in table order (within the filter) whose code starts with
    // the text, without regard to case; none: the position stays.
    DataSet &t = *table_;
    const Bookmark here = t.GetBookmark();
    const ControlsStill still(t);
    t.First();
    if (!t.Locate(QLatin1String(config_.Key), value, LocateCaseInsensitive | LocatePartialKey) &&
        t.BookmarkValid(here))
        t.GotoBookmark(here);
}

QString TWybierzFrm::CurrentCode() const
{
    auto text = [this](const char *name) {
        return table_->FieldByName(QLatin1String(name))->AsString().trimmed();
    };
    switch (kind_) {
    case Zamek: return text("SYMBOL");
    case Powiat: return text("WOJEWID") + u'-' + text("POWIATID");
    case Gmina: return text("GMINAID");
    }
    return QString();
}

void TWybierzFrm::Choose()
{
    if (table_->IsEmpty())
        return;
    PickedCode = CurrentCode();
    done(mrOk);
}

QString DistrictCodeOf(const QString &text)
{
    if (text.size() == 3)
        return text.mid(1, 2);
    if (text.size() == 4)
        return text.mid(2, 2);
    return text;
}

namespace {

const TWybierzFrm::Config ZamekConfig{"Zamki Polskie",
                                      "ZAMKI",
                                      "SYMBOL",
                                      {{"SYMBOL", "Zamek", 0, "WWWWWW"}, {"NAZWA", "Nazwa (miejscowość)"}},
                                      "SYMBOL",
                                      "&Szukaj  [Zamek]",
                                      "Symbol",
                                      true,
                                      false,
                                      true,
                                      true};
const TWybierzFrm::Config PowiatConfig{
    "Wybór SPPA", "POWIATY",
    "",           {{"WOJEWID", "Województwo"}, {"POWIATID", "Powiat"}, {"POWIAT", "Nazwa"}},
    "WOJEWID",    "&Szukaj  [Powiat]",
    "PowiatId",   false,
    true,         false,
    false};
const TWybierzFrm::Config GminaConfig{"Gminy",   "GMINY",
                                      "",        {{"GMINAID", "Gmina", 0, "WWWWWW"}, {"GMINA", "Nazwa"}},
                                      "WOJEWID", "&Szukaj  [Gmina]",
                                      "GminaId", true,
                                      false,     true,
                                      true};

const TWybierzFrm::Config *ConfigFor(TWybierzFrm::Kind kind)
{
    switch (kind) {
    case TWybierzFrm::Powiat: return &PowiatConfig;
    case TWybierzFrm::Gmina: return &GminaConfig;
    case TWybierzFrm::Zamek: break;
    }
    return &ZamekConfig;
}

}
