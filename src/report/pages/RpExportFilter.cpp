#include "report/pages/RpExportFilter.h"

TRpExportFilterLibrary &TRpExportFilterLibrary::Instance()
{
    static TRpExportFilterLibrary library;
    return library;
}

void TRpExportFilterLibrary::Register(TRpExportFilterClass filter)
{
    filters_.append(std::move(filter));
}

void TRpExportFilterLibrary::Unregister(const QString &description)
{
    filters_.removeIf([&](const TRpExportFilterClass &f) { return f.Description == description; });
}

QString TRpExportFilterLibrary::SaveDialogFilter() const
{
    QString text = QStringLiteral("Report file(*.RPP)|*.RPP");
    for (const TRpExportFilterClass &f : filters_)
        text += u'|' + f.Description + QStringLiteral(" (*.") + f.Extension + QStringLiteral(")|*.") +
                f.Extension;
    return text;
}
