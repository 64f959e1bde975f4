#pragma once

#include "platform/print/Canvas.h"
#include "report/layout/RpPrintable.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStringList>
#include <functional>

class DataSet;
class Field;

// A text turned into lines (line breaks, word wrap, auto-size) and drawn on the
// page, growing its band when it may stretch.
class TRpCustomLabel : public TRpPrintable {
public:
    TRpCustomLabel();

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool AutoStretch = false;
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    const QFont &Font() const { return font_; }
    void SetFont(const QFont &font);
    QColor Color = Qt::white;
    QStringList Lines; // multi-line source text (memo fields)
    std::function<void(TRpCustomLabel &, QString &text)> OnPrint;

    const QString &Caption() const { return caption_; }
    const QStringList &FormattedLines();
    void SetAlignment(TRpAlignment alignment) override;

    void Prepare() override;
    void Print(int offsetX, int offsetY) override;
    void Unprepare() override;
    int PrintProgress() const override { return nextLine_; }
    void FinishPrint() override;

    // Width of a text and height of a line in 0.1 mm, measured at the run's
    // resolution while printing.
    double TextWidth(const QString &text) const;
    double LineHeight() const;

protected:
    void SetCaptionText(const QString &text);
    virtual bool CaptionIsSource() const { return true; }
    void FormatLines();
    void Invalidate() { formatted_ = false; }

private:
    void FormatText(const QString &text);
    void AutoSizeWidth();
    double FrameInset(bool drawn) const;

    Canvas *PrintCanvas() const;

    bool autoSize_ = true;
    bool wordWrap_ = true;
    bool formatted_ = false;
    bool resizing_ = false;
    QFont font_;
    CanvasFont canvasFont_;
    mutable double lineHeight_ = -1;
    mutable double lineHeightDpi_ = 0;
    mutable QHash<QString, double> widths_;
    mutable double widthsDpi_ = 0;
    QString caption_;
    QString printCaption_;
    QStringList lines_;
    int nextLine_ = 0;
};

class TRpLabel : public TRpCustomLabel {
public:
    void SetCaption(const QString &caption) { SetCaptionText(caption); }
    QString EditorClass() const override { return QStringLiteral("TRpLabelEditor"); }
};

// The value of a dataset field.
class TRpDBText : public TRpCustomLabel {
public:
    TRpDBText();

    ::DataSet *DataSet = nullptr;
    QString DataField;
    QString Mask;

    void Prepare() override;
    void Print(int offsetX, int offsetY) override;
    // The field's text as printed: display text, or the value through the mask.
    QString ValueText() const;
    // Height (0.1 mm) its current value needs.
    double NeededHeight();
    double StretchedHeight() override { return NeededHeight(); }

protected:
    bool CaptionIsSource() const override { return !isMemo_; }

private:
    void TakeValue();

    Field *field_ = nullptr;
    bool isMemo_ = false;
};
