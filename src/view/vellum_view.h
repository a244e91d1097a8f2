// CVellumView: the editing view of one document. It keeps the zoom and scroll state,
// the current tool, the current object and the multi-selection; turns mouse and key
// input into edits of the document; composes the canvas through an off-screen buffer
// with a cache of everything below the current object; and lists the overlays to draw
// over it. It knows its window only through IViewHost, so every gesture can be driven
// without a display.
//
// Input coordinates are window (client) pixels; each handler first maps them to
// document pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "base/rect.h"
#include "view/creation_defaults.h"
#include "view/view_commands.h"
#include "view/view_overlay.h"
#include "view/view_tool.h"
#include "view/zoom_view.h"

namespace tessel {

class CDrawObject;
class CVellumDoc;
class IPaintEditorRoute;
class IViewHost;
struct CGroup;

// What one paint produced: the composed buffer, where it lies in the document, and the
// overlays to draw over it.
struct ViewPaint {
  bool blank = false;       // nothing to paint (the painting editor paints)
  bool halftone = false;    // scale below 1: scale the buffer down smoothly
  bool waitCursor = false;  // a full recomposition of 11 or more objects
  const CDIBSection* buffer = nullptr;  // 32-bit bottom-up composite, or null
  CRect bufferRect;         // the document rectangle the buffer covers
  OverlayList overlays;     // in drawing order
  int composed = 0;         // objects composed by this paint (for tests and benchmarks)
};

class CVellumView : public ZoomView {
 public:
  // Construction state: select tool, no selection, zoom 1.0 without limits.
  CVellumView(CVellumDoc& doc, IViewHost& host);
  ~CVellumView() override;
  CVellumView(const CVellumView&) = delete;
  CVellumView& operator=(const CVellumView&) = delete;

  CVellumDoc& Document() { return m_doc; }
  const CVellumDoc& Document() const { return m_doc; }
  IViewHost& Host() { return m_host; }

  // ---- Life cycle (vellum_view.cpp) ----
  // First update: zoom limits 0.02..22.0, logical size = canvas, zoom combo "100%".
  void OnInitialUpdate();
  // Document changed: unless hint is 10 the selection is cleared; hint 100 (canvas
  // size changed) sets the logical size anew. The whole window is repainted.
  void OnUpdate(int hint);
  // The client area was resized.
  void OnSize(CSize client);
  CSize ClientSize() const override;

  // ---- Input (vellum_view_input.cpp dispatches by tool) ----
  void OnLButtonDown(CPoint window, ViewKeys keys);
  void OnMouseMove(CPoint window, ViewKeys keys);
  void OnLButtonUp(CPoint window, ViewKeys keys);
  void OnLButtonDblClk(CPoint window, ViewKeys keys);
  void OnRButtonDown(CPoint window, ViewKeys keys);
  // Returns true when the window should show the object context menu here.
  bool OnRButtonUp(CPoint window, ViewKeys keys);
  void OnRButtonDblClk(CPoint window, ViewKeys keys);
  // Ctrl+wheel zooms around the pointer; the wheel alone scrolls (Shift: sideways).
  // delta is in eighths of a degree (120 per notch).
  void OnWheel(CPoint window, int delta, ViewKeys keys);
  // Returns true when the view used the key.
  bool OnKeyDown(ViewKey key, ViewKeys keys);
  // The cursor for the pointer at window point (updates the hover code).
  ViewCursor CursorAt(CPoint window, ViewKeys keys);
  // The scroll bars moved; endScroll is set when the user let go.
  void OnScroll(CPoint position, bool endScroll);

  // ---- Commands (view_command_dispatch.cpp) ----
  bool Execute(ViewCommand command);
  CommandState State(ViewCommand command) const;
  // The object menu's entries that exist (labels as shown).
  std::vector<std::string> ContextMenuEntries() const;

  // ---- Painting (view_paint.cpp) ----
  // Composes the document for the window area clip (window pixels).
  const ViewPaint& Paint(const CRect& clipWindow);
  // Sets the full-redraw flag and invalidates the whole window.
  void RequestFullRedraw();
  // Drops the below-current cache.
  void DiscardCache();
  // Invalidates a document rectangle (mapped to the window).
  void InvalidateDocument(const CRect& documentRect);

