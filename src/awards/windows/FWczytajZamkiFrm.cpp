#include "awards/windows/FWczytajZamkiFrm.h"

TWczytajZamkiFrm::TWczytajZamkiFrm(QWidget *parent)
    : TWczytajListeFrm(
          {QStringLiteral("Zamki polskie"), QStringLiteral("Zamki.txt"),
           QStringLiteral("Czy rzeczywiście chcesz wczytać informacje o zamkach polskich? "),
           QStringLiteral("Funkcja aktualizuje listę zamków polskich na podstawie pliku Zamki.txt "
                          "otrzymanego od autora programu."),
           &ImportCastleList},
          parent)
{
}
