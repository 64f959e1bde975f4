#include "awards/windows/StatysParts.h"

#include "controls/TextBox.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
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

QImage ClearGlyph()
{
    QImage glyph(9, 9, QImage::Format_ARGB32);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setPen(QPen(Qt::black, 1.5));
    p.setRenderHint(QPainter::Antialiasing);
    p.drawLine(QPointF(1.5, 1.5), QPointF(7.5, 7.5));
    p.drawLine(QPointF(7.5, 1.5), QPointF(1.5, 7.5));
    return glyph;
}
