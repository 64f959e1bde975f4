#include "report/windows/RpEditors.h"

#include "platform/gui/DialogParent.h"
#include "report/layout/RpExpr.h"
#include "report/layout/RpLabel.h"
#include "report/layout/RpReport.h"
#include "report/windows/FRpExprBuilder.h"
#include "report/windows/FRpLabelSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString SizeText(double value)
{
    return QString::number(Nearest(value));
}

// An empty size field keeps the size it had.
void TakeSize(const QLineEdit *edit, TRpPrintableSize &size, void (TRpPrintableSize::*set)(double))
{
    bool ok = false;
    const double value = edit->text().trimmed().toDouble(&ok);
    if (ok)
        (size.*set)(value);
}

} // namespace

TRpCustomLabel &TRpLabelEditor::Label() const
{
    return static_cast<TRpCustomLabel &>(Printable);
}

QColor TRpLabelEditor::Color() const
{
    return Label().Color;
}

QFont TRpLabelEditor::Font() const
{
    return Label().Font();
}

QString TRpLabelEditor::Text() const
{
    return Label().Caption();
}

void TRpLabelEditor::SetColor(const QColor &color)
{
    Label().Color = color;
}

void TRpLabelEditor::SetFont(const QFont &font)
{
    Label().SetFont(font);
}

void TRpLabelEditor::SetText(const QString &text)
{
    if (auto *label = dynamic_cast<TRpLabel *>(&Printable))
        label->SetCaption(text);
}

bool TRpLabelEditor::RunSettings(TRpLabelSettingsDlg &dialog)
{
    TRpCustomLabel &label = Label();
    dialog.Value->setText(Text());
    dialog.Width->setText(SizeText(label.Size.Width()));
    dialog.Height->setText(SizeText(label.Size.Height()));
    dialog.Autosize->setChecked(label.AutoSize());
    dialog.Stretch->setChecked(label.AutoStretch);
    dialog.Transparent->setChecked(label.Transparent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    SetText(dialog.Value->text());
    TakeSize(dialog.Width, label.Size, &TRpPrintableSize::SetWidth);
    TakeSize(dialog.Height, label.Size, &TRpPrintableSize::SetHeight);
    label.SetAutoSize(dialog.Autosize->isChecked());
    label.AutoStretch = dialog.Stretch->isChecked();
    label.Transparent = dialog.Transparent->isChecked();
    return true;
}

bool TRpLabelEditor::ShowEditor()
{
    TRpLabelSettingsDlg dialog(false, DialogParent());
    return RunSettings(dialog);
}

QString TRpExprEditor::Text() const
{
    return static_cast<TRpExpr &>(Printable).Expression();
}

void TRpExprEditor::SetText(const QString &text)
{
    static_cast<TRpExpr &>(Printable).SetExpression(text);
}

bool TRpExprEditor::ShowEditor()
{
    auto &expr = static_cast<TRpExpr &>(Printable);
    TRpLabelSettingsDlg dialog(true, DialogParent());
    dialog.Mask->setCurrentText(expr.Mask);
    TCustomReport *report = expr.ParentReport();
    QObject::connect(dialog.BuilderButton, &QPushButton::clicked, &dialog, [&dialog, report] {
        QString text = dialog.Value->text();
        if (ShowExpressionBuilder(QString(), text, report, report ? &report->Functions : nullptr, nullptr))
            dialog.Value->setText(text);
    });
    if (!RunSettings(dialog))
        return false;
    expr.Mask = dialog.Mask->currentText();
    return true;
}

void RegisterReportEditors()
{
    RegisterPrintableEditor(QStringLiteral("TRpLabelEditor"),
                            [](TRpPrintable &p) { return std::make_unique<TRpLabelEditor>(p); });
    RegisterPrintableEditor(QStringLiteral("TRpExprEditor"),
                            [](TRpPrintable &p) { return std::make_unique<TRpExprEditor>(p); });
}
