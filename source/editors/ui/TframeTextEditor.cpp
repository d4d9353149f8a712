#include "editors/ui/TframeTextEditor.h"

namespace ballforge {

TframeTextEditor::TframeTextEditor(QWidget* parent) : TSourceEditor(parent) {}

} // namespace ballforge