  // ---- Zoom (view_zoom.cpp) ----
  // The zoom combo selection: index 0..9 is 10%..800%, anything else 100%.
  void OnZoomCombo(int index);
  static int ZoomComboPercent(int index);

  // ---- Snapping (view_snap.cpp) ----
  // Canvas edges (start or end point), grid when on, guidelines when on.
  CPoint SnapPoint(CPoint point, bool endPoint) const;
  int SnapToGuidelineX(int x, int offset, int span) const;
  int SnapToGuidelineY(int y, int offset, int span) const;

  // ---- Selection (view_selection.cpp) ----
  CDrawObject* CurrentObject() const { return m_current; }
  const std::vector<CDrawObject*>& MultiSelection() const { return m_multi; }
  // The current object, else the members of the multi-selection in document order.
  std::vector<CDrawObject*> SelectedObjects() const;
  const CGroup* CurrentGroup() const { return m_currentGroup; }
  // Clears the multi-selection and makes object (or none) current.
  void SelectObject(CDrawObject* object);
  void ToggleInMultiSelection(CDrawObject* object);
  int SelectGroup(const CGroup& group);
  // Union of the members' effect rectangles grown by 4.
  CRect SelectionFrame() const;
  void UpdateStatusForCurrent();
  // The object at a document point (topmost hit, pixel test unless byRect), or null.
  CDrawObject* ObjectAtPoint(CPoint point, bool byRect, bool showHint) const;
  const CGroup* GroupAtPoint(CPoint point) const;
  // The handle of the current object or the selection frame under a window point.
  int HandleAt(CPoint window) const;
  // Marks the current object as chosen from the layers list (next press keeps it).
  void SetKeepCurrent(bool keep) { m_keepCurrent = keep; }
  // The skew tool's handle (1 top, 2 right, 3 bottom, 4 left) of the current object
  // under a window point, or 0.
  int SkewHandleAt(CPoint window) const;

  // ---- Tool state ----
  int Tool() const { return m_tool; }
  void SetTool(int tool);
  bool Dragging() const { return m_dragging; }
  int HoverCode() const { return m_hover; }

  // ---- Creation tools (view_create_tools.cpp) ----
  // The tool bar's numeric field: the corner value of the rounded rectangle (tool 6,
  // label "Corners") or the number of star points (tool 10, "Angles"); other tools
  // have none (value 0, label "").
  int ToolValue() const;
  void SetToolValue(int value);
  std::string ToolValueLabel() const;
  // The star's second parameter (inner radius = half the box / value).
  int StarInner() const { return m_starInner; }
  void SetStarInner(int value) { m_starInner = value; }
  // Point records the new-path or pencil tool has collected so far (0: none drawn).
  int CreationRecords() const { return int(m_pointList.size()); }
  // The pencil's stroke ends near its start and would close.
  bool WillClose() const { return m_willClose; }
  // The look and text settings every new object gets.
  CCreationDefaults& NewObjectDefaults() { return m_newDefaults; }
  CTextDefaults& TextDefaults() { return m_textDefaults; }

  // ---- Property bars (view_look_edit.cpp) ----
  // The object whose look the bars show: the current object, else the first member of
  // the multi-selection; null when nothing is selected (the bars then show DefaultLook).
  CDrawObject* LookTarget() const;
  // The look new objects other than text start with, as a whole object (type 0, never
  // rendered), with the creation defaults' current values: the bars show and edit it
  // while nothing is selected.
  const CDrawObject& DefaultLook();
  // Applies edit to every selected object. Each whose stored fields changed is rendered
  // again (when its look changed) and one undo step is recorded for all of them; edits
  // that change nothing record nothing. With nothing selected the edit goes to the look
  // of new objects instead. Returns the number of objects changed (0 for the defaults).
  int EditLook(const std::function<void(CDrawObject&)>& edit);
  // A live preview while a slider is dragged: applies edit to the selected objects and
  // renders them, without an undo step. The release calls EditLook with the final
  // value, which compares with the look before the first preview and records the step.
  void PreviewLook(const std::function<void(CDrawObject&)>& edit);

