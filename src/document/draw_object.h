// CDrawObject: the one drawing-object record for every kind of object (paths, shapes,
// polynomes and text, bitmaps, packages, clones). The kind is m_type; all look settings
// are plain fields (CObjectFields); the object owns its rendered bitmaps, its painted
// layers and up to three copies of itself holding multimedia button frames.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "base/rect.h"
#include "document/object_fields.h"

namespace tessel {

class CArchive;
class RenderProgress;

class CDrawObject : public CObjectFields {
 public:
  // Sets every default, reads the font defaults from the profile and makes m_uid.
  CDrawObject();
  ~CDrawObject();
  // Copies every stored field, the bitmap layer, the paint-transparency bitmap, the
  // geometry, the light set and the box. The frame copies, the identity (m_uid) and
  // the render cache are not copied.
  CDrawObject& operator=(const CDrawObject& other);
  CDrawObject(const CDrawObject&) = delete;

  // Owned bitmaps and layers.
  CDIBSection m_layer;          // painted layer, or the image of a bitmap object
  CDIBSection m_paintTransp;    // painted transparency
  CDIBSection m_bitmap;         // rendered object, 32-bit bottom-up, box size
  CDIBSection m_shadowBitmap;   // rendered shadow or lens image
  std::unique_ptr<CDrawObject> m_frameHighlighted;
  std::unique_ptr<CDrawObject> m_framePushed;
  std::unique_ptr<CDrawObject> m_frameNormal;

  // Identity and run-time state, not part of the stored fields.
  std::string m_uid;
  int32_t m_renderScale = 1;
  int32_t m_rendered = 0;
  int32_t m_mask = 0;  // non-zero when the last render rasterised a mask
  int32_t m_pendingResize = 0;
  std::string m_sourceFile;
  // "Lens Flare": the inputs the flare now in m_layer was drawn from (box, canvas size
  // and flare settings), and a request to draw it again at the next composite.
  std::vector<double> m_flareInputs;
  int32_t m_flareRebuild = 0;

  // Predicates of the object kinds.
  bool IsPath() const { return m_type == kTypePath; }
  bool IsClosedPath() const { return IsPath() && m_path.m_closed != 0; }
  bool IsClosed() const;
  bool IsPolynome() const { return m_type == kTypePolynome; }
  bool IsPolynomeEnvelope() const { return IsPolynome() && m_envelope == 1; }
  bool IsText() const { return IsPolynomeEnvelope() && !m_text.empty(); }
  bool IsBitmap() const { return m_type == kTypeBitmap; }
  bool IsBitmapEnvelope() const { return m_polynome.m_bitmapEnvelope != 0; }
  bool IsPackage() const { return m_packageSize > 0; }
  bool IsClone() const { return m_cloneOf > 0; }
  bool HasPerspective() const;
  // The status line text for this object when it is selected.
  std::string StatusText() const;

  // Empty room around the outline inside the box: 0 for bitmaps, 2 x render scale for
  // closed objects, 12 x render scale for open ones.
  int MaskMargin() const;

  // Shape creators: build the outline, set type, name and box, allocate and render.
  // Coordinates are canvas pixels. The path creators return false when the bounds are
  // empty (CreatePath) or narrower or lower than 1 (CreateFreePath).
  void CreateRectangle(int left, int top, int right, int bottom);
  void CreateCircle(int left, int top, int right, int bottom);
  void CreateRoundRect(int left, int top, int right, int bottom, int corner);
  void CreateStar(int left, int top, int right, int bottom, int points, double depth);
  // Points as Bezier triples (anchor, control, control); closed selects a closed path.
  bool CreatePath(const std::vector<CPointD>& points, bool closed);
  // A free-hand stroke; with close set and at least 6 points the stroke is closed.
  bool CreateFreePath(const std::vector<CPointD>& points, bool close);
  // Live text in font at size (em pixels) boxed at m_left, m_top; false if empty or no font.
  bool CreateText(const std::string& text, const CLogFont& font, double size);
  // An arrow line from tail p0 to tip p1 whose head is |p2.x - p1.x| wide on each side
  // (0: a width from the length): a closed path named "Arrow". False when p0 and p1
  // lie less than a pixel apart.
  bool CreateArrow(CPointD p0, CPointD p1, CPointD p2);
  // "Convert to Curves": the text becomes a plain polynome; its outline stays.
  void ConvertTextToCurves();

