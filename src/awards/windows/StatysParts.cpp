#include "awards/windows/StatysParts.h"

#include "controls/TextBox.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

TTextBox *NewLegendCell(QBoxLayout *row, const QString &label, const QColor &colour, QWidget *parent)
{
    auto *cell = new TTextBox(parent);
    cell->setFixedSize(24, 16);
    cell->SetBrush(colour);
    auto *text = new QLabel(label, parent);
    row->addWidget(cell);
    row->addWidget(text);
    row->addSpacing(16);
    return cell;
}

QGroupBox *NewProgressGroup(QWidget *parent, QProgressBar *&bar)
{
    auto *box = new QGroupBox(QStringLiteral("Zaawansowanie"), parent);
    bar = new QProgressBar(box);
    bar->setTextVisible(false);
    auto *row = new QHBoxLayout(box);
    row->addWidget(bar);
    box->hide();
    return box;
}
