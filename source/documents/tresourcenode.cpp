#include "documents/tresourcenode.h"

#include "documents/Errors.h"

#include <algorithm>

namespace ballforge {

int tresourcenode::indexOf(const tresourcenode* node) const {
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i].get() == node) return static_cast<int>(i);
    return -1;
}

tresourcenode* tresourcenode::AddChild(std::unique_ptr<tresourcenode> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    return children_.back().get();
}

std::unique_ptr<tresourcenode> tresourcenode::TakeChild(tresourcenode* child) {
    const int i = indexOf(child);
    if (i < 0) return nullptr;
    std::unique_ptr<tresourcenode> taken = std::move(children_[static_cast<std::size_t>(i)]);
    children_.erase(children_.begin() + i);
    taken->parent_ = nullptr;
    return taken;
}

void tresourcenode::DeleteChild(tresourcenode* child) { TakeChild(child); }

void tresourcenode::SetName(const std::string& text) {
    kind = rkName;
    name = text;
}

void tresourcenode::SetID(std::int32_t value) {
    kind = rkNumber;
    number = value;
}

tresourcenode* tresourcenode::FindChildByName(const std::string& text) const {
    for (const auto& c : children_)
        if (c->kind == rkName && SameText(c->name, text)) return c.get();
    return nullptr;
}

tresourcenode* tresourcenode::FindChildByID(std::int32_t value) const {
    for (const auto& c : children_)
        if (c->kind == rkNumber && c->number == value) return c.get();
    return nullptr;
}

tresourcenode* tresourcenode::FindChild(const TResourceIDRec& id) const {
    return id.isNumber() ? FindChildByID(id.number) : FindChildByName(id.name);
}

tresourcenode* tresourcenode::GetOrAddChildByName(const std::string& text) {
    if (auto* found = FindChildByName(text)) return found;
    auto node = std::make_unique<tresourcenode>();
    node->SetName(text);
    return AddChild(std::move(node));
}

tresourcenode* tresourcenode::GetOrAddChildByID(std::int32_t value) {
    if (auto* found = FindChildByID(value)) return found;
    auto node = std::make_unique<tresourcenode>();
    node->SetID(value);
    return AddChild(std::move(node));
}

tresourcenode* tresourcenode::GetOrAddChild(const TResourceIDRec& id) {
    return id.isNumber() ? GetOrAddChildByID(id.number) : GetOrAddChildByName(id.name);
}

void tresourcenode::MoveTo(tresourcenode* newParent) {
    if (!parent_ || !newParent) throw EInternalError("Trying to move to nil parent!");
    auto self = parent_->TakeChild(this);
    newParent->AddChild(std::move(self));
}

int tresourcenode::Level() const {
    int level = -1;
    for (const tresourcenode* p = parent_; p; p = p->parent_) ++level;
    return level;
}

void tresourcenode::VisitAll(const std::function<void(tresourcenode&)>& visit) {
    for (auto& c : children_) c->VisitAll(visit);
    visit(*this);
}

bool tresourcenode::AnyChanged() const {
    if (changed) return true;
    return std::any_of(children_.begin(), children_.end(), [](const auto& c) { return c->AnyChanged(); });
}

TResourceIDRec IdentifierValue(const tresourcenode& node) {
    switch (node.kind) {
    case tresourcenode::rkNumber: return TResourceIDRec::Number(node.number);
    case tresourcenode::rkName: return TResourceIDRec::Name(node.name);
    default: throw EInternalError("Unknown identifier type");
    }
}

} // namespace ballforge
