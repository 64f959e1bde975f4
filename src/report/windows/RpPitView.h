#pragma once

#include "report/layout/RpPit.h"

#include <QWidget>
#include <memory>

// Shows a cell box on an ordinary window: the widget paints the printable at
// its own size and repaints when the printable says something changed.
class TRpPitView : public QWidget {
    Q_OBJECT
public:
    TRpPitView(std::unique_ptr<TRpCustomPit> pit, QWidget *parent = nullptr);
    ~TRpPitView() override;

    TRpCustomPit &Pit() const { return *pit_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<TRpCustomPit> pit_;
};

// A pit view made for a new printable of type T; `pit` receives the printable.
template <typename T> TRpPitView *NewPitView(T *&pit, QWidget *parent)
{
    auto owned = std::make_unique<T>();
    pit = owned.get();
    return new TRpPitView(std::move(owned), parent);
}
