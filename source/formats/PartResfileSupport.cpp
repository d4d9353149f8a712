#include "formats/PartResfileSupport.h"

#include "documents/Errors.h"
#include "documents/FileUtils.h"

namespace ballforge {

tresourcenode* AddPartNode(tresourcenode& parent, const std::string& nodeName, TFrameKind frame,
                           const TPartDecoder& decoder, const std::string& partName) {
    tresourcenode* node = parent.GetOrAddChildByName(nodeName);
    node->frameclass = frame;
    if (const TPartNode* part = decoder.FindPart(partName))
        node->data = part->data;
    else
        node->data.clear();
    node->changed = false;
    return node;
}

void TakePartFromNode(const tresourcenode& root, const std::string& nodeName, TPartDecoder& decoder,
                      const std::string& partName) {
    const tresourcenode* node = root.FindChildByName(nodeName);
    if (!node) throw eerrormessage("The node \"" + nodeName + "\" is missing");
    decoder.PartByName(partName).data = node->data;
}

void TakeLNZFromNodes(const tresourcenode& root, TPartDecoder& decoder) {
    const tresourcenode* lnz = root.FindChildByName("LNZ");
    if (!lnz) throw eerrormessage("The node \"LNZ\" is missing");
    TakePartFromNode(*lnz, "Adult", decoder, "Adult.LNZ");
    TakePartFromNode(*lnz, "Child", decoder, "Child.LNZ");
}

void EncodeCheckAndWrite(TPartDecoder& decoder, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = decoder.SaveToBytes();
    decoder.CheckReadsBack(bytes);
    if (!WriteFileSafely(fileName, bytes)) throw eerrormessage("Cannot write \"" + fileName + "\"");
}

} // namespace ballforge
