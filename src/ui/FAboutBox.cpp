#include "ui/FAboutBox.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programie..."));

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    ProgramIcon->setFixedSize(64, 64);

    ProductName = new QLabel(QStringLiteral("Quarn 3.0"), this);
    QFont big = ProductName->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    ProductName->setFont(big);
    Version = new QLabel(QStringLiteral("Wersja z 10.12.2020 r."), this);

    // The program's own contact block: what it is and what it is for.
    Comments = new QLabel(QStringLiteral("Quarn - dziennik łączności stacji krótkofalarskiej.\n\n"
                                         "Prowadzi log łączności (QSO), wyznacza kraj DXCC, kontynent,\n"
                                         "strefy ITU i CQ, odległość i azymut, importuje i eksportuje\n"
                                         "pliki ADIF, liczy statystyki dyplomów, drukuje dziennik\n"
                                         "i etykiety QSL."),
                          this);
    Comments->setObjectName(QStringLiteral("Comments"));

    OkBtn = new QPushButton(QStringLiteral("&OK"), this);
    OkBtn->setDefault(true);

    auto *titles = new QVBoxLayout;
    titles->addWidget(ProductName);
    titles->addWidget(Version);
    titles->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(ProgramIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(titles, 1);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addWidget(Comments);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}
