#include "controls/NumberEdit.h"

#include "controls/DrawUtils.h"
#include "platform/NumFormat.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace {

bool IsValidFloatText(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar dec = CurrentFormatSettings().DecimalSeparator;
    for (QChar c : text)
        if (!(c.isDigit() || c == u'+' || c == u'-' || c == u'E' || c == u'e' || c == dec))
            return false;
    double v = 0;
    return TextToFloat(text.left(63), v);
}

} // namespace

TCustomNumberEdit::TCustomNumberEdit(QWidget *parent) : TCustomButtonEdit(parent)
{
    displayFormat_ = GetDefaultDisplayFormat();
    setAlignment(Qt::AlignLeft);
    setAcceptDrops(false);
    SetDefNumGlyphs(2);
    DataChanged();
    SetGlyphKind(gkDefault);
    SetButtonWidth(20);
    creating_ = false;
}

QImage TCustomNumberEdit::GetDefaultBitmap() const
{
    // "NUMEDITBMP": a small calculator, normal and disabled, side by side.
    static const QImage bitmap = [] {
        QImage img(28, 12, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        auto calculator = [&p](int x0, const QColor &ink, const QColor &display) {
            p.setPen(ink);
            p.drawRect(x0 + 2, 0, 9, 11);
            p.fillRect(x0 + 4, 2, 6, 2, display);
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col)
                    p.fillRect(x0 + 4 + col * 2, 5 + row * 2, 1, 1, ink);
        };
        calculator(0, Qt::black, QColor(0, 128, 0));
        calculator(15, QColor(255, 255, 255), QColor(255, 255, 255));
        calculator(14, QColor(128, 128, 128), QColor(128, 128, 128));
        return img;
    }();
    return bitmap;
}

double TCustomNumberEdit::CheckValue(double value, bool raise) const
{
    double result = value;
    if (minValue_ < maxValue_)
        result = std::clamp(value, minValue_, maxValue_);
    else if (minValue_ > maxValue_) {
        if (maxValue_ == 0)
            result = std::max(value, minValue_);
        else if (minValue_ == 0)
            result = std::min(value, maxValue_);
    }
    if (raise && result != value) {
        const QChar dec = CurrentFormatSettings().DecimalSeparator;
        auto number = [&](double v) { return QString::number(v, 'f', decimalPlaces_).replace(u'.', dec); };
        throw ERangeError(QStringLiteral("Value must be between %1 and %2")
                              .arg(number(minValue_), number(maxValue_))
                              .toStdString());
    }
    return result;
}

QString TCustomNumberEdit::Normalise(QString text) const
{
    const FormatSettings &fs = CurrentFormatSettings();
    const QChar dec = fs.DecimalSeparator, thousand = fs.ThousandSeparator;
    text = text.trimmed();
    if (dec != thousand && !thousand.isNull())
        text.remove(thousand);
    if (dec != u'.' && thousand != u'.')
        text.replace(u'.', dec);
    if (dec != u',' && thousand != u',')
        text.replace(u',', dec);
    if (text.isEmpty())
        return QStringLiteral("0");
    if (text == u"-")
        return QStringLiteral("-0");
    return text;
}

bool TCustomNumberEdit::UpdateValue()
{
    double v = 0;
    if (!TextToFloat(Normalise(text()), v)) {
        if (beepOnError_)
            Beep();
        return false;
    }
    value_ = CheckValue(v, false);
    return true;
}

double TCustomNumberEdit::Value()
{
    UpdateValue();
    return value_;
}

void TCustomNumberEdit::SetValue(double value)
{
    value_ = CheckValue(value, false);
    DataChanged();
    update();
}

void TCustomNumberEdit::SetText(const QString &text)
{
    value_ = CheckValue(StrToFloat(Normalise(text)), false);
    DataChanged();
    update();
}

void TCustomNumberEdit::SetMinValue(double value)
{
    if (value == minValue_)
        return;
    minValue_ = value;
    SetValue(value_);
}

void TCustomNumberEdit::SetMaxValue(double value)
{
    if (value == maxValue_)
        return;
    maxValue_ = value;
    SetValue(value_);
}