  // ---- Import (view_import.cpp) ----
  // Adds the content of a file on top of the document: an SVG drawing as its objects
  // (the status line then says "Total number of objects read: N"), a library object
  // file (.obj) as its object, any other file as a picture in a bitmap object. With
  // at (document pixels) the drawing's origin or the picture's top-left goes there and
  // a library object is centred on it; without, the drawing keeps its coordinates, the
  // picture goes to (0, 0) and a library object keeps its stored place. Records one
  // undo step and selects what was added (several objects as a multi-selection).
  // Returns the number of objects added; 0, document unchanged, after telling the
  // user why when the file cannot be read.
  int ImportFile(const std::string& path, const CPoint* at = nullptr);

  // View flags.
  bool m_snapToGrid = false;
  bool m_lensesOff = false;
  bool m_wireframe = false;
  bool m_onionSkinOnTop = false;
  bool m_canvasBordersMask = false;
  // Set while a painting editor runs on an object of this view (code 24).
  bool m_paintEditorRunning = false;
  // The application's free-resize preference (bottom-right handle resizes freely).
  bool m_freeResize = false;

 private:
  // ---- per-tool gesture handlers (each tool's own file) ----
  void SelectToolDown(CPoint doc, ViewKeys keys);        // view_select_tool.cpp
  void SelectToolMove(CPoint doc, ViewKeys keys);
  void SelectToolUp(CPoint doc, ViewKeys keys);
  // Select tool helpers (view_select_tool.cpp; the drag of the current object, with
  // SelectToolMove and SelectToolUp, in view_object_drag.cpp; handles in view_selection.cpp).
  void StartObjectDrag(CPoint doc, int handle);          // drag of the current object
  void StartFrameDrag(CPoint doc, int handle);           // code 20 on the selection frame
  void StartMarquee(CPoint doc);                         // code 16
  bool PressOnMultiSelection(CPoint doc, ViewKeys keys); // true when the press ended
  CRect ResizedRect(CPoint doc, ViewKeys keys) const;    // the pending rect of a handle drag
  // Snaps an edge coordinate to the grid and the guidelines: a leading (left or top)
  // edge with offset border and span, a trailing edge with offset -border.
  int SnapEdge(int value, int border, int span, bool vertical, bool leading) const;
  // Handle rectangles in window pixels of the current object or the selection frame.
  void ComputeHandleRects(CRect (&rects)[13]) const;
  void ComputeSkewHandleRects(CRect (&rects)[5]) const;
  // Invalidates a document rectangle together with the handles around it.
  void InvalidateWithHandles(const CRect& documentRect);
  void MoveSelectionMove(CPoint doc, ViewKeys keys);     // view_multi_move.cpp
  void MoveSelectionUp(CPoint doc, ViewKeys keys);
  void MarqueeMove(CPoint doc);                          // view_marquee.cpp
  void MarqueeUp(CPoint doc);
  void RotateDown(CPoint doc, ViewKeys keys);            // view_rotate_skew.cpp
  void RotateMove(CPoint doc, ViewKeys keys);
  void RotateUp(CPoint doc, ViewKeys keys);
  void SkewDown(CPoint doc, CPoint window, ViewKeys keys);
  void SkewMove(CPoint doc, ViewKeys keys);
  void SkewUp(CPoint doc, ViewKeys keys);
  void ZoomToolDown(CPoint doc);                         // view_zoom.cpp
  void ZoomToolMove(CPoint doc);
  void ZoomToolUp(CPoint doc);
  void GuideDragMove(CPoint doc);                        // view_guidelines.cpp
  void GuideDragUp(CPoint window, CPoint doc);
  bool StartGuideDrag(CPoint doc);

