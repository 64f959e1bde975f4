// Creates a new, empty Log.dat with the base schema and the seed data.
#include "core/NewDatabase.h"

#include <QCoreApplication>
#include <QTextStream>
#include <exception>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        err << "Użycie: quarn-mkdb PLIK [KATALOG_DANYCH]\n";
        return 2;
    }
    try {
        CreateLogDatabase(args[1], args.size() == 3 ? args[2] : DefaultSeedDataDir());
    } catch (const std::exception &e) {
        err << "quarn-mkdb: " << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
    return 0;
}
