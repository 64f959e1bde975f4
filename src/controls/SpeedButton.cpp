#include "controls/SpeedButton.h"

#include "controls/DrawUtils.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

// ---------------------------------------------------------------- glyph

void TExButtonGlyph::SetGlyphBitmap(const QImage &bitmap)
{
    cache_ = {};
    bitmap_ = bitmap.isNull() ? QImage()
                              : ApplyTransparentColor(bitmap, bitmap.hasAlphaChannel() ? clNone : clDefault);
    if (!bitmap_.isNull() && bitmap_.height() > 0 && bitmap_.width() % bitmap_.height() == 0) {
        const int n = bitmap_.width() / bitmap_.height();
        numGlyphs_ = n > 5 ? 1 : n;
    }
}

void TExButtonGlyph::SetNumGlyphs(int n)
{
    n = std::clamp(n, 1, 5);
    if (n != numGlyphs_) {
        numGlyphs_ = n;
        cache_ = {};
    }
}

QSize TExButtonGlyph::GlyphSize() const
{
    return bitmap_.isNull() ? QSize(0, 0) : QSize(bitmap_.width() / numGlyphs_, bitmap_.height());
}

QImage TExButtonGlyph::Image(int index) const
{
    const QSize size = GlyphSize();
    return bitmap_.copy(index * size.width(), 0, size.width(), size.height());
}

QImage TExButtonGlyph::StateImage(TButtonState state) const
{
    if (bitmap_.isNull())
        return {};
    QImage &img = cache_[state];
    if (!img.isNull())
        return img;
    switch (state) {
    case bsUp: img = Image(0); break;
    case bsDisabled: img = numGlyphs_ >= 2 ? Image(1) : CreateDisabledBitmap(Image(0), clNone); break;
    case bsDown: img = Image(numGlyphs_ >= 3 ? 2 : 0); break;
    case bsExclusive: img = Image(numGlyphs_ >= 4 ? 3 : 0); break;
    case bsInactive:
        if (numGlyphs_ >= 5) {
            img = Image(4);
        } else {
            img = Image(0);
            const QRgb face = QGuiApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFF;
            for (int y = 0; y < img.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb p = line[x];
                    if (qAlpha(p) == 0 || (p & 0xFFFFFF) == face)
                        continue;
                    const int grey = (qRed(p) * 77 + qGreen(p) * 150 + qBlue(p) * 29) >> 8;
                    line[x] = qRgba(grey, grey, grey, qAlpha(p));
                }
            }
        }
        break;
    }
    return img;
}

TExButtonGlyph::Placement TExButtonGlyph::CalcLayout(const QRect &client, const QString &caption,
                                                     TButtonLayout layout, int margin, int spacing, bool mark,
                                                     const QFontMetrics &fm, bool wordWrap) const
{
    Placement result;
    const QSize gs = GlyphSize();
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    const int fixed = (margin != -1 ? margin : 0) + (spacing != -1 ? spacing : 0);
    const int availW =
        std::max(0, horizontal ? client.width() - gs.width() - fixed - (mark ? 9 : 0) : client.width());
    const int availH = std::max(0, horizontal ? client.height() : client.height() - gs.height() - fixed);

    QString text = caption.left(255);
    if (!wordWrap && !text.isEmpty()) {
        QStringList lines = text.split(u'\n');
        for (QString &line : lines)
            line = ShortenText(fm, line, availW);
        text = lines.join(u'\n');
    }
    result.caption = text;
    QSize ts(0, 0);
    if (!text.isEmpty())
        ts = fm.boundingRect(QRect(0, 0, availW, availH),
                             Qt::AlignCenter | Qt::TextShowMnemonic | (wordWrap ? Qt::TextWordWrap : 0), text)
                 .size();

    int gw = gs.width(), tw = ts.width();
    if (mark) {
        if (gs.isEmpty() || layout == blGlyphLeft)
            tw += 9;
        else
            gw += 6;
    }
    const int cw = client.width(), ch = client.height();
    QPoint gp, tp;
    if (horizontal) {
        gp.setY(ch / 2 - gs.height() / 2);
        tp.setY(ch / 2 - ts.height() / 2);
    } else {
        gp.setX(cw / 2 - gw / 2);
        tp.setX(cw / 2 - tw / 2);
    }
    const int clientLen = horizontal ? cw : ch;
    const int gLen = horizontal ? gw : gs.height();
    const int tLen = horizontal ? tw : ts.height();
    if (gLen == 0 || tLen == 0)
        spacing = 0;
    if (margin == -1 && spacing == -1) {
        margin = spacing = (clientLen - gLen - tLen) / 3;
    } else if (margin == -1) {
        margin = clientLen / 2 - (gLen + spacing + tLen) / 2;
    } else if (spacing == -1) {
        spacing = (clientLen - margin - gLen) / 2 - tLen / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        gp.setX(margin);
        tp.setX(gp.x() + gLen + spacing);
        break;
    case blGlyphRight:
        gp.setX(cw - margin - gLen);
        tp.setX(gp.x() - spacing - tLen);
        break;
    case blGlyphTop:
        gp.setY(margin);
        tp.setY(gp.y() + gLen + spacing);
        break;
    case blGlyphBottom:
        gp.setY(ch - margin - gLen);
        tp.setY(gp.y() - spacing - tLen);
        break;
    }
    result.glyph = QRect(gp + client.topLeft(), gs);
    result.text = QRect(tp + client.topLeft(), ts);
    if (layout != blGlyphLeft && !gs.isEmpty())
        result.mark = QPoint(result.glyph.x() + gs.width() + 1, result.glyph.y() + gs.height() / 2);
    else
        result.mark =
            QPoint(text.isEmpty() ? (2 * client.left() + cw - 7) / 2 : result.text.x() + ts.width() + 3,
                   result.text.y() + ts.height() / 2);
    return result;
}

