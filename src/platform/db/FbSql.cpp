#include "platform/db/FbSql.h"

#include "platform/Cp1250.h"
#include "platform/db/FbDatabase.h"
#include "platform/db/FbTransaction.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ibase.h>

namespace {

// ISC dates count days from 1858-11-17; ours from 1899-12-30.
constexpr int IscDateOffset = 15018;
constexpr short CharsetWin1250 = 51;

XSQLDA *AllocDa(int n)
{
    const size_t bytes = XSQLDA_LENGTH(n);
    auto *da = static_cast<XSQLDA *>(std::calloc(1, bytes));
    da->version = SQLDA_VERSION1;
    da->sqln = short(n);
    return da;
}

// A described area tells how many columns the statement has (sqld); when that
// is more than it holds, it is made again at full size and described again.
template <typename Describe> void DescribeAll(XSQLDA *&da, Describe describe)
{
    if (da->sqld <= da->sqln)
        return;
    const int n = da->sqld;
    std::free(da);
    da = AllocDa(n);
    describe(da);
}

ISC_QUAD WriteBlob(FbDatabase *db, FbTransaction *tr, const QByteArray &bytes)
{
    ISC_STATUS_ARRAY status;
    isc_blob_handle blob = 0;
    ISC_QUAD id{};
    isc_create_blob2(status, db->HandlePtr(), tr->HandlePtr(), &blob, &id, 0, nullptr);
    db->Check(status);
    for (qsizetype pos = 0; pos < bytes.size(); pos += 32000) {
        const auto len = static_cast<unsigned short>(std::min<qsizetype>(32000, bytes.size() - pos));
        isc_put_segment(status, &blob, len, bytes.constData() + pos);
        if (status[0] == 1 && status[1]) {
            ISC_STATUS_ARRAY ignore;
            isc_cancel_blob(ignore, &blob);
            db->Check(status);
        }
    }
    isc_close_blob(status, &blob);
    db->Check(status);
    return id;
}

QString ReadBlob(FbDatabase *db, FbHandle tr, ISC_QUAD *id)
{
    ISC_STATUS_ARRAY status;
    isc_blob_handle blob = 0;
    isc_open_blob2(status, db->HandlePtr(), &tr, &blob, id, 0, nullptr);
    db->Check(status);
    QByteArray bytes;
    char buf[16384];
    for (;;) {
        unsigned short got = 0;
        const ISC_STATUS rc = isc_get_segment(status, &blob, &got, sizeof buf, buf);
        if (rc == 0 || status[1] == isc_segment) {
            bytes.append(buf, got);
            continue;
        }
        if (status[1] == isc_segstr_eof)
            break;
        ISC_STATUS_ARRAY ignore;
        isc_close_blob(ignore, &blob);
        db->Check(status);
    }
    isc_close_blob(status, &blob);
    return Cp1250::toUnicode(bytes);
}

FieldType TypeOf(const XSQLVAR &v)
{
    switch (v.sqltype & ~1) {
    case SQL_TEXT: return FieldType::FixedChar;
    case SQL_VARYING: return FieldType::String;
    case SQL_SHORT: return v.sqlscale ? FieldType::Float : FieldType::Smallint;
    case SQL_LONG: return v.sqlscale ? FieldType::Float : FieldType::Integer;
    case SQL_INT64: return v.sqlscale ? FieldType::Float : FieldType::Largeint;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return FieldType::Float;
    case SQL_TIMESTAMP: return FieldType::DateTime;
    case SQL_TYPE_DATE: return FieldType::Date;
    case SQL_TYPE_TIME: return FieldType::Time;
    case SQL_BOOLEAN: return FieldType::Boolean;
    case SQL_BLOB: return FieldType::Memo;
    default: return FieldType::String;
    }
}

double Scaled(qint64 v, short scale)
{
    double d = double(v);
    for (short s = scale; s < 0; ++s)
        d /= 10;
    return d;
}

// An integer column: a whole number, or a decimal when the column has a scale.
template <typename T> void ReadInteger(const char *data, short scale, FieldValue &f)
{
    T n;
    std::memcpy(&n, data, sizeof n);
    if (scale)
        f.f = Scaled(n, scale);
    else
        f.i = n;
}

} // namespace