void TCustomNumberEdit::SetDecimalPlaces(int places)
{
    if (places == decimalPlaces_)
        return;
    decimalPlaces_ = std::max(0, places);
    DataChanged();
    update();
}

void TCustomNumberEdit::SetBeepOnError(bool beep)
{
    beepOnError_ = beep;
    UpdatePopup();
}

void TCustomNumberEdit::SetZeroEmpty(bool zeroEmpty)
{
    if (zeroEmpty == zeroEmpty_)
        return;
    zeroEmpty_ = zeroEmpty;
    DataChanged();
}

void TCustomNumberEdit::SetDisplayFormat(const QString &format)
{
    if (format == displayFormat_)
        return;
    displayFormat_ = format;
    update();
    DataChanged();
}

void TCustomNumberEdit::SetAlignment(Qt::Alignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    if (formatOnEditing_)
        setAlignment(alignment_);
    update();
}

void TCustomNumberEdit::SetFormatOnEditing(bool on)
{
    if (on == formatOnEditing_)
        return;
    formatOnEditing_ = on;
    setAlignment(on ? alignment_ : Qt::AlignLeft);
    if (!hasFocus())
        return;
    if (on) {
        Reformat();
    } else {
        UpdateValue();
        DataChanged();
    }
}

void TCustomNumberEdit::CheckRange()
{
    double v = 0;
    if (TextToFloat(Normalise(text()), v))
        CheckValue(v, true);
}

void TCustomNumberEdit::Reset()
{
    DataChanged();
    if (DirectInput())
        selectAll();
}

void TCustomNumberEdit::DataChanged()
{
    QString format = QStringLiteral("0");
    if (decimalPlaces_ > 0)
        format += u'.' + QString(decimalPlaces_, u'#');
    dataChanging_ = true;
    setText(value_ == 0 && zeroEmpty_ ? QString() : FormatFloat(format, value_));
    dataChanging_ = false;
}

QString TCustomNumberEdit::FormatDisplayText(double value) const
{
    return displayFormat_.isEmpty() ? FloatToStr(value) : FormatFloat(displayFormat_, value);
}

bool TCustomNumberEdit::IsValidChar(QChar key)
{
    QString s = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    s.replace(start, selectedText().size(), key);
    s = Normalise(s);
    const QChar dec = CurrentFormatSettings().DecimalSeparator;
    const qsizetype point = s.indexOf(dec);
    if (point >= 0) {
        qsizetype end = point + 1;
        while (end < s.size() && s[end] != u'E' && s[end] != u'e')
            ++end;
        if (end - point - 1 > decimalPlaces_)
            return false;
    }
    if (!IsValidFloatText(s))
        return false;
    double v = 0;
    TextToFloat(s.left(63), v);
    return !(minValue_ >= 0 && maxValue_ > 0 && v < 0);
}

void TCustomNumberEdit::keyPressEvent(QKeyEvent *e)
{
    const QString typed = e->text();
    const bool character = typed.size() == 1 && typed[0] >= u' ' && typed[0] != QChar(127) &&
                           !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (character) {
        const FormatSettings &fs = CurrentFormatSettings();
        QChar ch = typed[0];
        // An edit that shows no grouping while editing has no use for a typed
        // thousands separator: either mark is the decimal one, whatever the locale.
        if ((ch == u',' || ch == u'.') && (!formatOnEditing_ || ch != fs.ThousandSeparator))
            ch = fs.DecimalSeparator;
        if (!IsValidChar(ch)) {
            if (beepOnError_)
                Beep();
            e->accept();
            return;
        }
        if (ch != typed[0]) {
            if (!isReadOnly())
                insert(QString(ch));
            e->accept();
            return;
        }
    } else if (e->matches(QKeySequence::Paste)) {
        Paste();
        e->accept();
        return;
    } else if (e->key() == Qt::Key_Escape && !PopupVisible() && !qobject_cast<QDialog *>(window())) {
        Reset();
        e->accept();
        return;
    }
    TCustomButtonEdit::keyPressEvent(e);
}