  // ---- commands (view_edit_commands.cpp, view_object_commands.cpp, view_clipboard.cpp) ----
  // Moves the selection one step in direction (dx, dy) of -1, 0, 1: 1 pixel, or the grid
  // distance when byGrid. Records no undo step.
  void Nudge(int dx, int dy, bool byGrid);
  void Align(ViewCommand command);
  void CenterOnPage();
  void Flip(bool horizontal);
  void StackingOrder(ViewCommand command);
  void SelectNeighbour(bool next);
  void HideAbove();
  void ShowAll();
  void SelectAll();
  void Group();
  void Ungroup();
  void DeleteSelection();
  void Copy();
  void Cut();
  void Paste();
  void PasteAttributes();
  void UndoRedo(bool redo);
  // Removes and destroys the selected objects, empties the selection and repaints;
  // records no undo step. Returns the number removed.
  int RemoveSelected();
  // Paste of the private object format; returns false (document unchanged) when the
  // bytes hold no readable object.
  bool PasteObjects(const std::vector<uint8_t>& bytes);
  // Paste of a picture as a new bitmap object centred on the canvas; returns false
  // (document unchanged) when no object can be made from it.
  bool PasteImage(CDIBSection picture);
  // Clears every pointer the view keeps into the object list (current object, multi-
  // selection, last painted current object) and the current group.
  void ForgetObjects();

  // ---- canvas, blueprint, combine and bitmap commands (view_canvas_commands.cpp) ----
  bool ExecuteCanvasCommand(ViewCommand command);
  CommandState CanvasCommandState(ViewCommand command) const;
  // Empties the selection without looking at its objects, which may be gone.
  void ForgetSelection();
  void CropToObject();
  void Combine(int mode);
  // The new object of a bitmap conversion becomes current, with its undo step.
  void AdoptNewObject(CDrawObject* created);
  void PasteInside();

  // ---- overlays (view_overlays.cpp) ----
  void AddSelectionOverlays(OverlayList& out);      // handles, frames, running gesture
  void AddCanvasOverlays(OverlayList& out, const CRect& visibleDoc);  // crop, borders, guides, grid

  // ---- creation tools ----
  // Routing of the input of tools 2, 3, 6, 8, 10, 11, 14, 17, 18, 19 and 23
  // (view_create_tools.cpp). Move runs with or without a button held and returns false
  // for other tools; DoubleClick and RightDown return true when they used the input.
  void CreationToolDown(CPoint doc, ViewKeys keys);
  bool CreationToolMove(CPoint doc, ViewKeys keys);
  void CreationToolUp(CPoint doc, ViewKeys keys);
  bool CreationToolDoubleClick(CPoint doc);
  bool CreationToolRightDown(CPoint doc);
  // Chooses a creation tool from its command; the tool code of a creation command.
  void ChooseCreationTool(ViewCommand command);
  static int CreationToolOf(ViewCommand command);
  // Forgets every point and click of a drawing in progress.
  void ResetCreation();
  // Snaps to the grid (when on), then to the guidelines (when on); no canvas edges.
  CPoint SnapGridAndGuides(CPoint point) const;
  // A fresh object on top of the document with the new-object defaults (text set for
  // text) applied.
  CDrawObject* BeginNewObject(bool text);
  // After building: a built object gets its undo step, becomes current, the layers list
  // follows and its area is repainted; one whose building failed is removed and
  // destroyed without an undo step. Returns built.
  bool FinishNewObject(CDrawObject* object, bool built);
  void ShapeToolDown(CPoint doc);                        // view_shape_tools.cpp
  void ShapeToolUp(CPoint doc, ViewKeys keys);
  // The rubber band of the shape and crop tools: starts at point, follows the mouse,
  // and ends at end normalised (made square, growing right and down, when square).
  void RubberBandStart(CPoint point);
  void RubberBandMove(CPoint doc);
  CRect RubberBandEnd(CPoint end, bool square);
  void PathToolDown(CPoint doc, ViewKeys keys);          // view_path_tool.cpp
  void PathToolMove(CPoint doc);
  void PathToolUp(CPoint doc);
  void FinishPath(bool closed);
  void PencilDown(CPoint doc);                           // view_pencil_tool.cpp
  void PencilMove(CPoint doc);
  void PencilUp(CPoint doc);
  void ArrowClick(CPoint doc);                           // view_arrow_tool.cpp
  void ArrowRubberMove(CPoint doc);
  void MakeArrow();
  // The arrow's points so far and the rubber line's end.
  std::vector<CPointD> ArrowRubberPoints() const;
  void CropToolDown(CPoint doc);                         // view_crop_tool.cpp
  void CropToolUp(CPoint doc, ViewKeys keys);
  void CropResizeMove(CPoint doc);
  void CropResizeUp(CPoint doc);
  // Select tool: a press on a handle of the shown crop region starts code 19.
  bool StartCropResize(CPoint doc);
  void TextToolDown(CPoint doc);                         // view_text_tool.cpp
  // A double-click on live text: the text editor opens on its text, font, size, style
  // and alignment; OK builds the text again in place (one undo step when it changed).
  void EditText(CDrawObject& object);
  void ImageToolDown(CPoint doc);                        // view_image_tool.cpp
  // The rubber band, the path so far with its rubber segment, the pencil stroke, the
  // arrow points and the crop rectangle being dragged (view_create_overlays.cpp).
  void AddCreationOverlays(OverlayList& out);

