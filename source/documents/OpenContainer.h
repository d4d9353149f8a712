#pragma once
// The choice of container for a file, shared by the document window and the command-line tool.
#include "documents/Tresourcefile.h"

#include <memory>
#include <string>

namespace ballforge {

enum class TContainerKind { Flat, DLL, Pet, Baby };

/// ".PET" and ".BABY" by extension; otherwise "MZ" as the first two bytes makes a PE module, and
/// anything else (an empty name too) is a plain file. Throws EFileOpenError when the file cannot be read.
TContainerKind ContainerKindFor(const std::string& fileName);

/// Creates the container for the file (not loaded).
std::unique_ptr<Tresourcefile> CreateContainer(TContainerKind kind, const std::string& fileName);

/// Creates and loads the container for a named file.
std::unique_ptr<Tresourcefile> OpenContainer(const std::string& fileName);

/// The upper-cased extension with its dot (".LNZ"), or empty.
std::string UpperExtension(const std::string& fileName);

} // namespace ballforge
