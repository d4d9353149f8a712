#include "documents/Tresourcefile.h"

#include "documents/Errors.h"

namespace ballforge {

Tresourcefile::Tresourcefile(std::string fileName)
    : fileName_(std::move(fileName)), root_(std::make_unique<tresourcenode>()) {}

Tresourcefile::~Tresourcefile() = default;

std::string Tresourcefile::IdentifierText(const tresourcenode& node) const {
    switch (node.kind) {
    case tresourcenode::rkName: return node.name;
    case tresourcenode::rkNumber: return std::to_string(node.number);
    default: throw EInternalError("Unknown ident!");
    }
}

bool Tresourcefile::SaveTo(const std::string&) { return false; }

void Tresourcefile::TransferResourcesTo(Tresourcefile& other) {
    while (root_->count() > 0) root_->child(root_->count() - 1)->MoveTo(&other.root());
}

void Tresourcefile::ClearChangedFlags() {
    root_->VisitAll([](tresourcenode& n) { n.changed = false; });
}

} // namespace ballforge
