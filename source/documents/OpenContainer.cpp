#include "documents/OpenContainer.h"

#include "documents/FileUtils.h"
#include "documents/TDLLresfile.h"
#include "documents/TFlatresfile.h"
#include "formats/TBabyresfile.h"
#include "formats/TPetresfile.h"

#include <fstream>

namespace ballforge {

std::string UpperExtension(const std::string& fileName) {
    const auto ext = ToPath(fileName).extension();
    return UpperCase(FromPath(ext));
}

TContainerKind ContainerKindFor(const std::string& fileName) {
    if (fileName.empty()) return TContainerKind::Flat;
    const std::string ext = UpperExtension(fileName);
    if (ext == ".PET") return TContainerKind::Pet;
    if (ext == ".BABY") return TContainerKind::Baby;
    std::ifstream in(ToPath(fileName), std::ios::binary);
    if (!in) throw EFileOpenError("Cannot open \"" + fileName + "\"");
    char magic[2] = {};
    in.read(magic, 2);
    if (in.gcount() == 2 && magic[0] == 'M' && magic[1] == 'Z') return TContainerKind::DLL;
    return TContainerKind::Flat;
}

std::unique_ptr<Tresourcefile> CreateContainer(TContainerKind kind, const std::string& fileName) {
    switch (kind) {
    case TContainerKind::DLL: return std::make_unique<TDLLresfile>(fileName);
    case TContainerKind::Pet: return std::make_unique<TPetresfile>(fileName);
    case TContainerKind::Baby: return std::make_unique<TBabyresfile>(fileName);
    case TContainerKind::Flat: break;
    }
    return std::make_unique<TFlatresfile>(fileName);
}

std::unique_ptr<Tresourcefile> OpenContainer(const std::string& fileName) {
    auto container = CreateContainer(ContainerKindFor(fileName), fileName);
    container->Load();
    return container;
}

} // namespace ballforge
