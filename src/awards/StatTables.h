#pragma once

#include "platform/db/ExMemDS.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>

// The mark of a result cell; the check-mark font of the grids shows it as a tick.
inline constexpr QChar MarkChar = QChar(char16_t(0xD6));

// A mark cell is exactly two characters: position 1 the worked mark, position
// 2 the confirmed mark, each a blank or MarkChar. A cell of any other length
// is returned unchanged.
inline const QString BlankMarkCell = QStringLiteral("  ");
QString MarkWorked(const QString &cell);
QString MarkConfirmed(const QString &cell);

// n >= 1: the decimal text padded on the left to 3 characters (longer numbers
// are not cut); n < 1: empty.
QString FormatCount3(int n);
// The mark (one character) for a value above zero, else empty.
QString MarkIfPositive(int value);

// Reading a mark cell back (blanks trimmed): not worked, worked, confirmed.
enum class TMarkState { None, Worked, Confirmed };
TMarkState MarkStateOf(const QString &cell);
// Whether the mark occurs in the cells, each trimmed and joined (drill-down).
bool MarkInCells(const QStringList &cells);

// Band-cell field names in band order: band 1 (160 m) is index 0, band 14
// (23 cm) index 13. The DXCC multi-band table prefixes them with "PrefixTbl".
inline constexpr int BandCellCount = 14;
inline constexpr std::array<const char *, BandCellCount> BandCellNames = {
    "P160m", "P80m", "P40m", "P30m", "P20m", "P17m",  "P15m",
    "P12m",  "P10m", "P6m",  "P4m",  "P2m",  "P70cm", "P23cm"};
QString BandCellName(int band);          // "P160m" for band 1 ... "P23cm" for 14; empty outside
QString PrefixTblBandCellName(int band); // "PrefixTblP160m" ...
// All 14 band-cell field names in band order, each with the prefix.
QStringList BandCellFields(const QString &prefix = QString());

// The locator table counts four bands only.
inline constexpr int LokatorCellCount = 4;
inline constexpr std::array<int, LokatorCellCount> LokatorBands = {10, 12, 13, 14};
inline constexpr std::array<const char *, LokatorCellCount> LokatorCellNames = {"P6m", "P2m", "P70cm",
                                                                                "P23cm"};
int LokatorCellForBand(int band); // 0..3, or -1 for a band the table does not count
QStringList LokatorCellFields();  // "P6m" ... "P23cm"

// The seven result tables of the statistics window, open from construction.
// Fields, in order (string fields unless marked):
//   PrefixTbl     PrefixTblKrajId (integer), PrefixTblPrefix (fixed 6), PrefixTblDxcc (fixed 50),
//                 PrefixTblP160m ... PrefixTblP23cm (20 each)
//   PrefixRazTbl  KrajId (integer), Prefix (6), Nazwa (50), Lacznosc (20)
//   IotaTbl       Iota (fixed 6), Wyspa (fixed 50), Lacznosc (20)
//   SpaTbl        PowiatId (2), Powiat (50), P160m ... P23cm
//   GminaTbl      Symbol (6), Nazwa (60), P160m ... P23cm
//   ZamekTbl      Symbol (6), Nazwa (60), P160m ... P23cm
//   LokatorTbl    Lokator (25), P6m, P2m, P70cm, P23cm (20 each)
// The band cells of SpaTbl, GminaTbl and ZamekTbl hold counts in their summary
// rows, so they are CountCellSize wide (a few thousand communes exist).
// New rows of PrefixTbl, SpaTbl, GminaTbl, ZamekTbl and LokatorTbl start with
// every band cell blank (two blanks); IotaTbl and PrefixRazTbl have no such
// handler, their statistics write the blanks themselves.
class TStatTables {
public:
    static constexpr int MarkCellSize = 20;
    static constexpr int CountCellSize = 10;

    TStatTables();
    TStatTables(const TStatTables &) = delete;
    TStatTables &operator=(const TStatTables &) = delete;

    TExMemoryData PrefixTbl, PrefixRazTbl, IotaTbl, SpaTbl, GminaTbl, ZamekTbl, LokatorTbl;

    // New-record handlers (set as OnNewRecord by the constructor).
    static void PrefixTblNewRecord(DataSet &ds);
    static void SpaTblNewRecord(DataSet &ds);
    static void GminaTblNewRecord(DataSet &ds);
    static void ZamekTblNewRecord(DataSet &ds);
    static void LokatorTblNewRecord(DataSet &ds);
};
