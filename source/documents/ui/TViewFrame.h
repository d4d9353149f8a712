#pragma once
// The contract between a document window and the editor of the selected resource.
#include "documents/FrameKind.h"
#include "documents/tresourcenode.h"

#include <QPointer>
#include <QWidget>

namespace ballforge {

/// One editor or viewer for one tree node, placed in a host panel. It reads its node's bytes when
/// loaded and writes them back only when the document window asks (StoreToNode).
class TViewFrame {
public:
    /// The node is not owned; the host panel receives the editor panel, which this frame owns.
    TViewFrame(QWidget* host, tresourcenode* node);
    virtual ~TViewFrame();
    TViewFrame(const TViewFrame&) = delete;
    TViewFrame& operator=(const TViewFrame&) = delete;

    /// Whether the editor holds changes not yet stored into the node.
    virtual bool IsModified() { return true; }
    virtual void LoadFromNode() = 0;
    virtual void StoreToNode() {}
    virtual TFrameKind kind() const = 0;

    QWidget* editor() const { return editor_; }
    tresourcenode* node() const { return node_; }

protected:
    /// Takes the panel, puts it into the host so that it fills it.
    void PlaceEditor(QWidget* panel);

private:
    QPointer<QWidget> host_;
    QPointer<QWidget> editor_;
    tresourcenode* node_; // not owned
};

} // namespace ballforge
