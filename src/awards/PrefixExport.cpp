#include "awards/PrefixExport.h"

#include "core/FDM.h"
#include "core/PrefiksyExpImp.h"
#include "platform/Cp1250.h"
#include "platform/SaveFile.h"
#include "platform/db/FbError.h"

#include <QSet>

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

}

QByteArray PrefixTableFileBytes(TDM &dm)
{
    FbTransaction trLista(&dm.Baza);
    FbTransactionScope scope(trLista);
    FbStatement Lista(&dm.Baza, &trLista);
    QByteArray out;
    QSet<int> written;

    Lista.SetSQL(QStringList{QStringLiteral("SELECT *"), QStringLiteral("FROM KrajeDX")});
    TKrajDX kraj;
    for (Lista.ExecQuery(); !Lista.Eof(); Lista.Next()) {
        kraj.KrajId = int32_t(Lista.ColumnByName(QStringLiteral("KRAJID"))->AsInteger());
        kraj.PrefixDX = Lista.ColumnByName(QStringLiteral("PREFIXDX"))->AsString();
        kraj.NazwaAng = Lista.ColumnByName(QStringLiteral("NAZWAANG"))->AsString();
        kraj.NazwaPol = Lista.ColumnByName(QStringLiteral("NAZWAPOL"))->AsString();
        kraj.Kontynent = Lista.ColumnByName(QStringLiteral("KONTYNENT"))->AsString();
        out += Cp1250::fromUnicode(kraj.KrajDXToTagText()) + LineEnd;
        written.insert(kraj.KrajId);
    }
    Lista.Close();

    Lista.SetSQL(QStringList{QStringLiteral("SELECT *"), QStringLiteral("FROM PrefiksyDX")});
    TPrefixDX prefix;
    for (Lista.ExecQuery(); !Lista.Eof(); Lista.Next()) {
        prefix.KrajId = int32_t(Lista.ColumnByName(QStringLiteral("KRAJID"))->AsInteger());
        prefix.Prefix = Lista.ColumnByName(QStringLiteral("PREFIX"))->AsString();
        if (written.contains(prefix.KrajId))
            out += Cp1250::fromUnicode(prefix.PrefixDXToTagText()) + LineEnd;
    }
    Lista.Close();
    scope.Commit();
    return out;
}

QString ExportPrefixTable(TDM &dm, const QString &fileName)
{
    QByteArray bytes;
    try {
        bytes = PrefixTableFileBytes(dm);
    } catch (const DbError &e) {
        // A lost connection goes to the window, which tells it once.
        if (IsConnectionLost(e))
            throw;
        return QStringLiteral("Błąd odczytu z bazy danych: %1\nLista nie została utworzona.")
            .arg(e.Message());
    }
    SaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.Commit())
        return QStringLiteral("Nie można zapisać pliku %1: %2").arg(fileName, file.FailureCause());
    return QString();
}
