#pragma once
// The editor panel of the text frame.
#include "editors/ui/TSourceEditor.h"

namespace ballforge {

/// Plain text: line numbers, tabs, no highlighting.
class TframeTextEditor : public TSourceEditor {
    Q_OBJECT
public:
    explicit TframeTextEditor(QWidget* parent = nullptr);
};

} // namespace ballforge