  // Records an undo step on the document.
  void SaveUndo();
  // A fingerprint of the objects below the current one (identity, order, place, size,
  // visibility): the cache is stale when it differs, whoever changed the list.
  uint64_t BelowCurrentStamp() const;
  // Invalidates the union of the effect rectangles of an object before and after.
  void InvalidateObjectChange(const CRect& before, const CDrawObject& object);

  // ---- view core: painting, zoom tool and guideline helpers ----
  // Zoom and scroll changes: scroll bars follow and everything is composed again.
  void OnLayoutChanged() override;
  // The client area in document pixels, grown by 1.
  CRect VisibleDocument() const;
  // True when a visible lens object must be drawn from the canvas below it, which needs
  // a paint buffer at the document's origin.
  bool LensesActive() const;
  // Fills a buffer covering documentRect with what lies below every object: light grey,
  // the canvas background, the blueprint when shown on the back, and the canvas frame.
  void PaintBase(CDIBSection& buffer, const CRect& documentRect, bool wholeCanvas) const;
  // Composes the document's objects from `from` (null: the bottom one) up to but not
  // including `to` (null: to the top) into buffer covering documentRect, writing only
  // inside the document rectangle area when it is not empty. Returns how many.
  int ComposeObjects(CDIBSection& buffer, const CRect& documentRect, const CDrawObject* from,
                     const CDrawObject* to, const CRect& area = {});
  // The document area a repaint of area must compose when lenses above the current
  // object read what lies below them: area grown by the box of every such lens it
  // meets (the whole canvas for a lens that reads all of it).
  CRect LensReach(CRect area) const;
  // The rubber band of a zoom-tool drag.
  void AddZoomBandOverlay(OverlayList& out) const;
  void AddCropOverlay(OverlayList& out, const CRect& visibleDoc);
  void AddGuidelineOverlays(OverlayList& out, const CRect& visibleDoc) const;
  void AddGridOverlay(OverlayList& out, const CRect& visibleDoc) const;
  // Repaints the window strip of a vertical (or horizontal) guideline at position.
  void InvalidateGuideline(bool vertical, int position);
  CRect m_cacheRect;        // the document rectangle the below-current cache covers
  bool m_cacheWholeCanvas = false;  // the cache was composed at the document's origin
  uint64_t m_cacheBelowStamp = 0;   // BelowCurrentStamp() when the cache was composed
  friend struct ViewCoreTestAccess;  // tests start a guideline drag as the select tool does

  CVellumDoc& m_doc;
  IViewHost& m_host;

  int m_tool = kToolSelect;
  bool m_dragging = false;
  int m_hover = kHandleNone;

  // Selection.
  CDrawObject* m_current = nullptr;
  CDrawObject* m_lastPaintedCurrent = nullptr;
  std::vector<CDrawObject*> m_multi;
  const CGroup* m_currentGroup = nullptr;
  bool m_keepCurrent = false;

  // The running gesture.
  int m_handle = kHandleNone;
  bool m_firstMove = false;
  CPoint m_dragOffset;
  CRect m_gestureRect;      // rubber band, marquee or frame; skew: the four edge offsets
  CRect m_startRect;
  CRect m_invalidRect;
  CPoint m_pressPoint;
  CPoint m_lastWindow;      // the pointer's last window position
  int m_rotationAngle = 0;
  int m_guideIndex = -1;    // guideline being dragged
  bool m_rightConsumed = false;  // a tool used the right button: no context menu

