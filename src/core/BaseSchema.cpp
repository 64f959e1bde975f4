#include "core/BaseSchema.h"

#include "core/LabelSchema.h"
#include "platform/db/FbDatabase.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbTransaction.h"

namespace BaseSchema {

const QStringList &Statements()
{
    // Text columns use the Polish collation, so that lists sort as a Polish user expects.
    static const QStringList statements = {
        "CREATE DOMAIN D_BOOL AS CHAR(1) CHECK (VALUE IS NULL OR VALUE IN ('T', 'N'))",
        "CREATE GENERATOR GEN_LOGID",
        LabelSchema::Generator,
        "CREATE PROCEDURE GETLOGID RETURNS (NUM INTEGER) AS\n"
        "BEGIN\n"
        "  NUM = GEN_ID(GEN_LOGID, 1);\n"
        "END",
        LabelSchema::Procedure,
        "CREATE TABLE LOGI (\n"
        "  LOGID       INTEGER NOT NULL,\n"
        "  DATA        TIMESTAMP NOT NULL,\n"
        "  PASMO       VARCHAR(7) COLLATE PXW_PLK,\n"
        "  PASMO_IND   INTEGER,\n"
        "  STACJA      VARCHAR(14) COLLATE PXW_PLK,\n"
        "  EMISJA      VARCHAR(6) COLLATE PXW_PLK,\n"
        "  RAPORT_NAD  VARCHAR(8) COLLATE PXW_PLK,\n"
        "  RAPORT_ODB  VARCHAR(8) COLLATE PXW_PLK,\n"
        "  LOKATOR     VARCHAR(6) COLLATE PXW_PLK,\n"
        "  IMIE        VARCHAR(15) COLLATE PXW_PLK,\n"
        "  NOTATKI     VARCHAR(50) COLLATE PXW_PLK,\n"
        "  QSL_WYS     CHAR(1) NOT NULL COLLATE PXW_PLK,\n"
        "  QSL_ODB     CHAR(1) NOT NULL COLLATE PXW_PLK,\n"
        "  QSL_MANAGER VARCHAR(7) COLLATE PXW_PLK,\n"
        "  MIASTO      VARCHAR(25) COLLATE PXW_PLK,\n"
        "  WYSPA       VARCHAR(6) COLLATE PXW_PLK,\n"
        "  DOMENA      VARCHAR(6) COLLATE PXW_PLK,\n"
        "  KRAJID      INTEGER NOT NULL,\n"
        "  CONSTRAINT PK_LOGI PRIMARY KEY (LOGID))",
        "CREATE INDEX LOGI_DATA ON LOGI(DATA)",
        "CREATE INDEX LOGI_STACJA ON LOGI(STACJA)",
        "CREATE TABLE KRAJEDX (\n"
        "  KRAJID    INTEGER NOT NULL,\n"
        "  PREFIXDX  VARCHAR(6) NOT NULL COLLATE PXW_PLK,\n"
        "  NAZWAANG  VARCHAR(50) COLLATE PXW_PLK,\n"
        "  NAZWAPOL  VARCHAR(50) COLLATE PXW_PLK,\n"
        "  KONTYNENT VARCHAR(2) COLLATE PXW_PLK,\n"
        "  CONSTRAINT PK_KRAJEDX PRIMARY KEY (KRAJID))",
        "CREATE INDEX KRAJEDX_PREFIX ON KRAJEDX(PREFIXDX)",
        "CREATE TABLE PREFIKSYDX (\n"
        "  KRAJID INTEGER NOT NULL,\n"
        "  PREFIX VARCHAR(10) NOT NULL COLLATE PXW_PLK,\n"
        "  CONSTRAINT PK_PREFIKSYDX PRIMARY KEY (KRAJID, PREFIX),\n"
        "  CONSTRAINT FK_PREFIKSYDX_KRAJEDX FOREIGN KEY (KRAJID) REFERENCES KRAJEDX(KRAJID)\n"
        "    USING INDEX PREFIKSYDX_KRAJID)",
        "CREATE INDEX PREFIKSYDX_PREFIX ON PREFIKSYDX(PREFIX)",
        "CREATE TABLE WYSPY (\n"
        "  IOTA     CHAR(6) NOT NULL COLLATE PXW_PLK,\n"
        "  NAZWAANG VARCHAR(50) COLLATE PXW_PLK,\n"
        "  NAZWAPOL VARCHAR(50) COLLATE PXW_PLK,\n"
        "  CONSTRAINT PK_WYSPY PRIMARY KEY (IOTA))",
        "CREATE TABLE POWIATY (\n"
        "  POWIATID CHAR(2) NOT NULL COLLATE PXW_PLK,\n"
        "  WOJEWID  CHAR(1) COLLATE PXW_PLK,\n"
        "  POWIAT   VARCHAR(50) COLLATE PXW_PLK,\n"
        "  CONSTRAINT PK_POWIATY PRIMARY KEY (POWIATID))",
        "CREATE INDEX POWIATY_WOJEWID ON POWIATY(WOJEWID)",
        "CREATE TABLE STALE (\n"
        "  UZYTID    INTEGER,\n"
        "  IMIE      VARCHAR(30) COLLATE PXW_PLK,\n"
        "  MIASTO    VARCHAR(30) COLLATE PXW_PLK,\n"
        "  POWIAT    VARCHAR(2) COLLATE PXW_PLK,\n"
        "  WOJEW     VARCHAR(1) COLLATE PXW_PLK,\n"
        "  LOKATOR   VARCHAR(6) COLLATE PXW_PLK,\n"
        "  STREFACQ  VARCHAR(2) COLLATE PXW_PLK,\n"
        "  STREFAITU VARCHAR(2) COLLATE PXW_PLK,\n"
        "  TEKSTQSL1 VARCHAR(30) COLLATE PXW_PLK,\n"
        "  TEKSTQSL2 VARCHAR(30) COLLATE PXW_PLK)",
        LabelSchema::Table,
        LabelSchema::NameIndex,
    };
    return statements;
}

}

namespace BaseSchema {

void Create(FbDatabase &db)
{
    // DDL must be committed before the new tables take rows.
    FbTransaction ddl(&db);
    ddl.StartTransaction();
    FbQuery q;
    q.SetDatabase(&db);
    q.SetTransaction(&ddl);
    for (const QString &statement : Statements()) {
        q.SetSQL(statement);
        q.ExecSQL();
    }
    ddl.Commit();

    FbTransaction data(&db);
    data.StartTransaction();
    q.SetTransaction(&data);
    q.SetSQL(QStringLiteral("INSERT INTO STALE (UZYTID) VALUES (1)"));
    q.ExecSQL();
    data.Commit();
}

}
