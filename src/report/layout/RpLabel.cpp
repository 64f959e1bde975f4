#include "report/layout/RpLabel.h"

#include "platform/db/DataSet.h"
#include "platform/print/Canvas.h"
#include "report/expr/RpMask.h"
#include "report/layout/RpBand.h"
#include "report/layout/RpCanvas.h"
#include "report/pages/RpExportFilter.h"
#include "report/printer/RpPrinter.h"

#include <QFontMetricsF>
#include <algorithm>

namespace {

bool IsBreak(QChar c)
{
    return c == QChar(13) || c == QChar(' ') || c == QChar('-');
}

} // namespace

TRpCustomLabel::TRpCustomLabel()
{
    Transparent = false;
}

void TRpCustomLabel::SetAutoSize(bool on)
{
    autoSize_ = on;
    formatted_ = false;
}

void TRpCustomLabel::SetWordWrap(bool on)
{
    wordWrap_ = on;
    formatted_ = false;
}

Canvas *TRpCustomLabel::PrintCanvas() const
{
    return Printing() && RpPrinter() ? RpPrinter()->GetCanvas() : nullptr;
}

void TRpCustomLabel::SetFont(const QFont &font)
{
    font_ = font;
    canvasFont_ = ToCanvasFont(font);
    lineHeight_ = -1;
    widths_.clear();
    formatted_ = false;
    FormatLines();
}

void TRpCustomLabel::SetAlignment(TRpAlignment alignment)
{
    TRpPrintable::SetAlignment(alignment);
    formatted_ = false;
}

void TRpCustomLabel::SetCaptionText(const QString &text)
{
    caption_ = text;
    printCaption_ = text;
    formatted_ = false;
    FormatLines();
}

const QStringList &TRpCustomLabel::FormattedLines()
{
    if (!formatted_)
        FormatLines();
    return lines_;
}

double TRpCustomLabel::TextWidth(const QString &text) const
{
    Canvas *canvas = PrintCanvas();
    if (!canvas)
        return QFontMetricsF(font_).horizontalAdvance(text) * 254 / 96;
    // Bands, modes, reports and names come back record after record: keep their widths.
    if (widthsDpi_ != canvas->dpiX() || widths_.size() > 512) {
        widths_.clear();
        widthsDpi_ = canvas->dpiX();
    }
    if (auto known = widths_.constFind(text); known != widths_.constEnd())
        return *known;
    canvas->setFont(canvasFont_);
    const double width = canvas->textWidth(text) / RpPrinter()->XFactor();
    widths_.insert(text, width);
    return width;
}

double TRpCustomLabel::LineHeight() const
{
    // The same for every record of a run: measured once per font and resolution.
    Canvas *canvas = PrintCanvas();
    const double dpi = canvas ? canvas->dpiY() : 0;
    if (lineHeightDpi_ != dpi || lineHeight_ < 0) {
        if (canvas) {
            canvas->setFont(canvasFont_);
            lineHeight_ = canvas->textHeight(QStringLiteral("W")) / RpPrinter()->YFactor();
        } else {
            lineHeight_ = QFontMetricsF(font_).height() * 254 / 96;
        }
        lineHeightDpi_ = dpi;
    }
    return lineHeight_;
}

void TRpCustomLabel::FormatLines()
{
    lines_.clear();
    if (Lines.isEmpty() || CaptionIsSource()) {
        FormatText(Printing() ? printCaption_ : caption_);
    } else if (autoSize_) {
        lines_ = Lines;
    } else {
        for (const QString &line : Lines)
            FormatText(line);
    }
    if (autoSize_ && !resizing_)
        AutoSizeWidth();
    formatted_ = true;
}

void TRpCustomLabel::FormatText(const QString &source)
{
    QString text = source;
    text.remove(QChar(10));
    if (text.contains(QChar(13))) {
        for (const QString &piece : text.split(QChar(13)))
            FormatText(piece);
        return;
    }
    if (autoSize_) {
        lines_.append(text);
        return;
    }
    const double width = Size.Native(TRpPrintableSize::WidthIdx);
    if (TextWidth(text) <= width) { // most texts fit: one measure instead of one per word
        lines_.append(text);
        return;
    }
    QString line;
    int i = 0;
    while (i < text.size()) {
        int end = i;
        while (end < text.size() && !IsBreak(text[end]))
            ++end;
        if (end < text.size())
            ++end; // the break character stays with its word
        QString word = text.mid(i, end - i);
        i = end;
        if (TextWidth(line + word) <= width) {
            line += word;
            continue;
        }
        if (!line.isEmpty()) {
            lines_.append(line);
            line.clear();
            if (!wordWrap_)
                return;
        }
        // A word wider than the label is cut where it stops fitting.
        while (TextWidth(word) > width && word.size() > 1) {
            int fit = 1;
            while (fit < word.size() && TextWidth(word.left(fit + 1)) <= width)
                ++fit;
            lines_.append(word.left(fit));
            if (!wordWrap_)
                return;
            word = word.mid(fit);
        }
        line = word;
    }
    if (!line.isEmpty() || lines_.isEmpty())
        lines_.append(line);
}

double TRpCustomLabel::FrameInset(bool drawn) const
{
    return drawn && Frame.Width > 0 ? Nearest(Frame.Width / 72.0 * 254) : 0;
}