  // Handle rectangles in window pixels: 1..8, 11, 12 (index 0 unused).
  CRect m_handleRects[13];
  // Export crop handles in document pixels (top-left, bottom-right).
  CRect m_cropHandles[2];

  // Creation tools.
  int m_cornerRadius = 100;          // "Corners"
  int m_starPoints = 6;              // "Angles"; at least 3 when used
  int m_starInner = 4;
  // New path: three records per point (incoming handle, point, outgoing handle);
  // pencil: one record per point. Document pixels.
  std::vector<CPointD> m_pointList;
  CPoint m_startPoint;
  bool m_willClose = false;
  bool m_straightPress = false;      // the last path point was pressed with Shift
  int m_arrowClicks = 0;
  CPoint m_arrowPoints[3];
  CPoint m_rubberPoint;              // the mouse, for rubber segments between presses
  CCreationDefaults m_newDefaults;
  CTextDefaults m_textDefaults;
  // Property bars: the whole look of new objects once a bar has edited it, and the
  // selected objects as they were before a slider's live preview began.
  std::unique_ptr<CDrawObject> m_defaultLook;
  bool m_defaultLookEdited = false;
  std::vector<std::pair<CDrawObject*, std::unique_ptr<CDrawObject>>> m_lookPreviewBase;

  // Painting.
  CDIBSection m_paintBuffer;
  CDIBSection m_belowCache;
  CSize m_paintSize;
  bool m_fullRedraw = true;
  ViewPaint m_paint;
  CSize m_client;

  // ---- Placement tools: texture size and rotation (13), lights (27), transparency-map
  // placement (28), perspective (29), and the clone tag (view_placement_tools.cpp,
  // view_texture_tool.cpp, view_lights_tool.cpp, view_transp_map_tool.cpp,
  // view_perspective_tool.cpp, view_clone_tag.cpp, view_placement_overlays.cpp) ----
 public:
  // The light of the current object the lights tool edits (index into its lights).
  int CurrentLight() const { return m_currentLight; }
  // The object menu of the tools that have their own: the texture tool's resets (13)
  // and the perspective reset (29). Empty for every other tool.
  std::vector<std::string> PlacementContextMenu() const;
  // The handle (1..6) of the current placement tool under a window point, or 0.
  int PlacementHandleAt(CPoint window) const;

 private:
  static bool IsPlacementTool(int tool);
  void PlacementDown(CPoint doc, CPoint window, ViewKeys keys);
  void PlacementMove(CPoint doc, ViewKeys keys);
  void PlacementUp();
  // Lights tool: a right press selects the next light. Returns true when it used it.
  bool PlacementRightDown();
  // Lights tool: a double-click picks the object under the mouse.
  bool PlacementDoubleClick(CPoint doc);
  bool ExecutePlacementCommand(ViewCommand command);
  CommandState PlacementCommandState(ViewCommand command) const;
  // The clone tag was pressed: asks for the package number and stores it.
  void EditCloneTag();
  // Handle centres in document pixels of the current tool; index 0 is unused and a
  // handle the tool does not show is left out (the vector ends before it) or NaN.
  std::vector<CPointD> PlacementHandlePoints() const;
  std::vector<CPointD> TextureHandlePoints() const;
  std::vector<CPointD> LightHandlePoints() const;
  std::vector<CPointD> TranspMapHandlePoints() const;
  std::vector<CPointD> PerspectiveHandlePoints() const;
  void TextureMove(CPoint doc, ViewKeys keys);
  void LightsMove(CPoint doc);
  void TranspMapMove(CPoint doc);
  void PerspectiveMove(CPoint doc);
  // Shows the name of the texture handle under the pointer as a tool tip.
  void TextureHover(CPoint window);
  void ResetPlacement(ViewCommand command);
  // Re-renders the current object, repaints the old and new areas, records an undo step.
  void FinishPlacementEdit(const CRect& before);
  void AddPlacementOverlays(OverlayList& out);
  int m_currentLight = 0;
  CPoint m_placementLast;           // the drag's previous mouse point (document)
  bool m_placementChanged = false;  // the drag changed the object
  CRect m_placementBefore;          // the object's area at the press
  float m_perspX[4] = {0, 1, 0, 1}; // the perspective corners being dragged
  float m_perspY[4] = {0, 0, 1, 1};
  // ---- end of placement tools ----

