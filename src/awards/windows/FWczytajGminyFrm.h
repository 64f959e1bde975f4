#pragma once

#include "awards/windows/FWczytajListeFrm.h"

// "Gminy": loads the commune list Gminy.txt into GMINY.
class TWczytajGminyFrm : public TWczytajListeFrm {
    Q_OBJECT
public:
    explicit TWczytajGminyFrm(QWidget *parent = nullptr);
};
