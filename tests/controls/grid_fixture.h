#pragma once

#include "controls/ExDBCtrl.h"
#include "platform/db/ExMemDS.h"
#include "platform/db/DataSource.h"

#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A memory table that can be made read-only, as a query without an update
// statement is.
class GridTable : public TExMemoryData {
public:
    bool readOnly = false;
    bool CanModify() const override { return !readOnly; }
};

// A grid over a memory table of a few QSOs, shown in its own window.
class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.AddField("Stacja", FieldType::String, 12);
        table.AddField("Imie", FieldType::String, 20);
        table.AddField("Miasto", FieldType::String, 30);
        table.AddField("QSL_Odb", FieldType::FixedChar, 1);
        table.Open();
        AddFiveQsos();
        table.First();
        grid = std::make_unique<TExDBGrid>();
        grid->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgRowSelect |
                         dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
        grid->SetTitleButtons(true);
        source.SetDataSet(&table);
        grid->SetDataSource(&source);
        grid->resize(500, 200);
        grid->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    }
    void Add(const char *call, const char *name, const char *town, const char *qsl)
    {
        table.Append();
        table.FieldByName("Stacja")->SetAsString(QString::fromUtf8(call));
        table.FieldByName("Imie")->SetAsString(QString::fromUtf8(name));
        table.FieldByName("Miasto")->SetAsString(QString::fromUtf8(town));
        table.FieldByName("QSL_Odb")->SetAsString(QString::fromUtf8(qsl));
        table.Post();
    }
    // The fixture's five QSOs, Polish and other letters in calls, names and towns.
    void AddFiveQsos()
    {
        Add("SP5ABC", "Józef", "Łódź", "T");
        Add("SQ9ŻÓŁ", "Łucja", "Gdańsk", "N");
        Add("KA1XYZ", "John", "Boston", "T");
        Add("DL2ÄÖÜ", "Jürgen", "Köln", "N");
        Add("SP9KRK", "Świętosław", "Kraków", "T");
    }
    QHeaderView *Titles() { return grid->horizontalHeader(); }
    QPoint TitleCentre(int column)
    {
        const int mc = grid->ModelColumnOf(column);
        return QPoint(Titles()->sectionViewportPosition(mc) + Titles()->sectionSize(mc) / 2,
                      Titles()->height() / 2);
    }
    QPoint CellCentre(int row, int column)
    {
        const int mc = grid->ModelColumnOf(column);
        return QPoint(grid->columnViewportPosition(mc) + grid->columnWidth(mc) / 2,
                      grid->rowViewportPosition(row) + grid->rowHeight(row) / 2);
    }
    static TColumn Col(const QString &field, const QString &title = QString(), int width = 0,
                       Qt::Alignment alignment = {}, bool checkMark = false)
    {
        TColumn c;
        c.FieldName = field;
        c.Title = title;
        c.Width = width;
        c.Alignment = alignment;
        c.CheckMarkFont = checkMark;
        return c;
    }
    QString Call() { return table.FieldByName("Stacja")->AsString(); }

    GridTable table;
    DataSource source;
    std::unique_ptr<TExDBGrid> grid;
};