  // ---- Shape tool: point editing (5), add point (7), path and "Convert To" commands
  // (view_point_tools.cpp, view_point_commands.cpp, view_point_overlays.cpp) ----
 public:
  // The shape tool's selected point: >= 0 a point or control handle of the current
  // object, -1 none (also while the whole object is moved with Alt), -2 while the light
  // direction of a "3D Ball" object is dragged.
  // A point selected on another object (chosen from the layers list since) counts as none.
  int SelectedPoint() const;
  // The envelope handle (0..7) being dragged, or -1.
  int SelectedEnvelopeHandle() const { return m_envelopeHandle; }

 private:
  enum class PointGesture { kNone, kPoint, kEnvelope, kLight, kMoveObject };
  void PointToolDown(CPoint doc, ViewKeys keys);
  void PointToolMove(CPoint doc, ViewKeys keys);
  void PointToolUp(CPoint doc, ViewKeys keys);
  void ShapeToolPress(CPoint doc, ViewKeys keys);
  void AddPointPress(CPoint doc, ViewKeys keys);
  // Shape tool press on no point: picks the object under doc; with Alt a whole-object
  // move starts.
  void PickInShapeTool(CPoint doc, ViewKeys keys);
  void StartPointGesture(PointGesture gesture, CPoint doc);
  // The point-hit tolerance in document pixels (window pixels / zoom).
  double PointTolerance() const;
  // The envelope handle of the current object under doc, or -1.
  int EnvelopeHandleAt(CPoint doc) const;
  void TurnLightDirection(int dx, int dy);
  // A double-click of the select tool on a path or polynome switches to the shape tool;
  // returns true when it did.
  bool ShapeToolDoubleClick(CPoint doc);
  // The Delete key in the shape tool: the selected point goes, with an undo step.
  void DeleteSelectedPoint();
  // The add-point tool's status hint for the current object.
  std::string AddPointHint() const;
  bool ExecutePointCommand(ViewCommand command);
  CommandState PointCommandState(ViewCommand command) const;
  void ConvertCurrentToBitmap();
  void ConvertCurrent(bool envelope);
  void BreakOrClosePath(bool close);
  void AddPointOverlays(OverlayList& out) const;
  // Repaints the current object's area with its point handles.
  void InvalidatePointArea();

  int m_selectedPoint = -1;
  const CDrawObject* m_pointOwner = nullptr;  // the object m_selectedPoint belongs to
  int m_envelopeHandle = -1;
  PointGesture m_pointGesture = PointGesture::kNone;
  bool m_pointEdited = false;   // the running gesture changed the object
  CPoint m_pointLast;           // the (snapped) mouse at the last step of the gesture
  CRect m_pointBefore;          // the object's area when the gesture started
  // ---- end of shape tool ----

  // ---- Painting editor: the paint tools (12, 22), "Bitmap Brush Edit on Object" and
  // "Paint on Edge" (view_paint_commands.cpp) ----
 public:
  // Where the painting commands go, and everything while the editor runs (code 24):
  // set by the window that owns the editor; may stay null (the commands then do
  // nothing).
  IPaintEditorRoute* m_paintEditorRoute = nullptr;
  // The object a painting editor would open on for a press at a window point: the
  // topmost object there that is a bitmap or carries a layer, else null.
  CDrawObject* PaintableObjectAt(CPoint window) const;
  // The editor starts: the view paints nothing, its tool becomes code 24 and the tool
  // commands are off. EndPaintEditor returns to the tool chosen before and repaints
  // everything.
  void BeginPaintEditor();
  void EndPaintEditor();

 private:
  int m_toolBeforePainting = kToolSelect;
  bool ExecutePaintCommand(ViewCommand command);
  CommandState PaintCommandState(ViewCommand command) const;
  // ---- end of painting editor ----
};

}  // namespace tessel
