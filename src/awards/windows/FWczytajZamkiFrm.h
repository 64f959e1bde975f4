#pragma once

#include "awards/windows/FWczytajListeFrm.h"

// "Zamki polskie": loads the castle list Zamki.txt into ZAMKI.
class TWczytajZamkiFrm : public TWczytajListeFrm {
    Q_OBJECT
public:
    explicit TWczytajZamkiFrm(QWidget *parent = nullptr);
};
