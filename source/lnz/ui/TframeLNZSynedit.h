#pragma once
// The LNZ editor panel: the source editor for LNZ text.
#include <QWidget>

namespace ballforge {

class TSourceEditor;

/// Holds the LNZ text with line numbers; the highlighter, the tools and the help pane plug in here.
class TframeLNZSynedit : public QWidget {
    Q_OBJECT
public:
    explicit TframeLNZSynedit(QWidget* parent = nullptr);
    TSourceEditor* SynEdit1 = nullptr;
};

} // namespace ballforge
