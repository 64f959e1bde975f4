#pragma once

#include <QListView>
#include <QStyledItemDelegate>

class DataSet;
class DataSetModel;
class DataSource;

// Paints one read-only panel per QSO of the log: the call sign and name as a
// heading, then the QSO's values behind dotted captions in two columns.
class TRecordPanelDelegate : public QStyledItemDelegate {
public:
    TRecordPanelDelegate(DataSet *dataSet, QObject *parent);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The caption and the display text of every line of a row's panel.
    struct Line {
        QString caption;
        QString text;
    };
    QString Heading(int row) const;
    QList<Line> LeftLines(int row) const;
    QList<Line> RightLines(int row) const;

private:
    QString Text(int row, const char *field) const;

    DataSet *dataSet_;
};

// The record view of the main window ("&Formularz"): a list of panels over a
// dataset that follows the dataset's current row both ways.
class TRecordView : public QListView {
    Q_OBJECT
public:
    TRecordView(DataSource *source, QWidget *parent = nullptr);

    DataSetModel *Model() const { return model_; }
    TRecordPanelDelegate *Delegate() const { return delegate_; }

private:
    DataSetModel *model_;
    TRecordPanelDelegate *delegate_;
};
