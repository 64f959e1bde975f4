#pragma once

#include "report/pages/RpOutline.h"

#include <QList>
#include <QPointer>
#include <QTreeWidget>

// Shows an outline in a tree widget: one node per entry, its caption as the
// text and its identifier as the node's data (OutlineIdRole).
class TRpOutlineTree : public TRpOutlineView {
public:
    static constexpr int OutlineIdRole = Qt::UserRole;

    explicit TRpOutlineTree(QTreeWidget *tree) : tree_(tree) {}

    QTreeWidget *Tree() const { return tree_; }

    void BeginUpdate() override;
    void EndUpdate() override;
    void Clear() override;
    void AddNode(int index, int parent, const QString &caption, int32_t id) override;

private:
    QPointer<QTreeWidget> tree_;
    QList<QTreeWidgetItem *> nodes_; // by entry index
};
