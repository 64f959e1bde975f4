#pragma once

#include "report/layout/RpPrintable.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <memory>

// Design-time editor of a printable. This base answers with neutral values
// and edits nothing; the windows library registers the editors that show
// settings dialogs, under the editor class a printable names.
class TRpPrintableEditor {
public:
    explicit TRpPrintableEditor(TRpPrintable &printable) : Printable(printable) {}
    virtual ~TRpPrintableEditor() = default;
    TRpPrintableEditor(const TRpPrintableEditor &) = delete;
    TRpPrintableEditor &operator=(const TRpPrintableEditor &) = delete;

    TRpPrintable &Printable;

    virtual QColor Color() const { return QColor(); }
    virtual QFont Font() const { return QFont(); }
    virtual QString EditedClass() const { return QStringLiteral("TRpPrintable"); }
    virtual QString Text() const { return QString(); }
    virtual QString Identifier() const { return QString(); }
    virtual QString Description() const { return QString(); }
    virtual TRpAlignment Alignment() const { return TRpAlignment::Left; }
    virtual void SetAlignment(TRpAlignment) {}
    virtual void SetColor(const QColor &) {}
    virtual void SetFont(const QFont &) {}
    virtual void SetText(const QString &) {}
    virtual int VerbCount() const { return 0; }
    // Shows the editor; true when the user confirmed.
    virtual bool ShowEditor() { return false; }
};

using TRpEditorFactory = std::function<std::unique_ptr<TRpPrintableEditor>(TRpPrintable &)>;

// Registers the editor made for printables whose EditorClass() is the name.
void RegisterPrintableEditor(const QString &editorClass, TRpEditorFactory factory);
// The registered editor of the printable's editor class, or the neutral base.
std::unique_ptr<TRpPrintableEditor> CreatePrintableEditor(TRpPrintable &printable);