struct FbSql::Impl {
    FbDatabase *db = nullptr;
    unsigned generation = 0;
    isc_stmt_handle stmt = 0;
    XSQLDA *in = nullptr;
    XSQLDA *out = nullptr;
    std::vector<short> inTypes, inLens, inScales, inSubtypes; // as described
    std::vector<FieldValue> inValues;
    std::vector<FieldType> inValueTypes;
    std::vector<QByteArray> inText;
    std::vector<qint64> inScalar; // 8 bytes per parameter (12 for timestamps: two slots)
    std::vector<short> inNull;
    std::vector<char> outBuf;
    std::vector<short> outNull;
    std::vector<FbColumn> columns;
    std::vector<FieldValue> output;
    int type = 0;
    bool cursorOpen = false;
    FbHandle fetchTr = 0;

    ~Impl() { Release(); }

    void Release()
    {
        // A lost attachment's statements went with it: nothing to tell the server.
        if (stmt && db && db->Connected() && !db->Lost() && db->Generation() == generation) {
            ISC_STATUS_ARRAY status;
            isc_dsql_free_statement(status, &stmt, DSQL_drop);
        }
        stmt = 0;
        std::free(in);
        std::free(out);
        in = out = nullptr;
        columns.clear();
        cursorOpen = false;
    }

    void BindOutput()
    {
        size_t total = 0;
        for (int i = 0; i < out->sqld; ++i) {
            const XSQLVAR &v = out->sqlvar[i];
            size_t len = v.sqllen + ((v.sqltype & ~1) == SQL_VARYING ? 2 : 0);
            total += (len + 7) & ~size_t(7);
        }
        outBuf.assign(total, 0);
        outNull.assign(out->sqld, 0);
        size_t pos = 0;
        columns.clear();
        for (int i = 0; i < out->sqld; ++i) {
            XSQLVAR &v = out->sqlvar[i];
            v.sqldata = outBuf.data() + pos;
            v.sqlind = &outNull[i];
            size_t len = v.sqllen + ((v.sqltype & ~1) == SQL_VARYING ? 2 : 0);
            pos += (len + 7) & ~size_t(7);
            QString name = QString::fromUtf8(v.aliasname, v.aliasname_length);
            for (int n = 1; std::any_of(columns.begin(), columns.end(),
                                        [&](const FbColumn &c) { return c.name == name; });
                 ++n)
                name = QString::fromUtf8(v.aliasname, v.aliasname_length) + QStringLiteral("_%1").arg(n);
            columns.push_back({name, TypeOf(v), v.sqllen, bool(v.sqltype & 1)});
        }
    }

