#pragma once

class FbQuery;
class FbStatement;
class FbTransaction;

// What the upgrade works with: a query that probes the LOGI columns and a
// statement for the DDL, each on its own transaction.
struct SchemaLinks {
    FbQuery &probe;
    FbTransaction &probeTr;
    FbStatement &ddl;
    FbTransaction &ddlTr;
};

// Schema upgrade run on every start: adds what an older Log.dat lacks, never
// drops or renames anything. Each step is guarded by its probe, so running it
// again on an up-to-date file costs one probe query and three existence tests.
void UpgradeLogiColumns(const SchemaLinks &links);
void CreateStacjeTable(const SchemaLinks &links);
void CreateZamkiTable(const SchemaLinks &links);
void CreateGminyTable(const SchemaLinks &links);
// The one-row table that holds the version of the prefix tables.
void CreatePrefixVersionTable(const SchemaLinks &links);
// The label-template table with its index, and the generator and procedure
// behind its ids where the file lacks them too.
void CreateEtykietyTable(const SchemaLinks &links);
