#pragma once

#include <QStringList>
#include <QWidget>

// The fixed drawing of the label editor: the top-left corner of a sheet with
// four labels, and what each length of a template measures.
class TLabelSketch : public QWidget {
    Q_OBJECT
public:
    explicit TLabelSketch(QWidget *parent = nullptr);

    // The captions of the drawing, in the order they are drawn.
    static QStringList Captions();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