    void ReadColumn(int i, FieldValue &f)
    {
        const XSQLVAR &v = out->sqlvar[i];
        if ((v.sqltype & 1) && *v.sqlind < 0) {
            f.null = true;
            f.s.clear();
            return;
        }
        f.null = false;
        const char *data = v.sqldata;
        switch (v.sqltype & ~1) {
        case SQL_TEXT: f.s = Cp1250::toUnicode(data, v.sqllen); break;
        case SQL_VARYING: {
            short len;
            std::memcpy(&len, data, 2);
            f.s = Cp1250::toUnicode(data + 2, len);
            break;
        }
        case SQL_SHORT: ReadInteger<short>(data, v.sqlscale, f); break;
        case SQL_LONG: ReadInteger<ISC_LONG>(data, v.sqlscale, f); break;
        case SQL_INT64: ReadInteger<ISC_INT64>(data, v.sqlscale, f); break;
        case SQL_FLOAT: {
            float x;
            std::memcpy(&x, data, 4);
            f.f = x;
            break;
        }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: std::memcpy(&f.f, data, 8); break;
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP ts;
            std::memcpy(&ts, data, sizeof ts);
            f.i = qint64(ts.timestamp_date - IscDateOffset) * DateTime::TicksPerDay + ts.timestamp_time;
            break;
        }
        case SQL_TYPE_DATE: {
            ISC_DATE dt;
            std::memcpy(&dt, data, sizeof dt);
            f.i = qint64(dt - IscDateOffset) * DateTime::TicksPerDay;
            break;
        }
        case SQL_TYPE_TIME: {
            ISC_TIME tm;
            std::memcpy(&tm, data, sizeof tm);
            f.i = tm;
            break;
        }
        case SQL_BOOLEAN: f.i = *reinterpret_cast<const unsigned char *>(data) ? 1 : 0; break;
        case SQL_BLOB: {
            ISC_QUAD id;
            std::memcpy(&id, data, sizeof id);
            f.s = ReadBlob(db, fetchTr, &id);
            break;
        }
        default: f.null = true;
        }
    }

    void BindParam(int i, FbTransaction *tr)
    {
        XSQLVAR &v = in->sqlvar[i];
        const short described = inTypes[i];
        const FieldValue &val = inValues[i];
        const FieldType t = inValueTypes[i];
        v.sqlind = &inNull[i];
        v.sqlscale = inScales[i];
        v.sqlsubtype = inSubtypes[i];
        auto *scalar = reinterpret_cast<char *>(&inScalar[size_t(i) * 2]);
        if (val.null) {
            inNull[i] = -1;
            v.sqltype = SQL_INT64 | 1;
            v.sqllen = 8;
            v.sqlscale = 0;
            v.sqldata = scalar;
            if (described == SQL_TEXT || described == SQL_VARYING || described == SQL_BLOB) {
                v.sqltype = described | 1;
                v.sqllen = inLens[i];
                inText[i].resize(inLens[i] + 2);
                inText[i].fill(0);
                v.sqldata = inText[i].data();
            }
            return;
        }
        inNull[i] = 0;
        if (IsStringType(t)) {
            QByteArray bytes = Cp1250::fromUnicode(val.s);
            if (described == SQL_BLOB) {
                const ISC_QUAD id = WriteBlob(db, tr, bytes);
                std::memcpy(scalar, &id, sizeof id);
                v.sqltype = SQL_BLOB | 1;
                v.sqllen = sizeof id;
                v.sqldata = scalar;
                return;
            }
            inText[i] = std::move(bytes);
            v.sqltype = SQL_TEXT | 1;
            v.sqllen = short(std::min<qsizetype>(inText[i].size(), 32765));
            v.sqlscale = 0;
            if (described != SQL_TEXT && described != SQL_VARYING)
                v.sqlsubtype = CharsetWin1250;
            v.sqldata = inText[i].data();
            return;
        }
        v.sqldata = scalar;
        v.sqlscale = 0;
        if (IsDateTimeType(t)) {
            const DateTime dt = TicksToDateTime(val.i);
            if (described == SQL_TYPE_DATE) {
                const ISC_DATE d = dt.days() + IscDateOffset;
                std::memcpy(scalar, &d, sizeof d);
                v.sqltype = SQL_TYPE_DATE | 1;
                v.sqllen = sizeof d;
            } else if (described == SQL_TYPE_TIME) {
                const ISC_TIME tm = ISC_TIME(dt.ticks());
                std::memcpy(scalar, &tm, sizeof tm);
                v.sqltype = SQL_TYPE_TIME | 1;
                v.sqllen = sizeof tm;
            } else {
                ISC_TIMESTAMP ts;
                ts.timestamp_date = dt.days() + IscDateOffset;
                ts.timestamp_time = ISC_TIME(dt.ticks());
                std::memcpy(scalar, &ts, sizeof ts);
                v.sqltype = SQL_TIMESTAMP | 1;
                v.sqllen = sizeof ts;
            }
        } else if (t == FieldType::Float) {
            std::memcpy(scalar, &val.f, 8);
            v.sqltype = SQL_DOUBLE | 1;
            v.sqllen = 8;
        } else if (described == SQL_BOOLEAN) {
            const unsigned char b = val.i ? 1 : 0;
            std::memcpy(scalar, &b, 1);
            v.sqltype = SQL_BOOLEAN | 1;
            v.sqllen = 1;
        } else {
            std::memcpy(scalar, &val.i, 8);
            v.sqltype = SQL_INT64 | 1;
            v.sqllen = 8;
        }
    }
};

