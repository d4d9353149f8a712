#pragma once
// What the pet and baby containers share: building their fixed trees and saving through their decoders.
#include "documents/tresourcenode.h"
#include "formats/TPartDecoder.h"

#include <string>

namespace ballforge {

/// Hangs a node for a part under parent (by name), with its editor and a copy of the part's bytes.
tresourcenode* AddPartNode(tresourcenode& parent, const std::string& nodeName, TFrameKind frame,
                           const TPartDecoder& decoder, const std::string& partName);

/// Copies the named root node's bytes into the decoder's part; raises when the node is missing.
void TakePartFromNode(const tresourcenode& root, const std::string& nodeName, TPartDecoder& decoder,
                      const std::string& partName);

/// Puts the "LNZ" / "Adult" and "LNZ" / "Child" nodes back into the decoder; raises when one is missing.
void TakeLNZFromNodes(const tresourcenode& root, TPartDecoder& decoder);

/// Encodes the decoder and writes the file through a temporary beside it, only when every part reads back
/// as it was given. Raises eerrormessage saying why it did not write.
void EncodeCheckAndWrite(TPartDecoder& decoder, const std::string& fileName);

} // namespace ballforge
