#include "report/windows/RpOutlineTree.h"

void TRpOutlineTree::BeginUpdate()
{
    if (tree_)
        tree_->setUpdatesEnabled(false);
}

void TRpOutlineTree::EndUpdate()
{
    if (tree_)
        tree_->setUpdatesEnabled(true);
}

void TRpOutlineTree::Clear()
{
    nodes_.clear();
    if (tree_)
        tree_->clear();
}

void TRpOutlineTree::AddNode(int index, int parent, const QString &caption, int32_t id)
{
    if (!tree_)
        return;
    QTreeWidgetItem *under = parent >= 0 && parent < nodes_.size() ? nodes_.at(parent) : nullptr;
    auto *node = under ? new QTreeWidgetItem(under) : new QTreeWidgetItem(tree_);
    node->setText(0, caption);
    node->setData(0, OutlineIdRole, id);
    nodes_.resize(std::max<qsizetype>(nodes_.size(), index + 1));
    nodes_[index] = node;
}
