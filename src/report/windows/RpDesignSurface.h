#pragma once

#include <QWidget>

class QPainter;
class TCustomReport;
class TRpCustomBand;
class TRpPrintable;

// The design view of a report: the paper as a white panel with rulers, a
// grid, margin and column lines, and the bands stacked in print order, each
// labelled with its type, with its printables and their corner marks.
class TRpDesignSurface : public QWidget {
    Q_OBJECT
public:
    explicit TRpDesignSurface(TCustomReport &report, QWidget *parent = nullptr);
    ~TRpDesignSurface() override;

    // Width of the rulers along the top and the left edge, in pixels.
    static constexpr int RulerSize = 20;

    // 1 to 300 percent; other values are ignored.
    void SetZoom(int zoom);
    // Lays the bands out again and repaints (after bands or page values changed).
    void Relayout();
    QSize sizeHint() const override;

    // The band whose lower edge is at the point (within 3 pixels), if any.
    TRpCustomBand *BandEdgeAt(const QPoint &point) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect PaperRect() const;
    void PaintRulers(QPainter &painter, const QRect &paper);
    void PaintGrid(QPainter &painter, const QRect &paper);
    void PaintMargins(QPainter &painter, const QRect &paper);
    void PaintBand(QPainter &painter, TRpCustomBand &band, const QRect &rect);
    void PaintPrintable(QPainter &painter, const QRect &bandRect, TRpPrintable &printable);
    double ScreenFactor() const;

    TCustomReport &report_;
    TRpCustomBand *resizing_ = nullptr;
    int resizeTop_ = 0;
};
