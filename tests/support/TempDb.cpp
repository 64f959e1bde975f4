#include "support/TempDb.h"

#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

#include <QFile>

TempDb::TempDb(const QString &fileName) : db_(std::make_unique<FbDatabase>())
{
    path_ = dir_.filePath(fileName);
    db_->Create(path_);
}

TempDb::~TempDb()
{
    try {
        db_->Close();
    } catch (...) {
    }
    db_.reset();
    QFile::remove(path_);
}

void TempDb::Exec(const QString &sql)
{
    FbTransaction tr(db_.get());
    tr.StartTransaction();
    FbStatement st(db_.get(), &tr);
    st.SetSQL(sql);
    st.ExecQuery();
    st.Close();
    tr.Commit();
}

void TempDb::Exec(const QStringList &statements)
{
    for (const QString &s : statements)
        Exec(s);
}
