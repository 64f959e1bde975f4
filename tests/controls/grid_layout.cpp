#include "controls/ExDBCtrl.h"
#include "platform/db/ExMemDS.h"
#include "controls/FormPlacement.h"

#include <QFile>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A window with a named grid of three program columns, its layout kept in an INI file.
struct LayoutWindow {
    explicit LayoutWindow(const QString &iniFile)
    {
        store = new TPlacementStore(&form);
        store->SetIniFileName(iniFile);
        grid = new TExDBGrid(&form);
        grid->setObjectName("DbGrid");
        std::vector<TColumn> columns(3);
        const char *fields[] = {"Stacja", "Imie", "Miasto"};
        for (int i = 0; i < 3; ++i) {
            columns[i].FieldName = fields[i];
            columns[i].Width = 60 + 10 * i;
        }
        grid->SetColumns(columns);
        grid->SetIniStorage(store);
        table.AddField("Stacja", FieldType::String, 12);
        table.AddField("Imie", FieldType::String, 20);
        table.AddField("Miasto", FieldType::String, 30);
        table.Open();
        source.SetDataSet(&table);
        grid->SetDataSource(&source);
    }
    QStringList Order() const
    {
        QStringList names;
        for (const TColumn &c : grid->Columns())
            names << c.FieldName;
        return names;
    }
    QWidget form;
    TPlacementStore *store;
    TExDBGrid *grid;
    TExMemoryData table;
    DataSource source;
};

TEST(GridLayout, ColumnOrderAndWidthsComeBackFromTheStore)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("Quarn.INI");
    {
        LayoutWindow w(ini);
        w.store->RestoreFormPlacement();
        EXPECT_EQ(w.Order(), QStringList({"Stacja", "Imie", "Miasto"})) << "nothing stored yet";
        w.grid->SetColumnWidth(0, 111);
        std::vector<TColumn> moved = w.grid->Columns();
        std::swap(moved[0], moved[2]);
        w.grid->SetColumns(moved);
        w.store->SaveFormPlacement();
    }
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("DbGrid.Stacja=2,111")) << text.toStdString();

    LayoutWindow again(ini);
    again.store->RestoreFormPlacement();
    EXPECT_EQ(again.Order(), QStringList({"Miasto", "Imie", "Stacja"}));
    EXPECT_EQ(again.grid->ColumnWidth(2), 111);
    EXPECT_EQ(again.grid->ColumnWidth(0), 80);
}

TEST(GridLayout, UnnamedGridKeepsNothing)
{
    QTemporaryDir dir;
    LayoutWindow w(dir.filePath("Quarn.INI"));
    w.grid->setObjectName(QString());
    w.store->RestoreFormPlacement();
    w.store->SaveFormPlacement();
    QFile file(dir.filePath("Quarn.INI"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(QString::fromUtf8(file.readAll()).contains("Stacja"));
}

} // namespace