// ---------------------------------------------------------------- button

TExSpeedButton::TExSpeedButton(QWidget *parent) : QWidget(parent)
{
    resize(25, 25);
    connect(&repeatTimer_, &QTimer::timeout, this, &TExSpeedButton::RepeatTick);
}

void TExSpeedButton::SetCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    if (shortcutId_)
        releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    if (!mnemonic.isEmpty())
        shortcutId_ = grabShortcut(mnemonic);
    updateGeometry();
    update();
}

void TExSpeedButton::SetGlyph(const QImage &glyph)
{
    glyph_.SetGlyphBitmap(glyph);
    updateGeometry();
    update();
}

void TExSpeedButton::SetNumGlyphs(int n)
{
    glyph_.SetNumGlyphs(std::min(n, 5));
    update();
}

void TExSpeedButton::SetGroupIndex(int index)
{
    if (index == groupIndex_)
        return;
    groupIndex_ = index;
    UpdateExclusive();
}

void TExSpeedButton::SetDown(bool down)
{
    if (groupIndex_ == 0)
        down = false;
    if (down == down_)
        return;
    if (down_ && !allowAllUp_)
        return;
    down_ = down;
    if (down) {
        if (state_ == bsUp)
            repaint();
        state_ = bsExclusive;
    } else {
        state_ = bsUp;
        repaint();
    }
    if (down)
        UpdateExclusive();
    update();
}

void TExSpeedButton::SetAllowAllUp(bool allow)
{
    if (allow == allowAllUp_)
        return;
    allowAllUp_ = allow;
    UpdateExclusive();
}

void TExSpeedButton::SetFlat(bool flat)
{
    flat_ = flat;
    update();
}

void TExSpeedButton::SetStyle(TButtonStyle style)
{
    style_ = style;
    update();
}

void TExSpeedButton::SetLayout(TButtonLayout layout)
{
    layout_ = layout;
    update();
}

void TExSpeedButton::SetSpacing(int spacing)
{
    spacing_ = spacing;
    update();
}

void TExSpeedButton::SetMargin(int margin)
{
    if (margin < -1 || margin == margin_)
        return;
    margin_ = margin;
    update();
}

void TExSpeedButton::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void TExSpeedButton::SetMarkDropDown(bool mark)
{
    markDropDown_ = mark;
    update();
}

void TExSpeedButton::SetDropDownMenu(QMenu *menu)
{
    if (menu == dropDownMenu_)
        return;
    dropDownMenu_ = menu;
    if (markDropDown_)
        update();
}

void TExSpeedButton::SetGrayedInactive(bool grayed)
{
    grayedInactive_ = grayed;
    update();
}

void TExSpeedButton::SetAllowTimer(bool allow)
{
    allowTimer_ = allow;
    if (!allow)
        repeatTimer_.stop();
}

void TExSpeedButton::SetWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    update();
}

void TExSpeedButton::SetAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void TExSpeedButton::Click()
{
    if (modalResult_ != 0)
        if (auto *dialog = qobject_cast<QDialog *>(window()))
            dialog->done(modalResult_);
    emit OnClick();
}

