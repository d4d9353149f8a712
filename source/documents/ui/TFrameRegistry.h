#pragma once
// Turns a node's frame class into a live view frame.
#include "documents/FrameKind.h"
#include "documents/ui/TViewFrame.h"

#include <functional>
#include <memory>

namespace ballforge {

using TFrameFactory = std::function<std::unique_ptr<TViewFrame>(QWidget* host, tresourcenode* node)>;

/// A new, not yet loaded frame of the kind; none for the base kind, which stands for no editor.
std::unique_ptr<TViewFrame> CreateViewFrame(TFrameKind kind, QWidget* host, tresourcenode* node);

/// Replaces the factory of one kind (the editors that arrive later plug in here).
void RegisterFrameFactory(TFrameKind kind, TFrameFactory factory);

} // namespace ballforge
