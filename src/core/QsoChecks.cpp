#include "core/QsoChecks.h"

#include "core/Log.h"
#include "core/Validators.h"

QsoSaveCheck CheckQsoBeforeSave(const QsoEntryTexts &e)
{
    const struct {
        bool fault;
        const char *warning;
        QsoField field;
    } checks[] = {
        {e.Stacja.trimmed().isEmpty(), "Stacja wołana nie podana.", QsoField::Stacja},
        {e.RaportNad.trimmed().isEmpty(), "Raport nadany nie podany.", QsoField::RaportNad},
        {!IsValidReport(e.RaportNad), "Błędny raport nadany.", QsoField::RaportNad},
        {!IsValidReport(e.RaportOdb), "Błędny raport odebrany.", QsoField::RaportOdb},
        {!IsValidLocator(e.Lokator), "Błędny lokator.", QsoField::Lokator},
        {!IsValidIota(e.Wyspa), "Błędny symbol IOTA.", QsoField::Wyspa},
    };
    QsoSaveCheck result;
    for (const auto &c : checks)
        if (c.fault) {
            result.Warning = QString::fromUtf8(c.warning);
            result.Field = c.field;
            return result;
        }
    if (!SppaMatchesCastle(e.Domena, e.Zamek))
        result.Notice = QStringLiteral("Niezgodność SPPA - Symbol zamku.");
    return result;
}

bool SppaMatchesCastle(const QString &sppa, const QString &castle)
{
    QString d = sppa.trimmed().toUpper();
    if (d.size() == 4)
        d = d.left(1) + d.mid(2, 2);
    QString c = castle.trimmed().toUpper();
    if (c.size() >= 3)
        c = c.left(3);
    return d.isEmpty() || c.isEmpty() || d == c;
}

bool QsoChanged(const TLog &loaded, const TLog &edited)
{
    TLog a = loaded;
    TLog b = edited;
    a.Lokator = a.LogGetLokator();
    b.Lokator = b.LogGetLokator();
    return !(a == b);
}