void TCustomNumberEdit::Paste()
{
    if (isReadOnly())
        return;
    const QString old = text();
    paste();
    if (text() == old)
        return;
    double v = 0;
    if (TextToFloat(Normalise(text()), v)) {
        value_ = CheckValue(v, false);
        return;
    }
    setText(old);
    selectAll();
    setFocus();
    if (beepOnError_)
        Beep();
}

void TCustomNumberEdit::contextMenuEvent(QContextMenuEvent *e)
{
    QMenu *menu = createStandardContextMenu();
    if (QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &TCustomNumberEdit::Paste);
    }
    menu->exec(e->globalPos());
    delete menu;
}

void TCustomNumberEdit::Change()
{
    if (formatting_)
        return;
    if (formatOnEditing_ && hasFocus())
        Reformat();
    // Text set from outside while unfocused is what the display must show.
    double v = 0;
    if (!hasFocus() && !dataChanging_ && TextToFloat(Normalise(text()), v)) {
        value_ = CheckValue(v, false);
        update();
    }
    TCustomButtonEdit::Change();
}

void TCustomNumberEdit::Reformat()
{
    const QString old = text();
    if (old.isEmpty() || old == u"-")
        return;
    formatting_ = true;
    const FormatSettings &fs = CurrentFormatSettings();
    QString s = Normalise(old);
    QString sign;
    if (s.startsWith(u'+') || s.startsWith(u'-')) {
        sign = s.left(1);
        s.remove(0, 1);
    }
    qsizetype end = 0;
    while (end < s.size() && s[end] != fs.DecimalSeparator && s[end] != u'E' && s[end] != u'e')
        ++end;
    QString digits = s.left(end);
    if (displayFormat_.contains(u',') && !fs.ThousandSeparator.isNull())
        for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
            digits.insert(i, fs.ThousandSeparator);
    const QString formatted = sign + digits + s.mid(end);
    if (formatted != old) {
        const int cursor = cursorPosition() + int(formatted.size() - old.size());
        setText(formatted);
        setCursorPosition(std::clamp(cursor, 0, int(formatted.size())));
    }
    formatting_ = false;
}

void TCustomNumberEdit::focusInEvent(QFocusEvent *e)
{
    DataChanged();
    if (formatOnEditing_)
        Reformat();
    TCustomButtonEdit::focusInEvent(e);
    update();
}

void TCustomNumberEdit::focusOutEvent(QFocusEvent *e)
{
    // An exception cannot leave an event handler: an out-of-range value beeps
    // and is clamped by the update step.
    if (checkOnExit_) {
        try {
            CheckRange();
        } catch (const ERangeError &) {
            Beep();
        }
    }
    UpdateValue();
    setCursorPosition(0);
    TCustomButtonEdit::focusOutEvent(e);
    update();
}

void TCustomNumberEdit::paintEvent(QPaintEvent *e)
{
    if (hasFocus() && !PopupVisible()) {
        TCustomButtonEdit::paintEvent(e);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opt, &p, this);
    const QRect r = style()
                        ->subElementRect(QStyle::SE_LineEditContents, &opt, this)
                        .marginsRemoved(textMargins())
                        .adjusted(2, 0, -2, 0);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    p.drawText(r, int(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, FormatDisplayText(value_));
}

// ---------------------------------------------------------------- amount

TAmountEdit::TAmountEdit(QWidget *parent) : TCustomNumberEdit(parent)
{
    displayFormat_ = GetDefaultDisplayFormat();
    creating_ = true;
    SetButtonWidth(0);
    creating_ = false;
}

QString TAmountEdit::GetDefaultDisplayFormat() const
{
    const FormatSettings &fs = CurrentFormatSettings();
    QString currency;
    for (QChar c : fs.CurrencyString)
        currency += c == u',' || c == u'.' ? u'\'' + QString(c) + u'\'' : QString(c);
    const QString number = QStringLiteral(",0.") + QString(fs.CurrencyDecimals, u'0');
    QString f;
    switch (fs.CurrencyFormat) {
    case 0: f = currency + number; break;
    case 1: f = number + currency; break;
    case 2: f = currency + u' ' + number; break;
    default: f = number + u' ' + currency; break;
    }
    return f + QStringLiteral(";-") + f;
}
