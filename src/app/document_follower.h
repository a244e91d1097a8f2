// Panels that show or edit the active document (property bars, library windows, the
// painting panel) follow the main window's active document through this interface.
#pragma once

namespace tessel {

class DocumentWindow;

class IDocumentFollower {
 public:
  virtual ~IDocumentFollower() = default;
  // The active document window changed; null when none is open.
  virtual void SetWindow(DocumentWindow* window) = 0;
  // The active document or its selection may have changed (after any command, gesture
  // or panel edit): show its state again.
  virtual void Refresh() = 0;
};

}  // namespace tessel
