#pragma once

#include "report/layout/RpPrintable.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <functional>

class QPainter;

// Printables that draw boxed fields of a form. Each paints itself on screen
// (PaintScreen, W x H pixels) and draws itself on the report page.
class TRpCustomPit : public TRpPrintable {
public:
    TRpCustomPit();

    QPen Pen{Qt::black, 1};
    QBrush Brush{Qt::white};
    QFont Font;
    // Called when something shown changed, so that a display repaints.
    std::function<void()> Repaint;

    virtual void PaintScreen(QPainter &painter, int width, int height) const = 0;
    void Print(int offsetX, int offsetY) override;

protected:
    // The device corners of the printable at the band's offset.
    struct Corners {
        int x1, y1, x2, y2;
    };
    virtual void PaintPage(Canvas &canvas, const Corners &c) const = 0;
    void Changed() const;
};

// A framed box with a small caption in its top-left corner.
class TRpCustomBox : public TRpCustomPit {
public:
    TRpCustomBox();

    const QString &Caption() const { return caption_; }
    void SetCaption(const QString &caption);
    QFont CaptionFont;
    QChar ZnakOdstepuGora() const { return gora_; }
    QChar ZnakOdstepuDol() const { return dol_; }
    void SetZnakOdstepuGora(QChar c);
    void SetZnakOdstepuDol(QChar c);

    void PaintScreen(QPainter &painter, int width, int height) const override;

protected:
    void PaintPage(Canvas &canvas, const Corners &c) const override;

private:
    QString caption_;
    QChar gora_{'M'}, dol_{'M'};
};

// A box whose text is written along its bottom edge.
class TRpTextBox : public TRpCustomBox {
public:
    TRpTextBox();

    const QString &Text() const { return text_; }
    void SetText(const QString &text);
    Qt::AlignmentFlag TextAlignment() const { return alignment_; }
    void SetTextAlignment(Qt::AlignmentFlag alignment);

    void PaintScreen(QPainter &painter, int width, int height) const override;

protected:
    void PaintPage(Canvas &canvas, const Corners &c) const override;

private:
    QString text_;
    Qt::AlignmentFlag alignment_ = Qt::AlignLeft;
};

// A box holding an amount of money (four decimals fixed point), right-aligned.
class TRpIntBox : public TRpCustomBox {
public:
    qint64 Value() const { return value_; } // in 1/10000
    void SetValue(qint64 value);
    void SetAmount(double amount) { SetValue(qint64(std::llround(amount * 10000))); }
    bool PrintZL() const { return printZL_; }
    void SetPrintZL(bool on);
    bool PrintZero() const { return printZero_; }
    void SetPrintZero(bool on);
    // Whole units with the locale's thousands separators, " zł" when asked.
    QString FormattedText() const;

    void PaintScreen(QPainter &painter, int width, int height) const override;

protected:
    void PaintPage(Canvas &canvas, const Corners &c) const override;

private:
    qint64 value_ = 0;
    bool printZL_ = false;
    bool printZero_ = true;
};

enum class THAlignment { haLeft, haCenter, haRight };
enum class TVAlignment { vaTop, vaCenter, vaBottom };

// A plain framed cell with a caption placed by its two alignments.
class TRpCell : public TRpCustomPit {
public:
    TRpCell();

    const QString &Caption() const { return caption_; }
    void SetCaption(const QString &caption);
    THAlignment HorAlignment() const { return hor_; }
    void SetHorAlignment(THAlignment a);
    TVAlignment VertAlignment() const { return vert_; }
    void SetVertAlignment(TVAlignment a);

    void PaintScreen(QPainter &painter, int width, int height) const override;

protected:
    void PaintPage(Canvas &canvas, const Corners &c) const override;

private:
    QString caption_;
    THAlignment hor_ = THAlignment::haLeft;
    TVAlignment vert_ = TVAlignment::vaTop;
};
