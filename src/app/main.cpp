#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarn"));
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Quarn"));
    w.show();
    return app.exec();
}
