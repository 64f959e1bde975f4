#pragma once

#include <QStringList>
#include <cstdint>

class FbDatabase;
class FbStatement;
class FbTransaction;

// The version of the prefix tables, kept in the log (table PREFIKSYWERSJA, one
// row): whatever replaces the tables raises it in the same transaction, so
// that another copy of the program on the same log can tell with one small
// query that the tables it read are old. A log without the row reads 0.
namespace PrefixVersion {

inline constexpr const char *TableName = "PREFIKSYWERSJA";

// The table, created by the schema upgrade when a log lacks it.
QStringList CreateTable();

// Raises the version inside tr, the transaction that changes the tables.
void Raise(FbDatabase &db, FbTransaction &tr);

// Prepares s to read the version; Read runs it.
void PrepareRead(FbStatement &s);
int64_t Read(FbStatement &s);

} // namespace PrefixVersion
