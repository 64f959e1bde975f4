#include "ui/FSzukajRozFrm.h"

#include "controls/ButtonEdit.h"
#include "core/CallbookSearch.h"
#include "platform/Messages.h"
#include "platform/gui/Guarded.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TSzukajRozFrm *SzukajRozFrm = nullptr;

namespace {

struct TextRow {
    const char *caption;
    const char *name;
    bool upperCase;
    int maxLength; // 0: no limit of its own
};

const std::array<TextRow, CallbookTextRowCount> TextRows = {{
    {"S&tacja", "EdStacja", true, 0},
    {"&Nazwisko", "EdNazwisko", false, 0},
    {"&Imię", "EdImie", false, 0},
    {"Nazwa", "EdNazwa", false, 0},
    {"&Miejscowość", "EdMiasto", false, 0},
    {"&Lokator", "EdLokator", true, 6},
}};

QComboBox *DropDownList(const QString &name, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    return combo;
}

}

TSzukajRozFrm::TSzukajRozFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SzukajRozFrm"));
    setWindowTitle(QStringLiteral("Callbook - Szukaj"));

    auto *group = new QGroupBox(QStringLiteral("Kryterium wyszukiwania"), this);
    auto *grid = new QGridLayout(group);
    for (int row = 0; row < CallbookTextRowCount; ++row) {
        const TextRow &r = TextRows[row];
        auto *label = new QLabel(QString::fromUtf8(r.caption), group);
        ParLists[row] = DropDownList(QLatin1String(r.name) + QStringLiteral("Par"), group);
        ParLists[row]->addItems(SearchOperatorItems());
        ParLists[row]->setMinimumContentsLength(14);
        ValueBoxes[row] = new TButtonEdit(group);
        TButtonEdit *box = ValueBoxes[row];
        box->setObjectName(QLatin1String(r.name));
        if (r.upperCase)
            box->SetCharCase(ecUpperCase);
        if (r.maxLength > 0)
            box->setMaxLength(r.maxLength);
        box->SetButtonHint(QStringLiteral("Wyczyść"));
        box->SetGlyph(ClearGlyph());
        box->setMinimumWidth(220);
        connect(box, &TButtonEdit::OnButtonClick, box, [box] { box->clear(); });
        label->setBuddy(ParLists[row]);
        grid->addWidget(label, row, 0);
        grid->addWidget(ParLists[row], row, 1);
        grid->addWidget(box, row, 2);
    }
    EdStacjaPar = ParLists[0], EdNazwiskoPar = ParLists[1], EdImiePar = ParLists[2];
    EdNazwaPar = ParLists[3], EdMiastoPar = ParLists[4], EdLokatorPar = ParLists[5];
    EdStacja = ValueBoxes[0], EdNazwisko = ValueBoxes[1], EdImie = ValueBoxes[2];
    EdNazwa = ValueBoxes[3], EdMiasto = ValueBoxes[4], EdLokator = ValueBoxes[5];

    EdWojew = DropDownList(QStringLiteral("EdWojew"), group);
    EdPowiat = DropDownList(QStringLiteral("EdPowiat"), group);
    EdPowiat->setMaxVisibleItems(20);
    EdKolej = DropDownList(QStringLiteral("EdKolej"), this);
    EdKolej->addItems(SearchOrderItems());
    EdKolej->setCurrentIndex(0);
    int row = CallbookTextRowCount;
    for (auto [caption, combo] : {std::pair{"&Województwo", EdWojew}, std::pair{"&Powiat", EdPowiat}}) {
        auto *label = new QLabel(QString::fromUtf8(caption), group);
        label->setBuddy(combo);
        grid->addWidget(label, row, 0);
        grid->addWidget(combo, row, 1, 1, 2);
        ++row;
    }
    FillVoivodeshipList();
    FillDistrictList();

    auto *kolejLabel = new QLabel(QStringLiteral("&Kolejność wg"), this);
    kolejLabel->setBuddy(EdKolej);
    auto *kolejRow = new QHBoxLayout;
    kolejRow->addWidget(kolejLabel);
    kolejRow->addWidget(EdKolej);
    kolejRow->addStretch(1);

    SzukajBtn = new QPushButton(QStringLiteral("&Szukaj"), this);
    SzukajBtn->setObjectName(QStringLiteral("SzukajBtn"));
    SzukajBtn->setDefault(true);
    AnulujBtn = new QPushButton(QStringLiteral("&Anuluj"), this);
    AnulujBtn->setObjectName(QStringLiteral("AnulujBtn"));
    AnulujBtn->setAutoDefault(false);
    ZerujBtn = new QPushButton(QStringLiteral("&Zeruj kryterium"), this);
    ZerujBtn->setObjectName(QStringLiteral("ZerujBtn"));
    ZerujBtn->setAutoDefault(false);
    connect(SzukajBtn, &QPushButton::clicked, this, [this] { Guarded([this] { SzukajBtnClick(); }); });
    connect(AnulujBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ZerujBtn, &QPushButton::clicked, this, [this] { ClearSearchCriteria(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ZerujBtn);
    buttons->addStretch(1);
    buttons->addWidget(SzukajBtn);
    buttons->addWidget(AnulujBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(kolejRow);
    layout->addLayout(buttons);
}

void TSzukajRozFrm::FillVoivodeshipList()
{
    if (EdWojew->count() > 0)
        return;
    EdWojew->addItems(VoivodeshipListItems());
    EdWojew->setCurrentIndex(0);
}

void TSzukajRozFrm::FillDistrictList()
{
    if (EdPowiat->count() > 0)
        return;
    EdPowiat->addItems(DistrictListItems());
    EdPowiat->setCurrentIndex(0);
}

TCallbookCriteria TSzukajRozFrm::Criteria() const
{
    TCallbookCriteria c;
    for (int row = 0; row < CallbookTextRowCount; ++row) {
        c.Operators[row] = SearchOperator(ParLists[row]->currentIndex());
        c.Values[row] = ValueBoxes[row]->text();
    }
    c.WojewItem = EdWojew->currentIndex();
    c.WojewText = EdWojew->currentText();
    c.PowiatItem = EdPowiat->currentIndex();
    c.PowiatText = EdPowiat->currentText();
    c.KolejItem = EdKolej->currentIndex();
    return c;
}

QString TSzukajRozFrm::BuildSearchSql()
{
    const TCallbookSql sql = ::BuildSearchSql(Criteria());
    CountSql = sql.CountSql;
    return sql.SearchSql;
}

void TSzukajRozFrm::SzukajBtnClick()
{
    if (BuildSearchSql().isEmpty()) {
        Messages::ShowWarning(QStringLiteral("Należy podać kryterium wyszukiwania!"));
        return;
    }
    done(1);
}

void TSzukajRozFrm::ClearSearchCriteria()
{
    for (QComboBox *list : ParLists)
        list->setCurrentIndex(0);
    EdWojew->setCurrentIndex(0);
    EdPowiat->setCurrentIndex(0);
    for (TButtonEdit *box : ValueBoxes)
        box->clear();
}
