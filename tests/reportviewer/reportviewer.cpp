// A sample report's design and its editor dialogs, for looking at them.
// quarn-reportviewer [VIEW [PNG [ZOOM]]]
// VIEW: design (default), label, expr, builder, builder-field, builder-function,
// builder-params, builder-variable, environment, environment-new. With a PNG
// path the window is grabbed to that file and the program ends.

#include "platform/db/ExMemDS.h"
#include "report/layout/RpDesignLayout.h"
#include "report/layout/RpExpr.h"
#include "report/layout/RpLabel.h"
#include "report/layout/RpPrintableEditor.h"
#include "report/layout/RpReport.h"
#include "report/windows/FRpEnvironmentEditor.h"
#include "report/windows/FRpExprBuilder.h"
#include "report/windows/RpDesignSurface.h"
#include "report/windows/RpEditors.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>

namespace {

template <class T> T *Place(TRpCustomBand *band, double leftMm, double topMm, double widthMm, double heightMm)
{
    auto *p = band->Add<T>();
    p->Size.SetNative(TRpPrintableSize::LeftIdx, leftMm * 10);
    p->Size.SetNative(TRpPrintableSize::TopIdx, topMm * 10);
    p->Size.SetNative(TRpPrintableSize::WidthIdx, widthMm * 10);
    p->Size.SetNative(TRpPrintableSize::HeightIdx, heightMm * 10);
    return p;
}

TRpLabel *Text(TRpCustomBand *band, double left, double top, double width, const QString &caption)
{
    auto *label = Place<TRpLabel>(band, left, top, width, 5);
    label->SetAutoSize(false);
    label->SetCaption(caption);
    return label;
}

TRpExpr *Expr(TRpCustomBand *band, double left, double top, double width, const QString &expression)
{
    auto *expr = Place<TRpExpr>(band, left, top, width, 5);
    expr->SetAutoSize(false);
    expr->SetExpression(expression);
    return expr;
}

void SetHeight(TRpCustomBand *band, double mm)
{
    band->Size.SetNative(TRpBandSize::HeightIdx, mm * 10);
}

// A two-column QSO list: title, page header, a band per station with a child
// band under it, a summary and a page footer.
struct SampleReport {
    TExMemoryData qsos;
    TReport report;
    TRpLabel *title = nullptr;
    TRpExpr *total = nullptr;

