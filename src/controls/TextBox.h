#pragma once

#include <QBrush>
#include <QPen>
#include <QWidget>

// A framed, filled rectangle with one line of text centred in it. The
// statistics window reads Brush back to tell the state a box shows.
class TTextBox : public QWidget {
    Q_OBJECT
public:
    explicit TTextBox(QWidget *parent = nullptr);

    const QPen &Pen() const { return pen_; }
    void SetPen(const QPen &pen);
    const QBrush &Brush() const { return brush_; }
    void SetBrush(const QBrush &brush);
    QFont Font() const { return font(); }
    void SetFont(const QFont &font) { setFont(font); }
    QString Text() const { return text_; }
    void SetText(const QString &text);

    // The frame's corners as drawn: left and top inclusive, right and bottom
    // exclusive, from the pen width and the box size.
    QRect FrameRect() const;

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void StyleChanged() { update(); }

    QPen pen_{Qt::black, 1};
    QBrush brush_{Qt::white};
    QString text_;
};
