#pragma once
// One node of the resource tree that every open file becomes.
#include "documents/FrameKind.h"
#include "documents/ResourceID.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ballforge {

/// A resource tree node: an identifier (name or number), its editor, a changed flag, its bytes,
/// and its children, which it owns, in the order they were added.
class tresourcenode {
public:
    enum Kind : std::uint8_t { rkName = 0, rkNumber = 1 };

    tresourcenode() = default;
    tresourcenode(const tresourcenode&) = delete;
    tresourcenode& operator=(const tresourcenode&) = delete;

    std::int32_t number = 0;
    std::string name;
    std::uint8_t kind = rkName;
    TFrameKind frameclass = TFrameKind::ViewFrame;
    bool changed = false;
    std::vector<std::uint8_t> data;

    tresourcenode* parent() const { return parent_; }
    bool isNumeric() const { return kind == rkNumber; }

    std::size_t count() const { return children_.size(); }
    tresourcenode* child(std::size_t i) const { return children_.at(i).get(); }
    int indexOf(const tresourcenode* node) const;

    /// Appends the child and makes this node its parent; returns the child.
    tresourcenode* AddChild(std::unique_ptr<tresourcenode> child);
    /// Removes a child from the list and frees it with its subtree.
    void DeleteChild(tresourcenode* child);
    /// Removes a child from the list without freeing it.
    std::unique_ptr<tresourcenode> TakeChild(tresourcenode* child);
    /// Frees every child.
    void Clear() { children_.clear(); }

    void SetName(const std::string& text);
    void SetID(std::int32_t value);

    tresourcenode* FindChildByName(const std::string& text) const;
    tresourcenode* FindChildByID(std::int32_t value) const;
    tresourcenode* FindChild(const TResourceIDRec& id) const;
    tresourcenode* GetOrAddChildByName(const std::string& text);
    tresourcenode* GetOrAddChildByID(std::int32_t value);
    tresourcenode* GetOrAddChild(const TResourceIDRec& id);

    /// Takes this node out of its parent's list (without freeing it) and appends it to newParent.
    void MoveTo(tresourcenode* newParent);

    /// Depth below the root: top-level nodes are level 0, the root itself -1.
    int Level() const;

    /// Children first, in list order and recursively, then the node itself.
    void VisitAll(const std::function<void(tresourcenode&)>& visit);

    /// True when this node or any node below it has its changed flag set.
    bool AnyChanged() const;

private:
    tresourcenode* parent_ = nullptr;
    std::vector<std::unique_ptr<tresourcenode>> children_;
};

/// The identifier of a node in the form resource calls take; raises "Unknown identifier type".
TResourceIDRec IdentifierValue(const tresourcenode& node);

} // namespace ballforge
