#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <initializer_list>

// Shows the wait cursor and disables the given controls for a long operation;
// restores both on every path out of the scope, errors included.
class BusyGuard {
public:
    explicit BusyGuard(std::initializer_list<QWidget *> disable = {});
    ~BusyGuard();
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    QList<QPointer<QWidget>> disabled_;
};
