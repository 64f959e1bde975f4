#include "core/CallbookSearch.h"

#include "core/Geography.h"
#include "core/Settings.h"
#include "core/SqlText.h"

namespace {

// The sort column of each "Kolejność wg" item.
const std::array<QLatin1String, 8> OrderColumns = {
    QLatin1String("Stacja"), QLatin1String("Nazwisko"), QLatin1String("Imie"),  QLatin1String("Nazwa"),
    QLatin1String("Miasto"), QLatin1String("Lokator"),  QLatin1String("Wojew"), QLatin1String("Powiat")};

// The CallbookColumnNames index of each "Kolejność wg" item: surname and first
// name stand the other way round there.
const std::array<int, 8> SortColumnOfItem = {0, 2, 1, 3, 4, 5, 6, 7};

}

QStringList SearchOperatorItems()
{
    return {QStringLiteral(" "), QStringLiteral("równa się"), QStringLiteral("zaczyna się od"),
            QStringLiteral("zawiera tekst")};
}

TSearchOperator SearchOperator(int itemIndex)
{
    return itemIndex >= soEquals && itemIndex <= soContains ? TSearchOperator(itemIndex) : soNone;
}

QStringList SearchOrderItems()
{
    return {QStringLiteral("Stacja"),      QStringLiteral("Nazwisko"),    QStringLiteral("Imię"),
            QStringLiteral("Nazwa"),       QStringLiteral("Miejscowość"), QStringLiteral("Lokator"),
            QStringLiteral("Województwo"), QStringLiteral("Powiat")};
}

QStringList VoivodeshipListItems()
{
    QStringList items{QStringLiteral(" ")};
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const QString code(QChar{c});
        const QString name = VoivodeshipNameForCode(code);
        if (!name.isEmpty())
            items << code + QStringLiteral(" - ") + name;
    }
    return items;
}

QStringList DistrictListItems()
{
    QStringList items{QStringLiteral(" ")};
    for (const District &d : Districts())
        items << QString::fromUtf16(d.Code) + QStringLiteral(" - ") + QString::fromUtf16(d.Text);
    return items;
}

QString CriterionClause(const QString &column, TSearchOperator op, const QString &boxText)
{
    const QString value = StripApostrophes(boxText.trimmed());
    switch (op) {
    case soEquals: return u'(' + column + QStringLiteral(" = '") + value + QStringLiteral("')");
    case soStartsWith:
        return u'(' + column + QStringLiteral(" Starting with '") + value + QStringLiteral("')");
    case soContains: return u'(' + column + QStringLiteral(" Like '%") + value + QStringLiteral("%')");
    case soNone: break;
    }
    return QString();
}

QString VoivodeshipCriterion(int itemIndex, const QString &itemText)
{
    if (itemIndex <= 0)
        return QString();
    return QStringLiteral("(Wojew='") + itemText.left(1) + QStringLiteral("')");
}

QString DistrictCriterion(int itemIndex, const QString &itemText)
{
    if (itemIndex <= 0)
        return QString();
    return QStringLiteral("(Powiat='") + itemText.left(2) + QStringLiteral("')");
}

QString BuildOrderBy(int kolejItem)
{
    if (kolejItem < 0 || kolejItem >= int(OrderColumns.size()))
        return QString();
    return QStringLiteral("Order by ") + OrderColumns[kolejItem];
}

TCallbookSql BuildSearchSql(const TCallbookCriteria &criteria)
{
    QStringList clauses;
    for (int row = 0; row < CallbookTextRowCount; ++row)
        clauses << CriterionClause(CallbookCriterionColumns[row], criteria.Operators[row],
                                   criteria.Values[row]);
    clauses << VoivodeshipCriterion(criteria.WojewItem, criteria.WojewText)
            << DistrictCriterion(criteria.PowiatItem, criteria.PowiatText);
    clauses.removeAll(QString());
    if (clauses.isEmpty())
        return {};
    const QString crit = clauses.join(QStringLiteral(" And "));
    TCallbookSql sql;
    sql.SearchSql =
        QStringLiteral("Select Stacja, Nazwisko, Imie, Nazwa, Adres, Lokator, Miasto, Wojew, Powiat ") +
        QStringLiteral("From Stacje ") + QStringLiteral(" Where ") + crit + u' ' +
        BuildOrderBy(criteria.KolejItem);
    sql.CountSql = QStringLiteral("Select Count(*) As Licznik From Stacje Where ") + crit;
    return sql;
}

int SortColumnIndex(int kolejItem)
{
    if (kolejItem < 0 || kolejItem >= int(SortColumnOfItem.size()))
        return 0;
    return SortColumnOfItem[kolejItem];
}

bool IsCallbookSortColumn(const QString &fieldName, int sortIndex)
{
    if (sortIndex < 0 || sortIndex >= int(CallbookColumnNames.size()))
        return false;
    return fieldName.compare(CallbookColumnNames[sortIndex], Qt::CaseInsensitive) == 0;
}
