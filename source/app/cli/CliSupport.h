#pragma once
// Helpers the commands share: opening any file, finding a node by path, saving safely.
#include "app/cli/CliCommand.h"
#include "documents/Tresourcefile.h"

#include <memory>

namespace ballforge {

/// Opens and loads a file with the container the editor would choose; raises ECliUsage on failure.
std::unique_ptr<Tresourcefile> OpenForCli(const std::string& fileName);

/// The node reached by identifiers typed by the user (TYPE NAME LANG for modules, part names for pets).
tresourcenode& FindNodeForCli(Tresourcefile& file, const std::vector<std::string>& path);

/// Raises ECliUsage unless the identifiers can be stored in a module.
void CheckPEIdentifiers(const TResourceIDRec& type, const TResourceIDRec& name, std::int64_t language);

/// Saves the file in place, or as a copy at newFile when it is not empty. Raises ECliUsage on failure.
void SaveForCli(Tresourcefile& file, const std::string& newFile, CliContext& ctx);

/// The text the document tree shows for a node.
std::string NodeDisplayText(const tresourcenode& node);

} // namespace ballforge