    SampleReport()
    {
        qsos.setObjectName(QStringLiteral("QSOS"));
        qsos.AddField(QStringLiteral("ZNAK"), FieldType::String, 20);
        qsos.AddField(QStringLiteral("PASMO"), FieldType::String, 10);
        qsos.AddField(QStringLiteral("RST"), FieldType::Integer);
        qsos.Open();
        const char *const rows[][3] = {{"SP9XYZ", "20m", "59"}, {"DL1ABC", "40m", "57"}};
        for (const auto &row : rows) {
            qsos.Append();
            for (int i = 0; i < 3; ++i)
                qsos.Fields()[size_t(i)]->SetAsString(QString::fromUtf8(row[i]));
            qsos.Post();
        }
        qsos.First();
        report.SetDataSet(&qsos);
        report.Page.SetColumns(2);
        report.Page.SetNative(TRpPage::ColumnSpaceIdx, 50);

        TRpBand *titleBand = CreateBandOfType(report, TRpBandType::rbTitle);
        SetHeight(titleBand, 14);
        title = Text(titleBand, 0, 3, 120, QStringLiteral("Dziennik stacji SP9XYZ"));
        title->SetFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
        titleBand->Frame.DrawBottom = true;

        TRpBand *header = CreateBandOfType(report, TRpBandType::rbPageHeader);
        SetHeight(header, 8);
        Text(header, 0, 1, 30, QStringLiteral("Znak"));
        Text(header, 32, 1, 20, QStringLiteral("Pasmo"));
        Text(header, 54, 1, 15, QStringLiteral("RST"));
        Expr(header, 100, 1, 40, QStringLiteral("'Strona ' + STR(PAGENUMBER)"));

        TRpBand *detail = CreateBandOfType(report, TRpBandType::rbDetail);
        SetHeight(detail, 7);
        Expr(detail, 0, 1, 30, QStringLiteral("QSOS.ZNAK"))->Frame.SetAll(true);
        Expr(detail, 32, 1, 20, QStringLiteral("QSOS.PASMO"));
        Expr(detail, 54, 1, 15, QStringLiteral("QSOS.RST"));
        TRpChildBand *child = report.AddChildBand(detail);
        child->Name = UniqueComponentName(report, BandNamePrefix(TRpBandType::rbChild));
        SetHeight(child, 6);
        Text(child, 0, 0.5, 60, QStringLiteral("uwagi do łączności"));

        TRpBand *summary = CreateBandOfType(report, TRpBandType::rbSummary);
        SetHeight(summary, 10);
        Text(summary, 0, 2, 40, QStringLiteral("Razem łączności:"));
        total = Expr(summary, 42, 2, 30, QStringLiteral("COUNT"));
        total->Mask = QStringLiteral("#,##0");

        TRpBand *footer = CreateBandOfType(report, TRpBandType::rbPageFooter);
        SetHeight(footer, 8);
        footer->Frame.DrawTop = true;
        Expr(footer, 0, 1, 80, QStringLiteral("APPNAME + ' ' + APPSTARTDATE"));
        report.Functions.AddFunction(QStringLiteral("STACJA"), QStringLiteral("'SP9XYZ'"));
    }
};

// Clicks a button of the builder that is the active modal window.
void Click(QPushButton *button)
{
    if (button)
        button->click();
}

// What is done to the modal window a view opens before it is grabbed.
void Prepare(const QString &view, QWidget *window)
{
    auto *builder = qobject_cast<TRpExpressionBuilder *>(window);
    if (builder && view == QLatin1String("builder-field"))
        Click(builder->FieldButton);
    if (builder && view == QLatin1String("builder-variable"))
        Click(builder->VariableButton);
    if (builder && (view == QLatin1String("builder-function") || view == QLatin1String("builder-params"))) {
        Click(builder->FunctionButton);
        builder->FunctionList->setCurrentRow(builder->FunctionList->count() - 1);
        if (view == QLatin1String("builder-params"))
            Click(builder->ContinueButton);
    }
    if (auto *env = qobject_cast<TRpEnvironmentEditor *>(window);
        env && view == QLatin1String("environment-new"))
        Click(env->AddButton);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    RegisterReportEditors();
    const QString view = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("design");
    const QString png = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    SampleReport sample;
    if (argc > 3)
        sample.report.SetZoom(QString::fromLocal8Bit(argv[3]).toInt());

    if (view == QLatin1String("design")) {
        QScrollArea area;
        auto *surface = new TRpDesignSurface(sample.report);
        area.setWidget(surface);
        area.setWindowTitle(QStringLiteral("Report design"));
        area.resize(surface->sizeHint().boundedTo(QSize(1000, 950)) + QSize(4, 4));
        area.show();
        if (!png.isEmpty()) {
            QApplication::processEvents();
            return surface->grab().save(png) ? 0 : 1;
        }
        return app.exec();
    }

    if (!png.isEmpty()) {
        QTimer::singleShot(100, [&] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window)
                QApplication::exit(1);
            Prepare(view, window);
            QApplication::processEvents();
            window->grab().save(png);
            window->close();
            if (auto *dialog = qobject_cast<QDialog *>(window))
                dialog->reject();
        });
    }
    if (view == QLatin1String("label"))
        CreatePrintableEditor(*sample.title)->ShowEditor();
    else if (view == QLatin1String("expr"))
        CreatePrintableEditor(*sample.total)->ShowEditor();
    else if (view.startsWith(QLatin1String("environment")))
        ShowEnvironmentEditor(&sample.report.Functions, &sample.report);
    else if (view.startsWith(QLatin1String("builder"))) {
        QString expression = QStringLiteral("QSOS.RST + 1");
        ShowExpressionBuilder(QString(), expression, &sample.report, &sample.report.Functions);
    } else {
        return 2;
    }
    return 0;
}
