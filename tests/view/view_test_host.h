// A window stand-in for the editing view's tests: records what the view asks of its
// window and serves a clipboard held in memory.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "view/view_host.h"

namespace tessel::test {

class RecordingViewHost : public IViewHost {
 public:
  explicit RecordingViewHost(CSize client = {800, 600}) : client(client) {}

  void Invalidate(const CRect& r) override { invalidated.push_back(r); }
  void InvalidateAll() override { ++invalidateAll; }
  void SetCapture(bool c) override { captured = c; }
  void SetCursor(ViewCursor c) override { cursor = c; }
  CSize ClientSize() const override { return client; }
  void ScrollBarsChanged() override { ++scrollBarsChanged; }
  void Status(const std::string& text) override { statuses.push_back(text); }
  void SelectionChanged() override { ++selectionChanged; }
  void LayersChanged() override { ++layersChanged; }
  void SetZoomCombo(int index) override { zoomCombo = index; }
  void SetClipboardData(const std::string& mime, const std::vector<uint8_t>& bytes) override {
    clipboard.clear();
    clipboard[mime] = bytes;
  }
  bool GetClipboardData(const std::string& mime, std::vector<uint8_t>* bytes) override {
    auto it = clipboard.find(mime);
    if (it == clipboard.end()) return false;
    *bytes = it->second;
    return true;
  }
  bool GetClipboardImage(CDIBSection* out) override {
    if (clipboardImage.IsEmpty()) return false;
    *out = clipboardImage.Clone();
    return true;
  }

  std::string LastStatus() const { return statuses.empty() ? std::string() : statuses.back(); }

  CSize client;
  std::vector<CRect> invalidated;
  int invalidateAll = 0;
  bool captured = false;
  ViewCursor cursor = ViewCursor::kDefault;
  int scrollBarsChanged = 0;
  std::vector<std::string> statuses;
  int selectionChanged = 0;
  int layersChanged = 0;
  int zoomCombo = -1;
  std::map<std::string, std::vector<uint8_t>> clipboard;
  CDIBSection clipboardImage;
};

}  // namespace tessel::test
