#pragma once
// The editor panel of the hex frame: the hex editor and a status bar that tells the position.
#include <QWidget>

class QLabel;
class QTimer;

namespace ballforge {

class THexEdit;

class TframeHexEditor : public QWidget {
    Q_OBJECT
public:
    explicit TframeHexEditor(QWidget* parent = nullptr);
    THexEdit* HexEdit = nullptr;
    QLabel* StatusBar = nullptr;
    QTimer* StatusTimer = nullptr;

public slots:
    /// "Position: " and the offset of the cursor or of the selection's start.
    void UpdateStatus();
};

} // namespace ballforge
