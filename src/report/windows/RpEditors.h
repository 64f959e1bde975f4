#pragma once

#include "report/layout/RpPrintableEditor.h"

class TRpCustomLabel;
class TRpLabelSettingsDlg;

// Editor of a text label: its settings dialog "Text Settings".
class TRpLabelEditor : public TRpPrintableEditor {
public:
    using TRpPrintableEditor::TRpPrintableEditor;

    QColor Color() const override;
    QFont Font() const override;
    QString EditedClass() const override { return QStringLiteral("TRpLabel"); }
    QString Text() const override;
    QString Identifier() const override { return QStringLiteral("RPLABEL"); }
    QString Description() const override { return QStringLiteral("Text Control"); }
    TRpAlignment Alignment() const override { return Printable.Alignment(); }
    void SetAlignment(TRpAlignment alignment) override { Printable.SetAlignment(alignment); }
    void SetColor(const QColor &color) override;
    void SetFont(const QFont &font) override;
    void SetText(const QString &text) override;
    bool ShowEditor() override;

protected:
    TRpCustomLabel &Label() const;
    // Fills the dialog, runs it and writes the values back on OK.
    bool RunSettings(TRpLabelSettingsDlg &dialog);
};

// Editor of an expression printable: "Expression settings", with the format
// mask and the expression builder.
class TRpExprEditor : public TRpLabelEditor {
public:
    using TRpLabelEditor::TRpLabelEditor;

    QString EditedClass() const override { return QStringLiteral("TRpExpr"); }
    QString Text() const override;
    QString Identifier() const override { return QStringLiteral("RPEXPR"); }
    QString Description() const override { return QStringLiteral("Expression Control"); }
    void SetText(const QString &text) override;
    bool ShowEditor() override;
};

// Makes CreatePrintableEditor answer these editors for labels and expressions.
void RegisterReportEditors();