void TRpCustomLabel::AutoSizeWidth()
{
    resizing_ = true;
    double widest = 0;
    for (const QString &line : lines_)
        widest = std::max(widest, TextWidth(line));
    const double newWidth = widest + FrameInset(Frame.DrawLeft) + FrameInset(Frame.DrawRight);
    const double oldWidth = Size.Native(TRpPrintableSize::WidthIdx);
    const double left = Size.Native(TRpPrintableSize::LeftIdx);
    if (Alignment() == TRpAlignment::Right)
        Size.SetNative(TRpPrintableSize::LeftIdx, left - (newWidth - oldWidth));
    else if (Alignment() == TRpAlignment::Center)
        Size.SetNative(TRpPrintableSize::LeftIdx, left - (newWidth - oldWidth) / 2);
    Size.SetNative(TRpPrintableSize::WidthIdx, newWidth);
    const double lineHeight = LineHeight();
    if (Size.Native(TRpPrintableSize::HeightIdx) < lineHeight)
        Size.SetNative(TRpPrintableSize::HeightIdx, lineHeight);
    resizing_ = false;
}

void TRpCustomLabel::Prepare()
{
    TRpPrintable::Prepare();
    printCaption_ = caption_;
    nextLine_ = 0;
    formatted_ = false;
}

void TRpCustomLabel::Unprepare()
{
    TRpPrintable::Unprepare();
    nextLine_ = 0;
    PrintFinished = true;
    formatted_ = false;
}

void TRpCustomLabel::FinishPrint()
{
    nextLine_ = 0;
    PrintFinished = true;
}

void TRpCustomLabel::Print(int offsetX, int offsetY)
{
    if (!ShouldDraw())
        return;
    TRpPrinter &printer = *RpPrinter();
    Canvas &canvas = *printer.GetCanvas();
    const QString kept = printCaption_;
    if (OnPrint && nextLine_ == 0) {
        QString text = printCaption_;
        OnPrint(*this, text);
        if (text != printCaption_) {
            printCaption_ = text;
            formatted_ = false;
        }
    }
    const QStringList &lines = FormattedLines();
    const double lineHeight = LineHeight();
    double left = offsetX + Size.Native(TRpPrintableSize::LeftIdx);
    const double top = offsetY + Size.Native(TRpPrintableSize::TopIdx);
    const double width = Size.Native(TRpPrintableSize::WidthIdx);
    double height = Size.Native(TRpPrintableSize::HeightIdx);
    // On a band already filled with the same colour the fill would change nothing.
    TRpCustomBand *band = ParentBand();
    const bool sameAsBand = band && !band->TransparentBand && band->Color == Color;
    TRpExportFilter *filter = ExportFilter();
    if (!Transparent) {
        const QRect area = DeviceArea(left, top, left + width, top + height);
        if (!sameAsBand) {
            canvas.setBrush(SolidBrush(Color));
            canvas.fillRect(area);
        }
        if (filter)
            filter->Rectangle(area, Color);
    }
    const double textLeft = left + FrameInset(Frame.DrawLeft);
    const double textTop = top + FrameInset(Frame.DrawTop);
    canvas.setFont(canvasFont_);
    bool hasExpanded = false;
    int row = 0;
    PrintFinished = true;
    for (int i = nextLine_; i < lines.size(); ++i, ++row) {
        const double y = textTop + row * lineHeight;
        if (y + lineHeight > top + height + 0.5) {
            if (!AutoStretch || !band)
                break;
            double newHeight = 0;
            if (!band->CanExpand(lineHeight)) {
                nextLine_ = i;
                PrintFinished = false;
                break;
            }
            band->ExpandBand(lineHeight, newHeight, hasExpanded);
            height += lineHeight;
        }
        double x = textLeft;
        if (Alignment() == TRpAlignment::Right)
            x = left + width - TextWidth(lines[i]);
        else if (Alignment() == TRpAlignment::Center)
            x = left + (width - TextWidth(lines[i])) / 2;
        canvas.setFont(canvasFont_);
        canvas.textOut(printer.XPos(x), printer.YPos(y), lines[i]);
        if (filter)
            filter->Text(QPoint(printer.XPos(x), printer.YPos(y)), lines[i], font_);
    }
    if (PrintFinished)
        nextLine_ = 0;
    if (printCaption_ != kept) {
        printCaption_ = kept;
        formatted_ = false;
    }
    TRpPrintable::Print(offsetX, offsetY);
}

TRpDBText::TRpDBText()
{
    SetAutoSize(false);
}

void TRpDBText::Prepare()
{
    TRpCustomLabel::Prepare();
    field_ = DataSet ? DataSet->FindField(DataField) : nullptr;
    isMemo_ = field_ && field_->DataType() == FieldType::Memo;
    if (isMemo_)
        SetCaptionText(QString());
}

QString TRpDBText::ValueText() const
{
    if (!field_ || !DataSet || !DataSet->Active() || DataSet->IsEmpty())
        return QString();
    try {
        const FieldType type = field_->DataType();
        if (type == FieldType::Memo || IsStringType(type) || Mask.isEmpty())
            return type == FieldType::Memo ? field_->AsString() : field_->DisplayText();
        if (IsIntegerType(type) || type == FieldType::Float)
            return field_->IsNull() ? QString()
                                    : FormatNumberMask(Mask, field_->AsFloat()).value_or(QString());
        if (IsDateTimeType(type))
            return field_->IsNull() ? QString() : FormatDateTimeMask(Mask, field_->AsDateTime());
    } catch (const std::exception &) {
    }
    return QString();
}

void TRpDBText::TakeValue()
{
    const QString text = ValueText();
    if (isMemo_) {
        Lines = text.split(QChar(10));
        Invalidate();
    } else if (text != Caption() || Lines.size()) {
        Lines.clear();
        SetCaptionText(text);
    }
}

double TRpDBText::NeededHeight()
{
    TakeValue();
    return FormattedLines().size() * LineHeight();
}

void TRpDBText::Print(int offsetX, int offsetY)
{
    if (PrintProgress() == 0)
        TakeValue();
    TRpCustomLabel::Print(offsetX, offsetY);
}
