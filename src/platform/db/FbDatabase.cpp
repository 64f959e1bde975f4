#include "platform/db/FbDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <ibase.h>

namespace {

void AddString(QByteArray &dpb, char tag, const QByteArray &value)
{
    dpb.append(tag);
    dpb.append(char(value.size()));
    dpb.append(value);
}

void AddInt(QByteArray &dpb, char tag, int value)
{
    dpb.append(tag);
    dpb.append(char(4));
    for (int i = 0; i < 4; ++i)
        dpb.append(char((value >> (8 * i)) & 0xff));
}

} // namespace

QString FbDatabase::ServerHost(const QString &name)
{
    // The client library's own form: host[/port]:path. A bare local path has no
    // colon before its first slash, a Windows drive letter is one character, and
    // "[ipv6]" may hold colons of its own. The URL form inet://host[:port]/path too.
    static const QRegularExpression url(QStringLiteral("^inet[46]?://(\\[[^\\]/]*\\]|[^:/]+)"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = url.match(name); m.hasMatch())
        return m.captured(1);
    const qsizetype close = name.startsWith(u'[') ? name.indexOf(u']') : 0;
    if (close < 0)
        return QString();
    const qsizetype colon = name.indexOf(u':', close);
    if (colon <= 1)
        return QString();
    const QString server = name.left(colon);
    const qsizetype slash = server.indexOf(u'/', close);
    const QString host = slash < 0 ? server : server.left(slash);
    const QString port = slash < 0 ? QString() : server.mid(slash + 1);
    if (host.isEmpty() || host.contains(u'\\') || (slash >= 0 && (port.isEmpty() || port.contains(u'/'))))
        return QString();
    return host;
}

FbDatabase::~FbDatabase()
{
    try {
        Close();
    } catch (...) {
    }
}

void FbDatabase::PrepareEnvironment()
{
    // The embedded engine keeps its lock files in FIREBIRD_LOCK; its default
    // (/tmp/firebird) is often not writable for an ordinary user.
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"))
        return;
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QFileInfo(base).isWritable())
        base = QDir::homePath() + QStringLiteral("/.cache");
    const QString dir = base + QStringLiteral("/quarn-firebird");
    QDir().mkpath(dir);
    qputenv("FIREBIRD_LOCK", QFile::encodeName(dir));
}

QByteArray FbDatabase::ParamBlock(bool creating) const
{
    // ISC_USER and ISC_PASSWORD, the client library's own convention, let a
    // server's administrator give the program credentials of their choice.
    const QString user = qEnvironmentVariableIsEmpty("ISC_USER") ? user_ : qEnvironmentVariable("ISC_USER");
    const QString password =
        qEnvironmentVariableIsEmpty("ISC_PASSWORD") ? password_ : qEnvironmentVariable("ISC_PASSWORD");
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    AddString(dpb, isc_dpb_user_name, user.toUtf8());
    AddString(dpb, isc_dpb_password, password.toUtf8());
    AddString(dpb, isc_dpb_lc_ctype, "WIN1250");
    AddInt(dpb, isc_dpb_sql_dialect, 3);
    if (creating) {
        AddString(dpb, isc_dpb_set_db_charset, "WIN1250");
        AddInt(dpb, isc_dpb_page_size, 8192);
    }
    if (!IsRemote(name_))
        AddString(dpb, isc_dpb_config, "Providers=Engine12");
    return dpb;
}

void FbDatabase::Open()
{
    if (Connected())
        return;
    PrepareEnvironment();
    const QByteArray path = QFile::encodeName(name_);
    const QByteArray dpb = ParamBlock(false);
    ISC_STATUS_ARRAY status;
    isc_attach_database(status, short(path.size()), path.constData(), &handle_, short(dpb.size()),
                        dpb.constData());
    if (status[0] == 1 && status[1]) {
        handle_ = 0;
        FbError::Check(status);
    }
    NewAttachment();
}

void FbDatabase::NewAttachment()
{
    ++generation_;
    lost_.reset();
    lossNotice_ = std::make_shared<FbLossNotice>();
}

void FbDatabase::CheckNotLost() const
{
    if (lost_)
        throw *lost_;
}

void FbDatabase::Check(const intptr_t *status)
{
    if (status[0] == 1 && status[1] != 0)
        Fail(FbError::FromStatus(status));
}

void FbDatabase::Fail(FbError error)
{
    if (lost_)
        throw *lost_;
    if (error.ConnectionLost() && Connected()) {
        error.SetLost(lossNotice_);
        lost_ = error;
    }
    throw error;
}

void FbDatabase::Create(const QString &path)
{
    Close();
    PrepareEnvironment();
    name_ = path;
    const QByteArray file = QFile::encodeName(path);
    const QByteArray dpb = ParamBlock(true);
    ISC_STATUS_ARRAY status;
    isc_create_database(status, short(file.size()), file.constData(), &handle_, short(dpb.size()),
                        dpb.constData(), 0);
    if (status[0] == 1 && status[1]) {
        handle_ = 0;
        FbError::Check(status);
    }
    NewAttachment();
}

void FbDatabase::Close()
{
    if (!Connected())
        return;
    // Copy: a user may leave the list while it ends.
    const std::vector<FbDatabaseUser *> users = users_;
    for (FbDatabaseUser *u : users)
        u->DatabaseClosing();
    ISC_STATUS_ARRAY status;
    isc_detach_database(status, &handle_);
    handle_ = 0;
    // A lost attachment's detach fails: the server ended it already.
    if (!lost_)
        FbError::Check(status);
}

void FbDatabase::AddUser(FbDatabaseUser *user)
{
    users_.push_back(user);
}

void FbDatabase::RemoveUser(FbDatabaseUser *user)
{
    std::erase(users_, user);
}
