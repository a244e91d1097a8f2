// IViewHost: everything the editing view needs from the window that shows it. The Qt
// canvas widget implements it; tests implement it with a recorder. Coordinates here are
// window (client) pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/rect.h"
#include "document/log_font.h"
#include "view/view_tool.h"

namespace tessel {

class CDIBSection;
struct TextRequest;

class IViewHost {
 public:
  virtual ~IViewHost() = default;

  // The window area that must be painted again (client pixels; may reach outside).
  virtual void Invalidate(const CRect& clientRect) = 0;
  // The whole client area must be painted again.
  virtual void InvalidateAll() = 0;
  // Holds (true) or releases (false) the mouse for a running gesture.
  virtual void SetCapture(bool capture) = 0;
  virtual void SetCursor(ViewCursor cursor) = 0;
  // Size of the client area in window pixels.
  virtual CSize ClientSize() const = 0;
  // The scroll range or position changed: the window updates its scroll bars from the
  // view's DeviceSize() and ScrollPosition().
  virtual void ScrollBarsChanged() = 0;
  // Puts a text into the status line.
  virtual void Status(const std::string& text) = 0;
  // The selection or the current object changed: property bars and object bar follow.
  virtual void SelectionChanged() = 0;
  // The object list changed (order, names, visibility, count): the layers list follows.
  virtual void LayersChanged() = 0;
  // The zoom combo shows entry index (0..10, 10 = "Custom").
  virtual void SetZoomCombo(int index) = 0;

  // Clipboard. The private object format is a MIME type holding raw bytes; pictures go
  // as images. Getters return false when the clipboard holds no such data.
  virtual void SetClipboardData(const std::string& mimeType, const std::vector<uint8_t>& bytes) = 0;
  virtual bool GetClipboardData(const std::string& mimeType, std::vector<uint8_t>* bytes) = 0;
  // A 32-bit bottom-up picture from the clipboard.
  virtual bool GetClipboardImage(CDIBSection* image) = 0;

  // ---- Requests of the canvas and bitmap commands (dialogs and the clipboard) ----
  // "Load from File...": the image file the user chose, or "" when cancelled.
  virtual std::string AskOpenImageFile() { return {}; }
  // "Position...": lets the user edit the blueprint offset, starting from *x, *y.
  // Returns true with the new offset on OK, false on Cancel.
  virtual bool AskBlueprintPosition(int* x, int* y) {
    (void)x, (void)y;
    return false;
  }
  // "Copy as Bitmap": puts a 24-bit bottom-up picture on the clipboard. The default
  // hands it over as a PNG file under kPngMime through SetClipboardData.
  virtual void SetClipboardImage(const CDIBSection& picture);
  // ---- Creation tools: dialogs ----
  // The text editor for new artistic text, opened with the request's settings. Returns
  // true when the user confirmed, with the text and the chosen settings in request;
  // false when cancelled.
  virtual bool AskText(TextRequest* /*request*/) { return false; }
  // The file chooser of the image tool: the file to insert, or "" when cancelled.
  virtual std::string AskImageFile() { return {}; }
  // ---- Placement tools and the clone tag ----
  // A dialog titled title that edits one whole number, opened with *value. Returns true
  // with the new value in *value on OK, false (value untouched) on Cancel.
  virtual bool AskNumber(const std::string& title, int* value) {
    (void)title, (void)value;
    return false;
  }
  // Shows text as a tool tip at the pointer; "" hides it.
  virtual void ShowToolTip(const std::string& text) { (void)text; }
};

// What the text editor edits: filled with the view's text defaults, returned with the
// user's text and choices.
struct TextRequest {
  CPoint where;          // document point of the press (the text's top-left)
  std::string text;
  CLogFont font;
  double size = 20.0;    // em size in pixels
  bool bold = false;
  bool italic = false;
  int align = 0;         // 0 left, 1 center, 2 right
};

// The private clipboard format of drawing objects: u32 count, then that many records.
constexpr char kVelvetlineMime[] = "application/x-velvetline";
// Pictures handed over as PNG files.
constexpr char kPngMime[] = "image/png";

}  // namespace tessel
