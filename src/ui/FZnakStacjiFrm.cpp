#include "ui/FZnakStacjiFrm.h"

#include "core/OwnCallSign.h"
#include "core/Settings.h"
#include "platform/Messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Shows what is typed in upper case, as call signs are written.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

}

TZnakStacjiFrm::TZnakStacjiFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ZnakStacjiFrm"));
    setWindowTitle(QStringLiteral("Znak stacji"));

    EdZnak = new QLineEdit(OwnCallSign, this);
    EdZnak->setObjectName(QStringLiteral("EdZnak"));
    EdZnak->setMaxLength(OwnCallSignMaxLength);
    EdZnak->setValidator(new UpperCaseValidator(EdZnak));
    EdZnak->setMinimumWidth(160);
    QFont bold = EdZnak->font();
    bold.setBold(true);
    EdZnak->setFont(bold);
    auto *label = new QLabel(QStringLiteral("&Znak stacji:"), this);
    label->setBuddy(EdZnak);
    auto *hint = new QLabel(QStringLiteral("Znak wywoławczy tej stacji, drukowany w dzienniku\n"
                                           "i na etykietach QSL: od 3 do 14 liter, cyfr i znaków \"/\"."),
                            this);

    OkBtn = new QPushButton(QStringLiteral("&OK"), this);
    OkBtn->setDefault(true);
    AnulujBtn = new QPushButton(QStringLiteral("&Anuluj"), this);

    auto *form = new QFormLayout;
    form->addRow(label, EdZnak);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(AnulujBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OkBtn, &QPushButton::clicked, this, &TZnakStacjiFrm::OkBtnClick);
    connect(AnulujBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TZnakStacjiFrm::OkBtnClick()
{
    const QString problem = OwnCallSignProblem(EdZnak->text());
    if (!problem.isEmpty()) {
        Messages::ShowWarning(problem);
        EdZnak->setFocus();
        EdZnak->selectAll();
        return;
    }
    StoreOwnCallSign(EdZnak->text());
    accept();
}
