// Opening a log of 100,000 QSOs: from creating the data module and the main
// window until the grid shows its first rows, and the resident memory then.
#include "ResidentMemory.h"
#include "controls/ExDBCtrl.h"
#include "core/BaseSchema.h"
#include "core/FDM.h"
#include "support/QsoRows.h"
#include "ui/FMainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Log.dat"));
    qputenv("QUARN_DATABASE", path.toUtf8());
    qputenv("QUARN_SETTINGS", dir.filePath(QStringLiteral("Quarn.ini")).toUtf8());

    QElapsedTimer fill;
    fill.start();
    {
        // The upgrade adds the later columns, so the QSOs go in after a first open.
        FbDatabase db;
        db.Create(path);
        BaseSchema::Create(db);
        db.Close();
        TDM dm;
        DM = &dm;
        if (!dm.OpenDatabase()) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
            return 1;
        }
        InsertQsos(dm.Baza, SampleQsos(count));
        DM = nullptr;
    }
    std::printf("filled %d QSOs in %.2f s\n", count, fill.elapsed() / 1000.0);
    const long before = ResidentKb();

    QElapsedTimer open;
    open.start();
    DM = new TDM;
    auto *form = new TMainForm;
    MainForm = form;
    if (!DM->OpenDatabase())
        return 1;
    form->show();
    form->FormActivate(); // what the first activation does: count, buttons
    while (form->DbGrid->model()->rowCount() == 0 || !form->DbGrid->isVisible())
        QApplication::processEvents();
    form->DbGrid->repaint();
    QApplication::processEvents();
    const qint64 ms = open.elapsed();
    const long rss = ResidentKb();
    std::printf("open log of %d QSOs until first rows shown: %lld ms (goal < 1000 ms)\n", count, ms);
    std::printf("resident memory: %.1f MB (before opening %.1f MB; goal < 200 MB)\n", rss / 1024.0,
                before / 1024.0);

    QElapsedTimer last;
    last.start();
    DM->Logi.Last();
    QApplication::processEvents();
    std::printf("go to the last QSO (fetches every row): %lld ms, resident memory then %.1f MB\n",
                last.elapsed(), ResidentKb() / 1024.0);

    QElapsedTimer sort;
    sort.start();
    form->GridTitleClick(2);
    form->DbGrid->repaint();
    std::printf("reopen sorted by call sign: %lld ms\n", sort.elapsed());

    delete form;
    delete DM;
    DM = nullptr;
    return 0;
}
