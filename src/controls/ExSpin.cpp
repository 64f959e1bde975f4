#include "controls/ExSpin.h"

#include "controls/DrawUtils.h"
#include "platform/NumFormat.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

namespace {

// "EXSPINUP" and "EXSPINDOWN": small black triangles.
QImage ArrowGlyph(bool up)
{
    QImage img(5, 3, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int row = 0; row < 3; ++row) {
        const int y = up ? row : 2 - row;
        for (int x = 2 - row; x <= 2 + row; ++x)
            img.setPixel(x, y, qRgb(0, 0, 0));
    }
    return img;
}

constexpr int InitRepeatPause = 400;
constexpr int RepeatPause = 100;

} // namespace

// ---------------------------------------------------------------- diagonal button

TExSpinButton::TExSpinButton(QWidget *parent) : QWidget(parent)
{
    upGlyph_ = ArrowGlyph(true);
    downGlyph_ = ArrowGlyph(false);
    resize(20, 20);
    connect(&repeatTimer_, &QTimer::timeout, this, &TExSpinButton::TimerExpired);
}

void TExSpinButton::SetUpGlyph(const QImage &glyph)
{
    upGlyph_ = glyph.isNull() ? ArrowGlyph(true) : glyph;
    cacheValid_ = false;
    update();
}

void TExSpinButton::SetDownGlyph(const QImage &glyph)
{
    downGlyph_ = glyph.isNull() ? ArrowGlyph(false) : glyph;
    cacheValid_ = false;
    update();
}

void TExSpinButton::SetDownState(TSpinButtonState state)
{
    if (state == down_)
        return;
    down_ = state;
    repaint();
}

void TExSpinButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    if (focusControl_ && focusControl_->isEnabled() && (focusControl_->focusPolicy() & Qt::ClickFocus) &&
        !focusControl_->hasFocus())
        focusControl_->setFocus(Qt::MouseFocusReason);
    if (down_ == sbNotDown) {
        const double w = width(), h = height();
        const QPointF p = e->position();
        lastDown_ = p.x() < h - (h / w) * p.y() ? sbTopDown : sbBottomDown;
        down_ = lastDown_;
        repaint();
        DoClick();
        repeatTimer_.start(InitRepeatPause);
    }
    dragging_ = true;
}

void TExSpinButton::DoClick()
{
    if (down_ == sbTopDown)
        emit OnTopClick();
    else if (down_ == sbBottomDown)
        emit OnBottomClick();
    if (!(QApplication::mouseButtons() & Qt::LeftButton))
        SetDownState(sbNotDown);
}

void TExSpinButton::TimerExpired()
{
    repeatTimer_.setInterval(RepeatPause);
    if (down_ != sbNotDown && dragging_)
        DoClick();
}

void TExSpinButton::mouseMoveEvent(QMouseEvent *e)
{
    if (!dragging_)
        return;
    const QPointF p = e->position();
    TSpinButtonState state = sbNotDown;
    if (rect().contains(p.toPoint())) {
        const double w = width(), h = height();
        const TSpinButtonState under = p.y() < h - (w / h) * p.x() ? sbTopDown : sbBottomDown;
        state = under == lastDown_ ? under : sbNotDown;
    }
    SetDownState(state);
}

void TExSpinButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    repeatTimer_.stop();
    if (rect().contains(e->position().toPoint())) {
        lastDown_ = sbNotDown;
        SetDownState(sbNotDown);
    }
}

void TExSpinButton::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::PaletteChange) {
        cacheValid_ = false;
        update();
    }
}

QPixmap TExSpinButton::DrawBitmap(TSpinButtonState state) const
{
    const int w = width(), h = height();
    QPixmap pm(w, h);
    const QPalette &pal = palette();
    pm.fill(pal.color(QPalette::Button));
    QPainter p(&pm);
    const QColor highlight = pal.color(QPalette::Light), shadow = pal.color(QPalette::Dark);
    const bool topDown = state == sbTopDown, bottomDown = state == sbBottomDown;
    // Upper-left half: lit on the top and left edges when raised.
    p.setPen(topDown ? shadow : highlight);
    p.drawLine(1, 1, w - 3, 1);
    p.drawLine(1, 1, 1, h - 3);
    p.setPen(topDown ? highlight : shadow);
    p.drawLine(1, h - 3, w - 3, 1);
    // Lower-right half: shaded on the right and bottom edges when raised.
    p.setPen(bottomDown ? highlight : shadow);
    p.drawLine(w - 2, 2, w - 2, h - 2);
    p.drawLine(2, h - 2, w - 2, h - 2);
    p.setPen(bottomDown ? shadow : highlight);
    p.drawLine(2, h - 2, w - 2, 2);
    p.setPen(pal.color(QPalette::Shadow));
    p.drawRect(0, 0, w - 1, h - 1);
    p.drawLine(0, h - 1, w - 1, 0);
    const bool enabled = isEnabled();
    const QImage up = enabled ? upGlyph_ : CreateDisabledBitmap(upGlyph_, clNone);
    const QImage down = enabled ? downGlyph_ : CreateDisabledBitmap(downGlyph_, clNone);
    const int d = topDown ? 2 : 1;
    p.drawImage(int(std::lround(w / 4.0 - up.width() / 2.0)) + d,
                int(std::lround(h / 4.0 - up.height() / 2.0)) + d, up);
    p.drawImage(int(std::lround(3 * w / 4.0 - down.width() / 2.0)) - 1,
                int(std::lround(3 * h / 4.0 - down.height() / 2.0)) - 1, down);
    return pm;
}

