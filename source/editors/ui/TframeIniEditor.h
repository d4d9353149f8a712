#pragma once
// The editor panel of the ini frame.
#include "editors/ui/TSourceEditor.h"

namespace ballforge {

/// INI-style text (the Vavoruza settings) with the INI colours.
class TframeIniEditor : public TSourceEditor {
    Q_OBJECT
public:
    explicit TframeIniEditor(QWidget* parent = nullptr);
};

} // namespace ballforge
