#include "awards/windows/FWczytajGminyFrm.h"

TWczytajGminyFrm::TWczytajGminyFrm(QWidget *parent)
    : TWczytajListeFrm({QStringLiteral("Gminy"), QStringLiteral("Gminy.txt"),
                        QStringLiteral("Czy rzeczywiście chcesz wczytać informacje o gminach? "),
                        QStringLiteral("Funkcja aktualizuje listę gmin na podstawie pliku Gminy.txt "
                                       "otrzymanego od autora programu."),
                        &ImportCommuneList},
                       parent)
{
}