FbSql::FbSql() : d(std::make_unique<Impl>()) {}

FbSql::~FbSql() = default;

void FbSql::Free()
{
    d->Release();
}

bool FbSql::Prepared() const
{
    return d->stmt != 0 && d->db && d->db->Connected() && d->db->Generation() == d->generation;
}

bool FbSql::HasCursor() const
{
    return d->type == isc_info_sql_stmt_select || d->type == isc_info_sql_stmt_select_for_upd;
}

const std::vector<FbColumn> &FbSql::Columns() const
{
    return d->columns;
}

int FbSql::ParamCount() const
{
    return d->in ? d->in->sqld : 0;
}

bool FbSql::CursorOpen() const
{
    return d->cursorOpen;
}

const std::vector<FieldValue> &FbSql::Output() const
{
    return d->output;
}

void FbSql::Prepare(FbDatabase *db, FbTransaction *tr, const QString &sql)
{
    Free();
    if (!db || !db->Connected())
        throw DbError(QStringLiteral("Database not connected"));
    db->CheckNotLost();
    if (!tr || !tr->Active())
        throw DbError(QStringLiteral("Transaction is not active"));
    // The client takes the length in 16 bits: a longer text would be cut to
    // its first (length mod 65536) bytes and another statement would run.
    const QByteArray text = Cp1250::fromUnicode(sql);
    if (text.size() > MaxStatementBytes)
        throw DbError(QStringLiteral("Polecenie dla bazy danych jest za długie: %1 bajtów (najwyżej %2).")
                          .arg(text.size())
                          .arg(MaxStatementBytes));
    d->db = db;
    d->generation = db->Generation();
    ISC_STATUS_ARRAY status;
    isc_dsql_allocate_statement(status, db->HandlePtr(), &d->stmt);
    db->Check(status);
    d->out = AllocDa(20);
    isc_dsql_prepare(status, tr->HandlePtr(), &d->stmt, static_cast<unsigned short>(text.size()),
                     text.constData(), 3, d->out);
    if (status[0] == 1 && status[1]) {
        FbError e = FbError::FromStatus(status);
        Free();
        db->Fail(std::move(e));
    }
    DescribeAll(d->out, [&](XSQLDA *da) {
        isc_dsql_describe(status, &d->stmt, 3, da);
        db->Check(status);
    });
    const auto describeParams = [&](XSQLDA *da) {
        isc_dsql_describe_bind(status, &d->stmt, 3, da);
        db->Check(status);
    };
    d->in = AllocDa(10);
    describeParams(d->in);
    DescribeAll(d->in, describeParams);
    const int nIn = d->in->sqld;
    d->inTypes.resize(nIn);
    d->inLens.resize(nIn);
    d->inScales.resize(nIn);
    d->inSubtypes.resize(nIn);
    for (int i = 0; i < nIn; ++i) {
        d->inTypes[i] = short(d->in->sqlvar[i].sqltype & ~1);
        d->inLens[i] = d->in->sqlvar[i].sqllen;
        d->inScales[i] = d->in->sqlvar[i].sqlscale;
        d->inSubtypes[i] = d->in->sqlvar[i].sqlsubtype;
    }
    d->inValues.assign(nIn, FieldValue());
    d->inValueTypes.assign(nIn, FieldType::String);
    d->inText.assign(nIn, QByteArray());
    d->inScalar.assign(size_t(nIn) * 2, 0);
    d->inNull.assign(nIn, -1);
    d->BindOutput();

    const char items[] = {isc_info_sql_stmt_type};
    char info[16];
    isc_dsql_sql_info(status, &d->stmt, sizeof items, items, sizeof info, info);
    db->Check(status);
    d->type = 0;
    if (info[0] == isc_info_sql_stmt_type) {
        const short len = short(isc_vax_integer(info + 1, 2));
        d->type = int(isc_vax_integer(info + 3, len));
    }
}