void TExSpinButton::paintEvent(QPaintEvent *)
{
    if (!isEnabled())
        down_ = sbNotDown;
    if (!cacheValid_ || cache_[0].size() != size()) {
        for (int s = 0; s < 3; ++s)
            cache_[s] = DrawBitmap(TSpinButtonState(s));
        cacheValid_ = true;
    }
    QPainter(this).drawPixmap(0, 0, cache_[down_]);
}

// ---------------------------------------------------------------- up-down

TExUpDown::TExUpDown(QWidget *parent) : QWidget(parent)
{
    resize(DefaultWidth(), 20);
    connect(&repeatTimer_, &QTimer::timeout, this, [this] {
        repeatTimer_.setInterval(RepeatPause);
        Step();
    });
}

int TExUpDown::DefaultWidth()
{
    return std::min(15, QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void TExUpDown::SetPosition(int position)
{
    position = std::clamp(position, -1, 1);
    if (position == position_)
        return;
    position_ = position;
    emit OnChanging(position_);
}

void TExUpDown::Step()
{
    if (pressed_ != 0)
        SetPosition(pressed_);
}

void TExUpDown::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    pressed_ = e->position().y() < height() / 2.0 ? 1 : -1;
    update();
    Step();
    repeatTimer_.start(InitRepeatPause);
}

void TExUpDown::mouseReleaseEvent(QMouseEvent *)
{
    pressed_ = 0;
    repeatTimer_.stop();
    update();
}

void TExUpDown::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int half = height() / 2;
    const QRect parts[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton bevel;
        bevel.initFrom(this);
        bevel.rect = parts[i];
        const bool sunken = pressed_ == (i == 0 ? 1 : -1);
        bevel.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &bevel, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = parts[i].adjusted(2, 1, -2, -1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow,
                               &p, this);
    }
}

// ---------------------------------------------------------------- edit

TExSpinEdit::TExSpinEdit(QWidget *parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0"));
    setMinimumHeight(ButtonEditMinHeight(fontMetrics()));
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!changing_)
            emit OnChange();
    });
    CreateButton();
}

TExSpinEdit::~TExSpinEdit()
{
    changing_ = true;
}

double TExSpinEdit::CheckValue(double value) const
{
    if (minValue_ == maxValue_)
        return value;
    if (value < minValue_)
        return minValue_;
    if (value > maxValue_)
        return maxValue_;
    return value;
}

double TExSpinEdit::RawValue() const
{
    const QString t = text().trimmed();
    bool ok = false;
    switch (valueType_) {
    case vtFloat: {
        double v = 0;
        return TextToFloat(t, v) ? v : minValue_;
    }
    case vtHex: {
        const qlonglong n = t.toLongLong(&ok, 16);
        return ok ? double(n) : std::trunc(minValue_);
    }
    case vtInteger: break;
    }
    const qlonglong n = t.toLongLong(&ok, 10);
    return ok ? double(n) : std::trunc(minValue_);
}

double TExSpinEdit::Value() const
{
    return CheckValue(RawValue());
}

void TExSpinEdit::SetValue(double value)
{
    value = CheckValue(value);
    switch (valueType_) {
    case vtFloat:
        setText(
            QString::number(value, 'f', decimal_).replace(u'.', CurrentFormatSettings().DecimalSeparator));
        break;
    case vtHex: {
        const qlonglong n = qlonglong(std::nearbyint(value));
        setText((n < 0 ? QString::number(qulonglong(n), 16) : QString::number(n, 16)).toUpper());
        break;
    }
    case vtInteger: setText(QString::number(qlonglong(std::nearbyint(value)))); break;
    }
}

void TExSpinEdit::SetDecimal(int decimal)
{
    if (decimal == decimal_)
        return;
    const double v = Value();
    decimal_ = decimal;
    SetValue(v);
}

void TExSpinEdit::SetValueType(TValueType type)
{
    if (type == valueType_)
        return;
    const double v = Value();
    valueType_ = type;
    if (type != vtFloat) {
        increment_ = std::nearbyint(increment_);
        if (increment_ == 0)
            increment_ = 1;
    }
    SetValue(v);
}

void TExSpinEdit::SetEditorEnabled(bool on)
{
    editorEnabled_ = on;
    setReadOnly(readOnly_ || !editorEnabled_);
}

