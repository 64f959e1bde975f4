#pragma once

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

class QFontMetrics;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive, bsInactive };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TExDropDownMenuPos { dmpBottom, dmpRight };

// The glyph of a button: a strip of up to five images (up, disabled, down,
// exclusive, inactive); missing ones are derived from the first.
class TExButtonGlyph {
public:
    struct Placement {
        QRect glyph;     // empty without a glyph
        QRect text;      // where the caption is drawn
        QString caption; // possibly shortened with "..."
        QPoint mark;     // the drop-down arrow's point
    };

    const QImage &GlyphBitmap() const { return bitmap_; }
    // A strip whose width is a multiple of its height sets NumGlyphs.
    void SetGlyphBitmap(const QImage &bitmap);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    QSize GlyphSize() const;
    QImage StateImage(TButtonState state) const;
    void DropImages() { cache_ = {}; }

    Placement CalcLayout(const QRect &client, const QString &caption, TButtonLayout layout, int margin,
                         int spacing, bool mark, const QFontMetrics &fm, bool wordWrap) const;

private:
    QImage Image(int index) const;

    QImage bitmap_; // transparent pixels already clear
    int numGlyphs_ = 1;
    mutable std::array<QImage, 5> cache_;
};

// A windowless-looking push button with glyph and caption, flat hot-tracking,
// exclusive groups, auto-repeat and a drop-down menu.
class TExSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit TExSpeedButton(QWidget *parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption);
    QImage Glyph() const { return glyph_.GlyphBitmap(); }
    void SetGlyph(const QImage &glyph);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int n);
    const TExButtonGlyph &ButtonGlyph() const { return glyph_; }

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    TButtonStyle Style() const { return style_; }
    void SetStyle(TButtonStyle style);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    int Margin() const { return margin_; }
    void SetMargin(int margin); // below -1 is ignored
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool MarkDropDown() const { return markDropDown_; }
    void SetMarkDropDown(bool mark);
    QMenu *DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(QMenu *menu);
    TExDropDownMenuPos MenuPosition() const { return menuPosition_; }
    void SetMenuPosition(TExDropDownMenuPos pos) { menuPosition_ = pos; }
    bool GrayedInactive() const { return grayedInactive_; }
    void SetGrayedInactive(bool grayed);
    bool AllowTimer() const { return allowTimer_; }
    void SetAllowTimer(bool allow);
    int InitPause() const { return initPause_; }
    void SetInitPause(int ms) { initPause_ = ms; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int ms) { repeatInterval_ = ms; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);

    TButtonState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }
    bool MenuTracking() const { return menuTracking_; }

    // The modal result goes to the owning dialog, then OnClick.
    virtual void Click();
    QSize sizeHint() const override;

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    virtual void PaintGlyph(QPainter &painter, const QRect &rect, TButtonState state, bool drawMark);
    // The client rectangle left inside the frame.
    QRect DrawButtonFrame(QPainter &painter, QRect rect, bool down);

    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void changeEvent(QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void Release(const QPoint &pos);
    void UpdateExclusive();
    void ButtonPressed(int group, TExSpeedButton *sender);
    void UpdateTracking();
    void RepeatTick();
    void DrawMark(QPainter &painter, QPoint at, bool enabled);

    TExButtonGlyph glyph_;
    QString caption_;
    int shortcutId_ = 0;
    int groupIndex_ = 0;
    TButtonStyle style_ = bsAutoDetect;
    bool down_ = false;
    bool dragging_ = false;
    bool flat_ = false;
    bool mouseInControl_ = false;
    bool allowAllUp_ = false;
    TButtonLayout layout_ = blGlyphTop;
    int spacing_ = 1;
    int margin_ = -1;
    int modalResult_ = 0;
    bool transparent_ = false;
    bool markDropDown_ = true;
    QPointer<QMenu> dropDownMenu_;
    TExDropDownMenuPos menuPosition_ = dmpBottom;
    bool grayedInactive_ = true;
    bool menuTracking_ = false;
    QTimer repeatTimer_;
    bool allowTimer_ = false;
    int initPause_ = 500;
    int repeatInterval_ = 100;
    bool wordWrap_ = false;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    TButtonState state_ = bsUp;
};