void FbSql::SetParam(int index, const FieldValue &value, FieldType type)
{
    d->inValues[index] = value;
    d->inValueTypes[index] = type;
}

void FbSql::Execute(FbTransaction *tr)
{
    if (!Prepared())
        throw DbError(QStringLiteral("Statement not prepared"));
    d->db->CheckNotLost();
    if (!tr || !tr->Active())
        throw DbError(QStringLiteral("Transaction is not active"));
    CloseCursor();
    for (int i = 0; i < ParamCount(); ++i)
        d->BindParam(i, tr);
    XSQLDA *in = ParamCount() ? d->in : nullptr;
    ISC_STATUS_ARRAY status;
    d->output.clear();
    if (d->type == isc_info_sql_stmt_exec_procedure && d->out->sqld > 0) {
        isc_dsql_execute2(status, tr->HandlePtr(), &d->stmt, 3, in, d->out);
        d->db->Check(status);
        d->fetchTr = tr->Handle();
        d->output.resize(d->out->sqld);
        for (int i = 0; i < d->out->sqld; ++i)
            d->ReadColumn(i, d->output[i]);
        return;
    }
    isc_dsql_execute(status, tr->HandlePtr(), &d->stmt, 3, in);
    d->db->Check(status);
    if (HasCursor()) {
        d->cursorOpen = true;
        d->fetchTr = tr->Handle();
    }
}

qint64 FbSql::RowsAffected() const
{
    if (!Prepared())
        return 0;
    const char items[] = {isc_info_sql_records};
    char info[64];
    ISC_STATUS_ARRAY status;
    isc_dsql_sql_info(status, &d->stmt, sizeof items, items, sizeof info, info);
    d->db->Check(status);
    if (info[0] != isc_info_sql_records)
        return 0;
    // isc_info_sql_records, its length, then counters of (item, 2-byte length, value).
    qint64 rows = 0;
    const char *p = info + 3;
    const char *end = info + sizeof info;
    while (p + 3 <= end && *p != isc_info_end) {
        const char item = *p;
        const short len = short(isc_vax_integer(p + 1, 2));
        if (len < 0 || p + 3 + len > end)
            break;
        const qint64 value = isc_portable_integer(reinterpret_cast<const ISC_UCHAR *>(p + 3), len);
        if (item == isc_info_req_insert_count || item == isc_info_req_update_count ||
            item == isc_info_req_delete_count)
            rows += value;
        p += 3 + len;
    }
    return rows;
}

bool FbSql::Fetch(std::vector<FieldValue> &row)
{
    if (!d->cursorOpen)
        return false;
    if (d->db && d->db->Lost()) {
        CloseCursor();
        d->db->CheckNotLost();
    }
    ISC_STATUS_ARRAY status;
    const ISC_STATUS rc = isc_dsql_fetch(status, &d->stmt, 3, d->out);
    if (rc == 100) {
        CloseCursor();
        return false;
    }
    if (status[0] == 1 && status[1]) {
        FbError e = FbError::FromStatus(status);
        CloseCursor();
        d->db->Fail(std::move(e));
    }
    row.resize(d->out->sqld);
    for (int i = 0; i < d->out->sqld; ++i)
        d->ReadColumn(i, row[i]);
    return true;
}

void FbSql::CloseCursor()
{
    if (!d->cursorOpen)
        return;
    d->cursorOpen = false;
    if (Prepared() && !d->db->Lost()) {
        // Fails harmlessly when the transaction has already ended.
        ISC_STATUS_ARRAY status;
        isc_dsql_free_statement(status, &d->stmt, DSQL_close);
    }
}
