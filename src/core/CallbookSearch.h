#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <array>

// The compound callbook search: the criteria chosen in the search dialog
// turned into the statement over STACJE and its count. Values go in as text
// literals with every apostrophe removed, so no value can end its literal.

inline constexpr int CallbookTextRowCount = 6;
// The column of each text row of the dialog, in the order the criteria join.
inline constexpr std::array<QLatin1String, CallbookTextRowCount> CallbookCriterionColumns = {
    QLatin1String("Stacja"), QLatin1String("Nazwisko"), QLatin1String("Imie"),
    QLatin1String("Nazwa"),  QLatin1String("Miasto"),   QLatin1String("Lokator")};

// The items of each operator list; the item index is the operator.
enum TSearchOperator { soNone = 0, soEquals = 1, soStartsWith = 2, soContains = 3 };
QStringList SearchOperatorItems();
TSearchOperator SearchOperator(int itemIndex);

// The items of "Kolejność wg" and of the voivodeship and district lists.
QStringList SearchOrderItems();
QStringList VoivodeshipListItems();
QStringList DistrictListItems();

// One criterion each; empty when none is chosen.
QString CriterionClause(const QString &column, TSearchOperator op, const QString &boxText);
QString VoivodeshipCriterion(int itemIndex, const QString &itemText);
QString DistrictCriterion(int itemIndex, const QString &itemText);

// What the dialog holds when "Szukaj" is pressed.
struct TCallbookCriteria {
    std::array<TSearchOperator, CallbookTextRowCount> Operators{};
    std::array<QString, CallbookTextRowCount> Values;
    int WojewItem = 0;
    QString WojewText;
    int PowiatItem = 0;
    QString PowiatText;
    int KolejItem = 0;
};

// Both texts are empty when no criterion is chosen.
struct TCallbookSql {
    QString SearchSql;
    QString CountSql;
    bool IsEmpty() const { return SearchSql.isEmpty(); }
};

QString BuildOrderBy(int kolejItem);
TCallbookSql BuildSearchSql(const TCallbookCriteria &criteria);
// The CallbookColumnNames index of the order chosen; 0 for an item outside the list.
int SortColumnIndex(int kolejItem);
// Whether a result column carries the sort marker of that sort index.
bool IsCallbookSortColumn(const QString &fieldName, int sortIndex);
