#include "formats/DecoderParts.h"

#include "documents/ResourceID.h"

namespace ballforge {

TPartNode* TDecoderParts::FindPart(const std::string& name) const {
    for (const auto& part : parts_)
        if (SameText(part->name, name)) return part.get();
    return nullptr;
}

TPartNode& TDecoderParts::PartByName(const std::string& name) {
    if (TPartNode* found = FindPart(name)) return *found;
    parts_.push_back(std::make_unique<TPartNode>());
    parts_.back()->name = name;
    return *parts_.back();
}

} // namespace ballforge
