#include "core/NewDatabase.h"

#include "core/BaseSchema.h"
#include "core/Geography.h"
#include "core/PrefiksyExpImp.h"
#include "core/PrefixTableDb.h"
#include "platform/Cp1250.h"
#include "platform/db/FbDatabase.h"
#include "platform/db/FbError.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Nie można odczytać pliku %1: %2").arg(path, f.errorString()));
    return f.readAll();
}

void SeedPrefixes(FbDatabase &db, const QString &dataDir)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    TransactionPrefixTableExecutor exec(db, tr);
    const QString error = ReadPrefixRecords(
        ReadFile(QDir(dataDir).filePath("Prefiksy.txt")), [&](const TKrajDX &k) { k.KrajDXInsert(exec); },
        [&](const TPrefixDX &p) { p.PrefixDXInsert(exec); });
    if (!error.isEmpty())
        throw DbError(error);
    tr.Commit();
}

void SeedIslands(FbDatabase &db, const QString &dataDir)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement q(&db, &tr);
    q.SetSQL(
        QStringLiteral("INSERT INTO WYSPY (IOTA, NAZWAANG, NAZWAPOL) VALUES (:IOTA, :NAZWAANG, :NAZWAPOL)"));
    const QStringList lines = QString::fromUtf8(ReadFile(QDir(dataDir).filePath("wyspy.tsv"))).split('\n');
    for (const QString &line : lines) {
        const QStringList cols = QString(line).remove('\r').split('\t');
        if (cols.size() < 3 || cols[0].isEmpty())
            continue;
        q.ParamByName("IOTA")->SetAsString(cols[0]);
        q.ParamByName("NAZWAANG")->SetAsString(cols[1]);
        q.ParamByName("NAZWAPOL")->SetAsString(cols[2]);
        q.ExecQuery();
    }
    tr.Commit();
}

void SeedDistricts(FbDatabase &db)
{
    FbTransaction tr(&db);
    tr.StartTransaction();
    FbStatement q(&db, &tr);
    q.SetSQL(QStringLiteral(
        "INSERT INTO POWIATY (POWIATID, WOJEWID, POWIAT) VALUES (:POWIATID, :WOJEWID, :POWIAT)"));
    for (const District &d : Districts()) {
        q.ParamByName("POWIATID")->SetAsString(QString::fromUtf16(d.Code));
        if (d.Voivodeship)
            q.ParamByName("WOJEWID")->SetAsString(QString(QChar(d.Voivodeship)));
        else
            q.ParamByName("WOJEWID")->Clear();
        q.ParamByName("POWIAT")->SetAsString(QString::fromUtf16(d.Text));
        q.ExecQuery();
    }
    tr.Commit();
}

}

QString DefaultSeedDataDir()
{
    // Installed: data/ beside the program; in a build tree: the source data/.
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("data");
    if (QFileInfo::exists(QDir(beside).filePath("Prefiksy.txt")))
        return beside;
    return QStringLiteral(QUARN_SOURCE_DATA_DIR);
}

void CreateLogDatabase(const QString &path, const QString &dataDir)
{
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("Plik %1 już istnieje - nie zostanie nadpisany.").arg(path));
    FbDatabase db;
    db.Create(path);
    try {
        BaseSchema::Create(db);
        SeedDistricts(db);
        SeedPrefixes(db, dataDir);
        SeedIslands(db, dataDir);
        db.Close();
    } catch (...) {
        db.Close();
        QFile::remove(path);
        throw;
    }
}
