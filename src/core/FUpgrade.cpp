#include "core/FUpgrade.h"

#include "core/LabelSchema.h"
#include "core/PrefixVersion.h"
#include "platform/db/FbQuery.h"
#include "platform/db/FbStatement.h"
#include "platform/db/FbTransaction.h"

namespace {

struct ColumnStep {
    const char *name;
    const char *addLine;
    const char *indexLine;
};

const ColumnStep ColumnSteps[] = {
    {"Kontynent", "ADD Kontynent VARCHAR(2) COLLATE PXW_PLK", "CREATE INDEX Logi_Kontyn ON Logi(Kontynent)"},
    {"ITU", "ADD ITU SMALLINT", "CREATE INDEX Logi_ITU ON Logi(ITU)"},
    {"CQ", "ADD CQ SMALLINT", "CREATE INDEX Logi_CQ ON Logi(CQ)"},
    {"IARU", "ADD IARU SMALLINT", "CREATE INDEX Logi_IARU ON Logi(IARU)"},
    {"ZAMEK", "ADD ZAMEK VARCHAR(6)", "CREATE INDEX Logi_Zamek ON Logi(Zamek)"},
    {"GMINA", "ADD Gmina VARCHAR(6)", "CREATE INDEX Logi_Gmina ON Logi(Gmina)"},
};

void Execute(const SchemaLinks &links, const QStringList &sql)
{
    links.ddl.SetSQL(sql);
    links.ddl.ExecQuery();
}

// Runs the statements in one transaction of trUpg; a failure rolls it back so
// the next start retries the whole step.
void RunStep(const SchemaLinks &links, const QList<QStringList> &statements)
{
    FbTransactionScope scope(links.ddlTr);
    for (const QStringList &sql : statements)
        Execute(links, sql);
    scope.Commit();
}

// Whether the catalogue table lists an object of that name.
bool CatalogueHas(const SchemaLinks &links, const QString &catalogue, const QString &nameColumn,
                  const QString &name)
{
    FbTransactionScope scope(links.probeTr);
    links.probe.SetSQL({"SELECT 1 FROM " + catalogue, "WHERE " + nameColumn + " = :NAME"});
    links.probe.ParamByName(QStringLiteral("NAME"))->SetAsString(name);
    links.probe.Open();
    return !links.probe.IsEmpty();
}

QStringList Lines(const char *ddl)
{
    return QString::fromLatin1(ddl).split(u'\n');
}

}

void UpgradeLogiColumns(const SchemaLinks &links)
{
    bool present[std::size(ColumnSteps)];
    {
        FbTransactionScope scope(links.probeTr);
        links.probe.SetSQL({"SELECT *", "FROM Logi", "WHERE LogId=0"});
        links.probe.Open();
        for (size_t i = 0; i < std::size(ColumnSteps); ++i)
            present[i] = links.probe.FindField(ColumnSteps[i].name) != nullptr;
    }

    for (size_t i = 0; i < std::size(ColumnSteps); ++i)
        if (!present[i])
            RunStep(links, {{"ALTER TABLE LOGI", ColumnSteps[i].addLine}, {ColumnSteps[i].indexLine}});
}

void CreateStacjeTable(const SchemaLinks &links)
{
    QList<QStringList> statements = {{
        "CREATE TABLE Stacje(",
        "Stacja   VARCHAR(10) NOT NULL COLLATE PXW_PLK,",
        "Nazwa    VARCHAR(60) COLLATE PXW_PLK,",
        "Nazwisko VARCHAR(40) COLLATE PXW_PLK,",
        "Imie     VARCHAR(15) COLLATE PXW_PLK,",
        "Miasto   VARCHAR(25) COLLATE PXW_PLK,",
        "KodPoczt VARCHAR(10) COLLATE PXW_PLK,",
        "Adres    VARCHAR(50) COLLATE PXW_PLK,",
        "Lokator  VARCHAR( 6) COLLATE PXW_PLK,",
        "Domena   VARCHAR( 6) COLLATE PXW_PLK,",
        "Wojew    VARCHAR( 1) COLLATE PXW_PLK,",
        "Powiat   VARCHAR( 2) COLLATE PXW_PLK,",
        "Manager  VARCHAR( 7) COLLATE PXW_PLK,",
        "IOTA     VARCHAR( 6) COLLATE PXW_PLK,",
        "Email1   VARCHAR(50) COLLATE PXW_PLK,",
        "Email2   VARCHAR(50) COLLATE PXW_PLK,",
        "Uwagi    VARCHAR(50) COLLATE PXW_PLK,",
        "Rodzaj   CHAR(1) COLLATE PXW_PLK,",
        "Kraj     SMALLINT,",
        "DataAkt  DATE,",
        "Aktual   D_BOOL,",
        "CONSTRAINT pk_Stacje PRIMARY KEY (Stacja) )",
    }};
    for (const char *index :
         {"CREATE INDEX Stacje_Nazwa ON Stacje(Nazwa)", "CREATE INDEX Stacje_Nazwisko ON Stacje(Nazwisko)",
          "CREATE INDEX Stacje_Imie ON Stacje(Imie)", "CREATE INDEX Stacje_Miasto ON Stacje(Miasto)",
          "CREATE INDEX Stacje_KodPoczt ON Stacje(KodPoczt)",
          "CREATE INDEX Stacje_Lokator ON Stacje(Lokator)", "CREATE INDEX Stacje_Wojew ON Stacje(Wojew)",
          "CREATE INDEX Stacje_Powiat ON Stacje(Powiat)", "CREATE INDEX Stacje_Rodzaj ON Stacje(Rodzaj)",
          "CREATE INDEX Stacje_Kraj ON Stacje(Kraj)"})
        statements.append(QStringList{index});
    RunStep(links, statements);
}

void CreateZamkiTable(const SchemaLinks &links)
{
    RunStep(links, {{"CREATE TABLE Zamki(", "Symbol   VARCHAR(6) NOT NULL COLLATE PXW_PLK,",
                     "Nazwa    VARCHAR(60) COLLATE PXW_PLK,", "CONSTRAINT pk_Zamki PRIMARY KEY (Symbol) )"}});
}

void CreateGminyTable(const SchemaLinks &links)
{
    RunStep(links, {{"CREATE TABLE Gminy(", "GminaId CHAR( 6) NOT NULL COLLATE PXW_PLK,",
                     "Gmina   VARCHAR(50) COLLATE PXW_PLK,", "Powiat  VARCHAR(50) COLLATE PXW_PLK,",
                     "WojewId CHAR(1) COLLATE PXW_PLK,", "CONSTRAINT pk_Gminy PRIMARY KEY (GminaId) )"}});
}

void CreatePrefixVersionTable(const SchemaLinks &links)
{
    RunStep(links, {PrefixVersion::CreateTable()});
}

void CreateEtykietyTable(const SchemaLinks &links)
{
    QList<QStringList> statements;
    if (!CatalogueHas(links, "RDB$GENERATORS", "RDB$GENERATOR_NAME", LabelSchema::GeneratorName))
        statements.append(Lines(LabelSchema::Generator));
    if (!CatalogueHas(links, "RDB$PROCEDURES", "RDB$PROCEDURE_NAME", LabelSchema::ProcedureName))
        statements.append(Lines(LabelSchema::Procedure));
    statements.append(Lines(LabelSchema::Table));
    statements.append(Lines(LabelSchema::NameIndex));
    RunStep(links, statements);
}