void TExSpinEdit::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    setReadOnly(readOnly_ || !editorEnabled_);
}

void TExSpinEdit::Step(double delta, bool up)
{
    if (readOnly_) {
        Beep();
        return;
    }
    changing_ = true;
    const QString old = text();
    SetValue(Value() + delta);
    changing_ = false;
    if (text().compare(old, Qt::CaseInsensitive) != 0) {
        setModified(true);
        emit OnChange();
    }
    if (up)
        emit OnTopClick();
    else
        emit OnBottomClick();
}

void TExSpinEdit::UpClick()
{
    Step(increment_, true);
}
void TExSpinEdit::DownClick()
{
    Step(-increment_, false);
}

bool TExSpinEdit::IsValidChar(QChar key) const
{
    if (key == QChar(127)) // the Delete key
        return editorEnabled_;
    if (!editorEnabled_)
        return key < u' ' && key != u'\b';
    if (key < u' ' || QStringLiteral("+-0123456789").contains(key))
        return true;
    if (valueType_ == vtFloat) {
        if (key == CurrentFormatSettings().DecimalSeparator && !text().contains(key))
            return true;
        if ((key == u'E' || key == u'e') && !text().toUpper().contains(u'E'))
            return true;
    }
    if (valueType_ == vtHex && QStringLiteral("ABCDEFabcdef").contains(key))
        return true;
    return false;
}

void TExSpinEdit::keyPressEvent(QKeyEvent *e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (arrowKeys_ && mods == Qt::NoModifier && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
        if (e->key() == Qt::Key_Up)
            UpClick();
        else
            DownClick();
        e->accept();
        return;
    }
    const QString typed = e->text();
    if (typed.size() == 1 && !(mods & (Qt::ControlModifier | Qt::AltModifier)) && !IsValidChar(typed[0])) {
        Beep();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TExSpinEdit::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    if (autoSelect_ && e->reason() != Qt::MouseFocusReason)
        selectAll();
}

void TExSpinEdit::focusOutEvent(QFocusEvent *e)
{
    const double raw = RawValue();
    if (CheckValue(raw) != raw)
        SetValue(raw);
    QLineEdit::focusOutEvent(e);
}

int TExSpinEdit::ButtonWidth() const
{
    if (upDown_)
        return upDown_->width();
    if (spinButton_)
        return spinButton_->width();
    return TExUpDown::DefaultWidth();
}

void TExSpinEdit::SetButtonKind(TSpinButtonKind kind)
{
    if (kind == buttonKind_)
        return;
    buttonKind_ = kind;
    CreateButton();
}

void TExSpinEdit::CreateButton()
{
    delete spinButton_;
    delete upDown_;
    spinButton_ = nullptr;
    upDown_ = nullptr;
    if (buttonKind_ == bkDiagonal) {
        spinButton_ = new TExSpinButton(this);
        spinButton_->SetFocusControl(this);
        spinButton_->setCursor(Qt::ArrowCursor);
        connect(spinButton_, &TExSpinButton::OnTopClick, this, &TExSpinEdit::UpClick);
        connect(spinButton_, &TExSpinButton::OnBottomClick, this, &TExSpinEdit::DownClick);
        spinButton_->show();
    } else {
        upDown_ = new TExUpDown(this);
        upDown_->setCursor(Qt::ArrowCursor);
        connect(upDown_, &TExUpDown::OnChanging, this, &TExSpinEdit::UpDownChanging);
        upDown_->show();
    }
    PlaceButton();
}

void TExSpinEdit::UpDownChanging(int position)
{
    if (upDownGuard_)
        return;
    if (isEnabled() && focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
    if (position > 0)
        UpClick();
    else if (position < 0)
        DownClick();
    upDownGuard_ = true;
    upDown_->SetPosition(0);
    upDownGuard_ = false;
}

void TExSpinEdit::PlaceButton()
{
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const int inner = height() - 2 * frame;
    int buttonWidth = 0;
    if (spinButton_) {
        buttonWidth = inner;
        spinButton_->setGeometry(rtl ? frame : width() - frame - inner, frame, inner, inner);
    } else if (upDown_) {
        buttonWidth = TExUpDown::DefaultWidth();
        upDown_->setGeometry(rtl ? frame : width() - frame - buttonWidth, frame, buttonWidth, inner);
    }
    if (rtl)
        setTextMargins(buttonWidth + 1, 0, 0, 0);
    else
        setTextMargins(0, 0, buttonWidth + 2, 0);
}

void TExSpinEdit::resizeEvent(QResizeEvent *e)
{
    QLineEdit::resizeEvent(e);
    PlaceButton();
}

void TExSpinEdit::changeEvent(QEvent *e)
{
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        setMinimumHeight(ButtonEditMinHeight(fontMetrics()));
    if (e->type() == QEvent::FontChange || e->type() == QEvent::LayoutDirectionChange ||
        e->type() == QEvent::StyleChange)
        PlaceButton();
}
