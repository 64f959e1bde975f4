#pragma once

// The label templates: table ETYKIETY with its unique index on the name, and
// the generator behind the procedure GETETYKIETAID that gives their ids.
// quarn-mkdb creates them with the base schema; the upgrade creates whichever
// of them an older file lacks. One definition for both, so they cannot drift.
namespace LabelSchema {

inline constexpr const char *GeneratorName = "GEN_ETYKIETAID";
inline constexpr const char *ProcedureName = "GETETYKIETAID";

inline constexpr const char *Generator = "CREATE GENERATOR GEN_ETYKIETAID";
inline constexpr const char *Procedure = "CREATE PROCEDURE GETETYKIETAID RETURNS (NUM INTEGER) AS\n"
                                         "BEGIN\n"
                                         "  NUM = GEN_ID(GEN_ETYKIETAID, 1);\n"
                                         "END";
inline constexpr const char *Table = "CREATE TABLE ETYKIETY (\n"
                                     "  ETYKIETAID  INTEGER NOT NULL,\n"
                                     "  NAZWA       VARCHAR(30) COLLATE PXW_PLK,\n"
                                     "  MARG_G      INTEGER,\n"
                                     "  MARG_L      INTEGER,\n"
                                     "  ODSTEP_PION INTEGER,\n"
                                     "  ODSTEP_POZ  INTEGER,\n"
                                     "  WYSOKOSC    INTEGER,\n"
                                     "  SZEROKOSC   INTEGER,\n"
                                     "  LICZBA_POZ  INTEGER,\n"
                                     "  LICZBA_PION INTEGER,\n"
                                     "  CONSTRAINT PK_ETYKIETY PRIMARY KEY (ETYKIETAID))";
inline constexpr const char *NameIndex = "CREATE UNIQUE INDEX ETYKIETY_NAZWA ON ETYKIETY(NAZWA)";

}
