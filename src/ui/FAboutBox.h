#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "O programie...": the program's icon, name and version, and what it is for.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Comments = nullptr;
    QPushButton *OkBtn = nullptr;
};
