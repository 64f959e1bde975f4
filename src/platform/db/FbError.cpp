#include "platform/db/FbError.h"

#include "platform/Cp1250.h"

#include <ibase.h>
#include <type_traits>

static_assert(std::is_same_v<FB_API_HANDLE, FbHandle>,
              "FbHandle must match the client library's handle type");
static_assert(std::is_same_v<ISC_STATUS, intptr_t>);

FbError FbError::FromStatus(const intptr_t *status)
{
    const long gds = status[1];
    const int sqlCode = int(isc_sqlcode(status));
    QStringList parts;
    char buffer[1024];
    const ISC_STATUS *p = status;
    while (fb_interpret(buffer, sizeof buffer, &p) > 0)
        parts << Cp1250::toUnicode(buffer, qsizetype(strlen(buffer)));
    QString message = parts.join(u'\n');
    if (message.isEmpty())
        message = QStringLiteral("Firebird error %1").arg(gds);
    return FbError(message, gds, sqlCode);
}

bool FbError::RowInUse() const
{
    return gdsCode_ == isc_deadlock || gdsCode_ == isc_lock_conflict || gdsCode_ == isc_update_conflict;
}

void FbError::Check(const intptr_t *status)
{
    if (status[0] == 1 && status[1] != 0)
        throw FromStatus(status);
}