  // Raises width and height to twice MaskMargin(); when both are then at least 1 sets
  // the box size, recreates m_bitmap at 32 bits and renders.
  void AllocateBitmaps(int width, int height);
  void SetPendingRect(int left, int top, int width, int height);
  // Applies a parked resize; returns true when the box changed.
  bool ApplyPendingResize();
  CRect GetBoxRect() const { return {m_left, m_top, m_left + m_width, m_top + m_height}; }
  CRect GetSelectionRect() const;
  CRect GetInnerRect() const;
  CRect GetVisibleRect() const;

  // "Convert To" Polynome (asEnvelope false) or Envelope (true): a path object becomes
  // a contour set with the same outline and box; "Envelope" on a bitmap object makes it
  // a bitmap envelope. Returns false for other kinds.
  bool ConvertToPolynome(bool asEnvelope);

  // Geometric transforms (draw_object_transform.cpp). SetPosition moves the box (no
  // render). Rotate turns the outline by angle degrees about the box centre, a positive
  // angle counter-clockwise on the screen (as the rotate tool measures it), and refits
  // the box around it; whole turns change nothing. A bitmap object turns its picture
  // through m_bitmapAngle; with ctrl the turn goes into its image's pixels instead and
  // m_bitmapAngle becomes 0 (ctrl does nothing for other objects). Skew shifts the top
  // and bottom edges sideways and the right and left edges up and down by the four
  // offsets in pixels, refitting the box; a skew that squashes the object flat is
  // refused. Mirror flips the outline (or a bitmap object's picture) about the box
  // centre. A deformed envelope is put into the points before a turn or skew. Each
  // re-renders the object.
  void SetPosition(int left, int top);
  void Rotate(int angle, bool ctrl);
  void Skew(int top, int right, int bottom, int left);
  void Mirror(bool horizontal);

  // "Break Path" and "Close Path" on the object, refitting the box.
  void BreakPath();
  void ClosePath();

  // Multimedia frames: 0 normal, 1 highlighted, 2 pushed.
  void SetFrames(int frameToShow, int hasHighlighted, int hasPushed, int nonInteractive);
  void SelectFrame(int n);
  // Gives this object its own copies of the other's frame copies and frame flags.
  void CopyFramesFrom(const CDrawObject& other);
  // Saves the shown state into the copy of the current frame when frames are in use.
  void StoreShownFrame();
  // A copy of the present state without frame flags: a plain record.
  std::unique_ptr<CDrawObject> MakeFrameCopy() const;

  // True when the other object renders to the same bitmap: every stored field that the
  // render reads is equal, bitmap layers included. Position, name, visibility, group and
  // frame bookkeeping, multimedia parameters and package bytes do not count.
  bool RendersLike(const CDrawObject& other) const;
  // True when every stored field of the two objects is equal, layers included.
  bool StoresLike(const CDrawObject& other) const;

  // Renders the object into m_bitmap (and m_shadowBitmap); maskOnly stops after the
  // shape. progress may be null.
  void RenderObject(bool maskOnly, RenderProgress* progress);

  // Stores a field and renders again: the setter of every look field.
  template <class T, class V>
  void SetAndRender(T CObjectFields::*field, V value) {
    this->*field = T(value);
    RenderObject(false, nullptr);
  }
  void SetLineWidth(int width) { SetAndRender(&CObjectFields::m_lineWidth, width); }
  // Shadow softness: stored as a float and, truncated, in m_effectDistance.
  void SetEffectDistance(double softness);
  // Replaces the package bytes (m_packageSize follows).
  void SetPackageData(std::vector<uint8_t> bytes);

  // Writes or reads one object record. Reading with recordOnly false allocates the
  // bitmaps (which renders) and selects the normal frame. Throws CArchiveException on
  // a short or impossible record.
  void SerializeFields(CArchive& ar, bool recordOnly);
  // What reading a record with recordOnly false does after the fields: drops a parked
  // resize, allocates the bitmaps (which renders) and shows the normal frame. Objects
  // of different documents or of one document may finish on different threads.
  void FinishLoading();

 private:
  std::unique_ptr<CDrawObject>& FrameSlot(int n);
  // Copies a frame copy into the object, keeping the object's frame flags.
  void ShowFrameState(const CDrawObject& copy);
  void FitBoxToOutline(int left, int top, int width, int height, const char* name);
};

// A fresh 12-letter identity drawn from the application's generator.
std::string GenerateUid();

}  // namespace tessel
