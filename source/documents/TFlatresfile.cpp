#include "documents/TFlatresfile.h"

#include "documents/FileUtils.h"

namespace ballforge {

void TFlatresfile::Load() {
    root().Clear();
    root().data = ReadWholeFile(fileName());
    root().frameclass = TFrameKind::LNZSynedit;
}

bool TFlatresfile::SaveTo(const std::string& fileName) {
    if (!WriteFileSafely(fileName, root().data)) return false;
    setFileName(fileName);
    ClearChangedFlags();
    return true;
}

} // namespace ballforge
