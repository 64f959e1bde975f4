#include "platform/db/FbError.h"

#include "platform/Cp1250.h"

#include <algorithm>
#include <ibase.h>
#include <type_traits>

static_assert(std::is_same_v<FB_API_HANDLE, FbHandle>,
              "FbHandle must match the client library's handle type");
static_assert(std::is_same_v<ISC_STATUS, intptr_t>);

namespace {

// The codes of a connection that is gone: the server ended the attachment
// (delete from MON$ATTACHMENTS, a shutdown) or the network failed under it.
constexpr long LostConnectionCodes[] = {isc_att_shutdown,       isc_shutdown,           isc_conn_lost,
                                        isc_lost_db_connection, isc_network_error,      isc_net_read_err,
                                        isc_net_write_err,      isc_net_server_shutdown};

}

FbError FbError::FromStatus(const intptr_t *status)
{
    const long gds = status[1];
    const int sqlCode = int(isc_sqlcode(status));
    // Every gds code of the vector: the telling one is not always the first
    // (a file held by another process: an I/O error, then "already opened").
    std::vector<long> codes;
    for (const ISC_STATUS *p = status; *p != isc_arg_end;) {
        const ISC_STATUS arg = p[0];
        if (arg == isc_arg_gds)
            codes.push_back(long(p[1]));
        p += arg == isc_arg_cstring ? 3 : 2;
    }
    QStringList parts;
    char buffer[1024];
    const ISC_STATUS *p = status;
    while (fb_interpret(buffer, sizeof buffer, &p) > 0)
        parts << Cp1250::toUnicode(buffer, qsizetype(strlen(buffer)));
    QString message = parts.join(u'\n');
    if (message.isEmpty())
        message = QStringLiteral("Firebird error %1").arg(gds);
    return FbError(message, gds, sqlCode, std::move(codes));
}

bool FbError::Has(long gdsCode) const
{
    return gdsCode_ == gdsCode || std::find(codes_.begin(), codes_.end(), gdsCode) != codes_.end();
}

bool FbError::RowInUse() const
{
    return gdsCode_ == isc_deadlock || gdsCode_ == isc_lock_conflict || gdsCode_ == isc_update_conflict;
}

bool FbError::LostCodes() const
{
    return std::any_of(std::begin(LostConnectionCodes), std::end(LostConnectionCodes),
                       [this](long code) { return Has(code); });
}

bool FbError::FileInUse() const
{
    return Has(isc_already_opened);
}

void FbError::SetLost(std::shared_ptr<FbLossNotice> notice)
{
    lost_ = true;
    notice_ = std::move(notice);
}

QString FbError::ConnectionLostText(const QString &engineMessage)
{
    return QStringLiteral("Połączenie z bazą dziennika zostało przerwane.\n"
                          "Wszystko, co zapisano wcześniej, jest w dzienniku.\n"
                          "Program trzeba uruchomić ponownie.\n") +
           engineMessage.simplified();
}

QString FbError::TakeLossNotice() const
{
    if (notice_) {
        if (notice_->told)
            return QString();
        notice_->told = true;
    }
    return ConnectionLostText(Message());
}

void FbError::Check(const intptr_t *status)
{
    if (status[0] == 1 && status[1] != 0)
        throw FromStatus(status);
}

bool IsConnectionLost(const std::exception &e)
{
    const auto *fb = dynamic_cast<const FbError *>(&e);
    return fb && fb->ConnectionLost();
}

QString FailureMessage(const std::exception &e)
{
    if (IsConnectionLost(e))
        return static_cast<const FbError &>(e).TakeLossNotice();
    if (const auto *db = dynamic_cast<const DbError *>(&e))
        return db->Message();
    return QString::fromUtf8(e.what());
}

QString JobFailureText(const std::exception &e, const QString &prefix, const QString &progress,
                       bool progressed)
{
    if (!IsConnectionLost(e))
        return prefix + FailureMessage(e) + u'\n' + progress;
    const QString notice = FailureMessage(e);
    if (notice.isEmpty())
        return progressed ? progress : QString();
    return notice + u'\n' + progress;
}
