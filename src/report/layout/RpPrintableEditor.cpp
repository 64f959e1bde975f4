#include "report/layout/RpPrintableEditor.h"

#include <QHash>

namespace {

QHash<QString, TRpEditorFactory> &Factories()
{
    static QHash<QString, TRpEditorFactory> factories;
    return factories;
}

} // namespace

void RegisterPrintableEditor(const QString &editorClass, TRpEditorFactory factory)
{
    Factories().insert(editorClass, std::move(factory));
}

std::unique_ptr<TRpPrintableEditor> CreatePrintableEditor(TRpPrintable &printable)
{
    const auto it = Factories().constFind(printable.EditorClass());
    if (it != Factories().constEnd() && *it)
        return (*it)(printable);
    return std::make_unique<TRpPrintableEditor>(printable);
}
