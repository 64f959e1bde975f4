#include "ui/FCallbookSkrFrm.h"

#include "controls/ButtonEdit.h"
#include "core/CallbookQueries.h"
#include "core/FDM.h"
#include "platform/gui/BusyGuard.h"
#include "platform/gui/Guarded.h"
#include "ui/Glyphs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TCallbookSkrFrm *CallbookSkrFrm = nullptr;

namespace {

struct EntryRow {
    const char *caption;
    const char *field;
};

const std::array<EntryRow, 10> EntryRows = {{
    {"Stacja..................", "STACJA"},
    {"Imię......................", "IMIE"},
    {"Nazwisko............", "NAZWISKO"},
    {"Nazwa................", "NAZWA"},
    {"Lokator................", "LOKATOR"},
    {"Miejscowość.....", "MIASTO"},
    {"Kod pocztowy...", "KODPOCZT"},
    {"Adres....................", "ADRES"},
    {"Województwo....", "NazwaWojew"},
    {"Powiat.................", "NazwaPowiat"},
}};

}

TCallbookSkrFrm::TCallbookSkrFrm(QWidget *parent)
    : QDialog(parent), query_(std::make_unique<TCallbookStationQuery>(DM->Baza))
{
    setObjectName(QStringLiteral("CallbookSkrFrm"));
    setWindowTitle(QStringLiteral("Callbook - wyszukiwanie proste"));

    auto *searchLabel = new QLabel(QStringLiteral("&Szukaj  [Stacja]"), this);
    EdStacja = new TButtonEdit(this);
    EdStacja->setObjectName(QStringLiteral("EdStacja"));
    EdStacja->SetCharCase(ecUpperCase);
    EdStacja->setMaxLength(10);
    EdStacja->SetButtonHint(QStringLiteral("Szukaj"));
    EdStacja->SetGlyph(SearchGlyph());
    searchLabel->setBuddy(EdStacja);
    connect(EdStacja, &TButtonEdit::OnButtonClick, this, [this] { LookupCallbookStation(); });
    connect(EdStacja, &QLineEdit::returnPressed, this, [this] { LookupCallbookStation(); });

    auto *entry = new QFrame(this);
    entry->setFrameShape(QFrame::StyledPanel);
    auto *form = new QFormLayout(entry);
    form->setVerticalSpacing(4);
    for (int i = 0; i < int(EntryRows.size()); ++i) {
        values_[i] = new QLabel(entry);
        values_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values_[i]->setMinimumWidth(360);
        QFont bold = values_[i]->font();
        bold.setBold(true);
        values_[i]->setFont(bold);
        form->addRow(QString::fromUtf8(EntryRows[i].caption), values_[i]);
    }

    // Enter belongs to the search box: no button may take it and close the window.
    ZamknijBtn = new QPushButton(QStringLiteral("&Zamknij"), this);
    ZamknijBtn->setAutoDefault(false);
    connect(ZamknijBtn, &QPushButton::clicked, this, [this] { done(1); });

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(EdStacja, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ZamknijBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(entry);
    layout->addLayout(buttons);
}

TCallbookSkrFrm::~TCallbookSkrFrm() = default;

void TCallbookSkrFrm::LookupCallbookStation()
{
    Guarded([this] {
        if (EdStacja->text().trimmed().isEmpty())
            return;
        BusyGuard busy({EdStacja, ZamknijBtn});
        try {
            query_->Lookup(EdStacja->text());
        } catch (...) {
            ShowEntry();
            throw;
        }
        ShowEntry();
    });
    EdStacja->setFocus();
}

void TCallbookSkrFrm::ShowEntry()
{
    for (int i = 0; i < int(EntryRows.size()); ++i)
        values_[i]->setText(query_->Text(QLatin1String(EntryRows[i].field)));
}

QString TCallbookSkrFrm::ValueText(int row) const
{
    return values_[row]->text();
}
