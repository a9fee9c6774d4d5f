#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glyphora {

// Links of one node of an unbalanced binary search tree: the lesser and the
// greater child, the parent, and side = true when the node is its parent's
// greater child.
template <class Node>
struct IniTreeLinks {
    Node* lesser = nullptr;
    Node* greater = nullptr;
    Node* parent = nullptr;
    bool side = false;
};

// The sections of a document and the entries of a section: a binary search
// tree ordered by byte-wise comparison of labels (as strcmp), never
// rebalanced, so its shape, and with it the order in which the writer walks
// it, depends only on the order of insertion.
//
// The nodes are owned by an ordered index beside the tree. The index finds a
// label in logarithmic time even when the tree has degenerated into a list
// (a file of sorted keys), and a new node is hung below its in-order
// predecessor or successor, which is exactly where a walk down the tree would
// put it. Nothing here recurses, so no input can exhaust the stack.
template <class Node>
class IniTree {
public:
    using Index = std::map<std::string, std::unique_ptr<Node>, std::less<>>;

    Node* root() const { return root_; }
    const Index& inOrder() const { return index_; }

    Node* find(std::string_view label) const {
        auto it = index_.find(label);
        return it == index_.end() ? nullptr : it->second.get();
    }

    // The node labelled label; make(label) creates it when it is missing.
    template <class Make>
    Node& findOrInsert(std::string_view label, Make make) {
        auto it = index_.lower_bound(label);
        if (it != index_.end() && it->first == label) return *it->second;
        std::unique_ptr<Node> node = make(label);
        Node* raw = node.get();
        Node* predecessor = it == index_.begin() ? nullptr : std::prev(it)->second.get();
        Node* successor = it == index_.end() ? nullptr : it->second.get();
        if (!root_) {
            root_ = raw;
        } else if (predecessor && !predecessor->greater) {
            Hang(raw, predecessor, true);
        } else {
            Hang(raw, successor, false);
        }
        index_.emplace_hint(it, std::string(label), std::move(node));
        return *raw;
    }

    // Calls visit(node) in pre-order: a node, then the subtree of greater
    // labels, then the subtree of lesser labels.
    template <class Visit>
    void preOrder(Visit visit) const {
        std::vector<const Node*> pending;
        if (root_) pending.push_back(root_);
        while (!pending.empty()) {
            const Node* node = pending.back();
            pending.pop_back();
            visit(*node);
            if (node->lesser) pending.push_back(node->lesser);
            if (node->greater) pending.push_back(node->greater);
        }
    }

private:
    static void Hang(Node* node, Node* parent, bool greater) {
        (greater ? parent->greater : parent->lesser) = node;
        node->parent = parent;
        node->side = greater;
    }

    Index index_;
    Node* root_ = nullptr;
};

}  // namespace glyphora
