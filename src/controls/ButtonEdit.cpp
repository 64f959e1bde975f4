#include "controls/ButtonEdit.h"

#include "controls/DrawUtils.h"
#include "controls/MaskedEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QValidator>

namespace {

// Upper or lower case for typed and pasted text alike.
class CaseValidator : public QValidator {
public:
    CaseValidator(TEditCharCase charCase, QObject *parent) : QValidator(parent), case_(charCase) {}
    State validate(QString &input, int &) const override
    {
        input = case_ == ecUpperCase ? input.toUpper() : input.toLower();
        return Acceptable;
    }

private:
    TEditCharCase case_;
};

QImage DropDownGlyph()
{
    QImage img(7, 4, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row)
        for (int x = row; x < 7 - row; ++x)
            img.setPixel(x, row, qRgb(0, 0, 0));
    return img;
}

} // namespace

QImage EllipsisGlyph(int buttonWidth)
{
    const int width = std::max(1, buttonWidth - 6);
    QImage img(width, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int gap = std::clamp((width - 6) / 2, 1, 3);
    const int margin = (width - 6 - 2 * gap) / 2;
    QPainter p(&img);
    for (int x : {margin, margin + gap + 2, margin + 2 * gap + 4})
        p.fillRect(x, 1, 2, 2, Qt::black);
    return img;
}

QImage ClearGlyph()
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
    return img;
}

// ---------------------------------------------------------------- button

TEditButton::TEditButton(TCustomButtonEdit *edit) : TExSpeedButton(edit), edit_(edit)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void TEditButton::Click()
{
    if (!noAction_)
        TExSpeedButton::Click();
    noAction_ = false;
}

void TEditButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        noAction_ = edit_->PopupVisible();
        if (edit_->PopupVisible())
            edit_->PopupCloseUp(true);
        else if ((edit_->focusPolicy() & Qt::TabFocus) && edit_->isEnabled() && !edit_->hasFocus())
            edit_->setFocus(Qt::MouseFocusReason);
    }
    TExSpeedButton::mousePressEvent(e);
}

void TEditButton::paintEvent(QPaintEvent *e)
{
    TExSpeedButton::paintEvent(e);
    if (State() == bsDown || State() == bsExclusive)
        return;
    QPainter p(this);
    p.setPen(palette().color(Style() == bsWin31 ? QPalette::Dark : QPalette::Button));
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(1, 1, 1, height() - 2);
}

// ---------------------------------------------------------------- edit

TCustomButtonEdit::TCustomButtonEdit(QWidget *parent) : QLineEdit(parent), button_(new TEditButton(this))
{
    button_->resize(buttonWidth_, 17);
    connect(button_, &TExSpeedButton::OnClick, this, &TCustomButtonEdit::EditButtonClick);
    connect(this, &QLineEdit::textChanged, this, [this] { Change(); });
    resize(width(), 21);
    setMinimumHeight(ButtonEditMinHeight(fontMetrics()));
    UpdateButtonPlacement();
}

void TCustomButtonEdit::SetButtonWidth(int width)
{
    if (width == buttonWidth_)
        return;
    if (!creating_ && width >= this->width())
        return;
    buttonWidth_ = width;
    RebuildGlyph();
    UpdateButtonPlacement();
}

void TCustomButtonEdit::SetGlyph(const QImage &glyph)
{
    button_->SetGlyph(glyph);
    glyphKind_ = gkCustom;
}

void TCustomButtonEdit::SetNumGlyphs(int n)
{
    if (glyphKind_ == gkDropDown || glyphKind_ == gkEllipsis)
        n = 1;
    else if (glyphKind_ == gkDefault)
        n = defNumGlyphs_;
    button_->SetNumGlyphs(n);
}

void TCustomButtonEdit::SetGlyphKind(TGlyphKind kind)
{
    if (kind == glyphKind_)
        return;
    glyphKind_ = kind;
    RebuildGlyph();
    if (kind == gkDefault && !Glyph().isNull())
        SetButtonWidth(std::max(Glyph().width() / NumGlyphs() + 6, ButtonWidth()));
    else if (kind == gkDropDown)
        SetButtonWidth(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
}

void TCustomButtonEdit::RebuildGlyph()
{
    switch (glyphKind_) {
    case gkDefault: {
        const QImage img = GetDefaultBitmap();
        if (!img.isNull()) {
            button_->SetGlyph(img);
            button_->SetNumGlyphs(defNumGlyphs_);
        }
        break;
    }
    case gkDropDown:
        button_->SetGlyph(DropDownGlyph());
        button_->SetNumGlyphs(1);
        break;
    case gkEllipsis:
        button_->SetGlyph(EllipsisGlyph(buttonWidth_));
        button_->SetNumGlyphs(1);
        break;
    case gkCustom: break;
    }
}

void TCustomButtonEdit::UpdateButtonPlacement()
{
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const bool visible = buttonWidth_ >= 2;
    button_->setGeometry(width() - frame - buttonWidth_, frame, buttonWidth_, height() - 2 * frame);
    button_->setVisible(visible);
    setTextMargins(0, 0, visible ? buttonWidth_ + 2 : 0, 0);
}

void TCustomButtonEdit::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    setReadOnly(readOnly_ || !directInput_);
}

