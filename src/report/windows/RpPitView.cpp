#include "report/windows/RpPitView.h"

#include <QPainter>

TRpPitView::TRpPitView(std::unique_ptr<TRpCustomPit> pit, QWidget *parent)
    : QWidget(parent), pit_(std::move(pit))
{
    pit_->Repaint = [this] { update(); };
}

TRpPitView::~TRpPitView()
{
    pit_->Repaint = nullptr;
}

void TRpPitView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    pit_->PaintScreen(painter, width(), height());
}
