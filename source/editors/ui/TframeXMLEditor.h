#pragma once
// The editor panel of the xml frame.
#include "editors/ui/TSourceEditor.h"

namespace ballforge {

/// XML text with element names in navy and comments in italic.
class TframeXMLEditor : public TSourceEditor {
    Q_OBJECT
public:
    explicit TframeXMLEditor(QWidget* parent = nullptr);
};

} // namespace ballforge