void TCustomButtonEdit::SetDirectInput(bool direct)
{
    directInput_ = direct;
    setReadOnly(readOnly_ || !directInput_);
}

void TCustomButtonEdit::SetCharCase(TEditCharCase charCase)
{
    if (charCase == charCase_)
        return;
    charCase_ = charCase;
    delete validator();
    if (charCase != ecNormal) {
        setValidator(new CaseValidator(charCase, this));
        setText(charCase == ecUpperCase ? text().toUpper() : text().toLower());
    }
}

void TCustomButtonEdit::EditButtonClick()
{
    if (!readOnly_ || alwaysEnable_)
        ButtonClick();
}

void TCustomButtonEdit::ButtonClick()
{
    emit OnButtonClick();
    if (popup_) {
        if (popupVisible_)
            PopupCloseUp(true);
        else
            PopupDropDown(true);
    }
}

void TCustomButtonEdit::Change()
{
    if (popupVisible_)
        PopupChange();
    else
        emit OnChange();
}

void TCustomButtonEdit::PopupDropDown(bool disableEdit)
{
    if (!popup_ || popupVisible_)
        return;
    const QRect screen = this->screen()->availableGeometry();
    const QSize size = popup_->sizeHint();
    QPoint origin = mapToGlobal(QPoint(0, height()));
    if (origin.y() + size.height() > screen.bottom())
        origin.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
    if (popupAlign_ == 1)
        origin.setX(mapToGlobal(QPoint(width(), 0)).x() - size.width());
    else if (popupAlign_ == 2)
        origin.setX(mapToGlobal(QPoint(width() / 2, 0)).x() - size.width() / 2);
    origin.setX(
        std::clamp(origin.x(), screen.left(), std::max(screen.left(), screen.right() - size.width())));
    SetPopupValue(text());
    setFocus();
    ShowPopup(origin);
    popupVisible_ = true;
    if (disableEdit)
        setReadOnly(true);
}

void TCustomButtonEdit::ShowPopup(QPoint origin)
{
    popup_->move(origin);
    popup_->show();
}

void TCustomButtonEdit::HidePopup()
{
    popup_->hide();
}

void TCustomButtonEdit::PopupCloseUp(bool accept)
{
    if (!popup_ || !popupVisible_)
        return;
    const QVariant value = GetPopupValue();
    HidePopup();
    popupVisible_ = false;
    setFocus();
    setReadOnly(readOnly_ || !directInput_);
    if (accept && AcceptPopup(value) && EditCanModify())
        AcceptValue(value);
    if (hasFocus())
        selectAll();
    update();
}

void TCustomButtonEdit::AcceptValue(const QVariant &value)
{
    const QString newText = value.toString();
    if (newText != text()) {
        setText(newText);
        setModified(true);
    }
}

void TCustomButtonEdit::keyPressEvent(QKeyEvent *e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (popupVisible_ && (enter || e->key() == Qt::Key_Escape)) {
        PopupCloseUp(enter);
        e->accept();
        return;
    }
    const QKeySequence pressed(QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(e->key())));
    if (buttonWidth_ > 0 && !clickKey_.isEmpty() && pressed == clickKey_) {
        button_->Click();
        e->accept();
        return;
    }
    // Enter and Esc are left unaccepted by QLineEdit, so a dialog's default
    // and cancel buttons get them.
    QLineEdit::keyPressEvent(e);
}

void TCustomButtonEdit::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    if (autoSelect_ && directInput_ && e->reason() != Qt::MouseFocusReason &&
        !(QApplication::mouseButtons() & Qt::LeftButton))
        selectAll();
}

void TCustomButtonEdit::focusOutEvent(QFocusEvent *e)
{
    if (popupVisible_)
        PopupCloseUp(false);
    QLineEdit::focusOutEvent(e);
}

void TCustomButtonEdit::resizeEvent(QResizeEvent *e)
{
    QLineEdit::resizeEvent(e);
    UpdateButtonPlacement();
}

void TCustomButtonEdit::changeEvent(QEvent *e)
{
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        setMinimumHeight(ButtonEditMinHeight(fontMetrics()));
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        UpdateButtonPlacement();
}

void TCustomButtonEdit::SetEditMask(const QString &mask)
{
    ::SetEditMask(this, mask);
}