QSize TExSpeedButton::sizeHint() const
{
    const QSize gs = glyph_.GlyphSize();
    const QSize ts = caption_.isEmpty() ? QSize(0, 0) : fontMetrics().size(Qt::TextShowMnemonic, caption_);
    if (layout_ == blGlyphLeft || layout_ == blGlyphRight)
        return QSize(std::max(25, gs.width() + ts.width() + 12),
                     std::max({25, gs.height() + 8, ts.height() + 8}));
    return QSize(std::max({25, gs.width() + 8, ts.width() + 8}),
                 std::max(25, gs.height() + ts.height() + 12));
}

void TExSpeedButton::UpdateExclusive()
{
    if (groupIndex_ == 0 || !parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TExSpeedButton *>(Qt::FindDirectChildrenOnly);
    for (TExSpeedButton *b : siblings)
        b->ButtonPressed(groupIndex_, this);
}

void TExSpeedButton::ButtonPressed(int group, TExSpeedButton *sender)
{
    if (group != groupIndex_ || sender == this)
        return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = bsUp;
        repaint();
    }
    allowAllUp_ = sender->allowAllUp_;
}

bool TExSpeedButton::event(QEvent *e)
{
    if (e->type() == QEvent::Shortcut) {
        if (static_cast<QShortcutEvent *>(e)->shortcutId() == shortcutId_ && isEnabled()) {
            Click();
            return true;
        }
    }
    return QWidget::event(e);
}

QRect TExSpeedButton::DrawButtonFrame(QPainter &p, QRect r, bool down)
{
    const QPalette &pal = palette();
    const QColor face = pal.color(QPalette::Button);
    const QColor highlight = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor frame = pal.color(QPalette::Shadow);
    const bool newLook = style_ != bsWin31;
    auto frame3D = [&](const QColor &topLeft, const QColor &bottomRight) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.bottom(), r.left(), r.top());
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.setPen(bottomRight);
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
        r.adjust(1, 1, -1, -1);
    };
    if (!down) {
        if (newLook) {
            if (!flat_)
                frame3D(highlight, frame);
            frame3D(flat_ ? highlight : face, shadow);
        } else if (!flat_) {
            frame3D(frame, frame);
            frame3D(highlight, shadow);
        } else {
            frame3D(highlight, frame);
        }
    } else if (newLook) {
        frame3D(frame, highlight);
        if (!flat_)
            frame3D(shadow, face);
    } else if (!flat_) {
        frame3D(frame, frame);
        p.setPen(shadow);
        p.drawLine(r.left(), r.bottom(), r.left(), r.top());
        p.drawLine(r.left(), r.top(), r.right(), r.top());
    } else {
        frame3D(frame, highlight);
    }
    return r.adjusted(1, 1, -1, -1);
}

void TExSpeedButton::paintEvent(QPaintEvent *)
{
    if (!isEnabled()) {
        state_ = bsDisabled;
        dragging_ = false;
    } else if (state_ == bsDisabled) {
        state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
    }
    const TButtonState paintState = flat_ && !mouseInControl_ ? bsInactive : state_;
    QPainter p(this);
    if (!transparent_)
        p.fillRect(rect(), palette().color(QPalette::Button));
    QRect r = rect();
    const bool down = state_ == bsDown || state_ == bsExclusive;
    if (paintState != bsInactive || state_ == bsExclusive)
        r = DrawButtonFrame(p, r, down);
    else if (flat_)
        r.adjust(2, 2, -2, -2);
    if (state_ == bsExclusive && !transparent_ && !(flat_ && mouseInControl_))
        p.fillRect(r, QBrush(palette().color(QPalette::Light), Qt::Dense4Pattern));
    if (down)
        r.translate(1, 1);
    const TButtonState glyphState = state_ == bsDisabled || !grayedInactive_ ? state_ : paintState;
    PaintGlyph(p, r, glyphState, markDropDown_ && dropDownMenu_);
}

