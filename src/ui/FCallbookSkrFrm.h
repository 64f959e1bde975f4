#pragma once

#include <QDialog>
#include <array>
#include <memory>

class QLabel;
class QPushButton;
class TButtonEdit;
class TCallbookStationQuery;

// "Callbook - wyszukiwanie proste": looks one call sign up in the callbook and
// shows its whole entry. Created at start-up and kept with its last entry.
class TCallbookSkrFrm : public QDialog {
    Q_OBJECT
public:
    explicit TCallbookSkrFrm(QWidget *parent = nullptr);
    ~TCallbookSkrFrm() override;

    void LookupCallbookStation();
    // The value shown in a row (0..9), in the order of the captions.
    QString ValueText(int row) const;
    TCallbookStationQuery &Query() { return *query_; }

    TButtonEdit *EdStacja = nullptr;
    QPushButton *ZamknijBtn = nullptr;

private:
    void ShowEntry();

    std::unique_ptr<TCallbookStationQuery> query_;
    std::array<QLabel *, 10> values_{};
};

extern TCallbookSkrFrm *CallbookSkrFrm;