void TExSpeedButton::PaintGlyph(QPainter &p, const QRect &rect, TButtonState state, bool drawMark)
{
    const TExButtonGlyph::Placement place =
        glyph_.CalcLayout(rect, caption_, layout_, margin_, spacing_, drawMark, fontMetrics(), wordWrap_);
    if (!place.glyph.isEmpty())
        p.drawImage(place.glyph.topLeft(), glyph_.StateImage(state));
    const bool enabled = state != bsDisabled;
    if (!place.caption.isEmpty()) {
        const int flags = int(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter |
                          Qt::TextShowMnemonic | (wordWrap_ ? Qt::TextWordWrap : 0);
        if (!enabled) {
            p.setPen(palette().color(QPalette::Light));
            p.drawText(place.text.translated(1, 1), flags, place.caption);
            p.setPen(palette().color(QPalette::Dark));
        } else {
            p.setPen(palette().color(QPalette::ButtonText));
        }
        p.drawText(place.text, flags, place.caption);
    }
    if (drawMark)
        DrawMark(p, place.mark, enabled);
}

void TExSpeedButton::DrawMark(QPainter &p, QPoint at, bool enabled)
{
    auto arrow = [&](QPoint o, const QColor &colour) {
        p.setPen(colour);
        p.drawLine(o.x(), o.y() - 1, o.x() + 6, o.y() - 1);
        p.drawLine(o.x() + 1, o.y(), o.x() + 5, o.y());
        p.drawLine(o.x() + 2, o.y() + 1, o.x() + 4, o.y() + 1);
        p.drawPoint(o.x() + 3, o.y() + 2);
    };
    if (enabled) {
        arrow(at, palette().color(QPalette::ButtonText));
    } else {
        arrow(at + QPoint(1, 1), palette().color(QPalette::Light));
        arrow(at, palette().color(QPalette::Dark));
    }
}

void TExSpeedButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !isEnabled() || menuTracking_) {
        QWidget::mousePressEvent(e);
        if (e->button() == Qt::RightButton)
            UpdateTracking();
        return;
    }
    mouseInControl_ = true;
    if (state_ == bsUp) {
        state_ = bsDown;
        repaint();
    }
    dragging_ = true;
    menuTracking_ = true;
    if (dropDownMenu_) {
        QPoint at(-1, height());
        if (menuPosition_ == dmpRight)
            at = QPoint(width(), -1);
        // The press that closes the menu must not reach the button again and reopen it.
        dropDownMenu_->setAttribute(Qt::WA_NoMouseReplay);
        dropDownMenu_->exec(mapToGlobal(at));
        Release(mapFromGlobal(QCursor::pos()));
    }
    menuTracking_ = false;
    if (allowTimer_ && dragging_)
        repeatTimer_.start(initPause_);
}

void TExSpeedButton::mouseMoveEvent(QMouseEvent *e)
{
    if (!dragging_)
        return;
    const QPoint pos = e->position().toPoint();
    const bool inside = pos.x() >= 0 && pos.x() < width() && pos.y() >= 0 && pos.y() <= height();
    TButtonState newState = down_ ? bsExclusive : bsUp;
    if (inside)
        newState = down_ ? bsExclusive : bsDown;
    if (newState != state_) {
        state_ = newState;
        update();
    }
}

void TExSpeedButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && dragging_)
        Release(e->position().toPoint());
    else if (e->button() == Qt::RightButton)
        UpdateTracking();
}

void TExSpeedButton::Release(const QPoint &pos)
{
    dragging_ = false;
    const bool doClick = pos.x() >= 0 && pos.x() < width() && pos.y() >= 0 && pos.y() <= height();
    if (groupIndex_ == 0) {
        state_ = bsUp;
        mouseInControl_ = false;
        repaint();
    } else if (doClick) {
        SetDown(!down_);
        if (down_)
            repaint();
    } else {
        if (down_)
            state_ = bsExclusive;
        repaint();
    }
    if (doClick && !menuTracking_)
        Click();
    repeatTimer_.stop();
    UpdateTracking();
}

void TExSpeedButton::mouseDoubleClickEvent(QMouseEvent *e)
{
    mousePressEvent(e);
    if (down_)
        emit OnDblClick();
}

void TExSpeedButton::RepeatTick()
{
    repeatTimer_.setInterval(repeatInterval_);
    if (state_ == bsDown && dragging_)
        Click();
}

void TExSpeedButton::enterEvent(QEnterEvent *e)
{
    QWidget::enterEvent(e);
    if (!isEnabled() || mouseInControl_)
        return;
    mouseInControl_ = true;
    if (flat_)
        update();
    emit OnMouseEnter();
}

void TExSpeedButton::leaveEvent(QEvent *e)
{
    QWidget::leaveEvent(e);
    if (!isEnabled() || dragging_ || !mouseInControl_)
        return;
    mouseInControl_ = false;
    if (flat_)
        update();
    emit OnMouseLeave();
}

void TExSpeedButton::UpdateTracking()
{
    if (!isEnabled() || !isVisible())
        return;
    const bool inside = rect().contains(mapFromGlobal(QCursor::pos()));
    if (inside == mouseInControl_)
        return;
    mouseInControl_ = inside;
    if (flat_)
        update();
    if (inside)
        emit OnMouseEnter();
    else
        emit OnMouseLeave();
}

void TExSpeedButton::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) {
        UpdateTracking();
        update();
    } else if (e->type() == QEvent::PaletteChange) {
        glyph_.DropImages();
        update();
    }
}

void TExSpeedButton::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    UpdateTracking();
}
