// CVellumDoc: one open project. Owns the canvas (size, background), the drawing
// objects in order (head = bottom, tail = top), groups, guidelines and grid, the
// blueprint, the export crop rectangle, export settings and production notes.
#pragma once

#include <array>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "base/rect.h"
#include "document/object_fields.h"

namespace tessel {

class CDrawObject;

// A group names its members by m_uid; members stay in the object list.
struct CGroup {
  CRect rect;
  std::vector<std::string> uids;
};

// The status hint when a press finds no object by its pixels.
constexpr char kPickByRectangleHint[] = "Ctrl - to select object by bounding rectangle";

class CVellumDoc {
 public:
  using ObjectList = std::list<std::unique_ptr<CDrawObject>>;

  // Fields take their profile defaults (export settings, grid, texture embedding, undo).
  CVellumDoc();
  ~CVellumDoc();
  CVellumDoc(CVellumDoc&&) noexcept;
  CVellumDoc& operator=(CVellumDoc&&) noexcept;

  std::array<int32_t, 4> m_docValues{0, 0, 0, 1};
  std::string m_notesAuthor, m_notesProject, m_notesRights, m_notesVersion, m_notesDate, m_notes;
  int32_t m_showNotesOnLoad = 0;
  std::string m_exportPath;
  int32_t m_exportType = 0;
  std::array<double, 3> m_exportGain{1.0, 1.0, 1.0};
  int32_t m_exportQuality = 95;
  int32_t m_exportSharpen = 0;
  int32_t m_exportValue1 = 0, m_exportValue2 = 0;
  int32_t m_exportColors = 0;
  int32_t m_exportDither = 2;
  int32_t m_exportNumColors = 64;
  int32_t m_loadFailed = 0;
  int32_t m_gridDistance = 20;
  int32_t m_isPackageDoc = 0;
  std::vector<int32_t> m_guidesH;  // y positions
  std::vector<int32_t> m_guidesV;  // x positions
  int32_t m_snapToGuides = 1;
  CVellumDoc* m_packageParentDoc = nullptr;
  CDrawObject* m_packageParentObj = nullptr;
  void* m_packageParentWnd = nullptr;
  std::vector<std::string> m_strings1, m_strings2;
  std::array<int32_t, 3> m_finePrint{0, 0, 0};
  int32_t m_sizeFlag1 = 0, m_sizeFlag2 = 0;
  std::vector<uint8_t> m_preview;  // a prepared preview for the next save, or empty
  ObjectList m_objects;
  std::list<CGroup> m_groups;
  int32_t m_embedTextures = 0;
  int32_t m_undoLevels = 4;
  CDIBSection m_blueprint;
  uint8_t m_blueprintOnBack = 0;
  int32_t m_blueprintX = 0, m_blueprintY = 0;
  int32_t m_width = 400, m_height = 300;
  COLORREF m_background = 0xFFFFFF;
  CRect m_crop;
  int32_t m_cropSet = 0;
  int32_t m_backupBusy = 0;

  // Undo and redo snapshots of the object list, newest first. The head of the undo
  // list always equals the current state; snapshots live in memory only.
  std::list<std::vector<uint8_t>> m_undoList;
  std::list<std::vector<uint8_t>> m_redoList;

  // Run-time state.
  bool m_modified = false;
  std::string m_pathName;  // file the document was loaded from or saved to

  // Undo (undo_history.cpp). SaveUndo records the object list after a completed change:
  // nothing when m_undoLevels is below 1; otherwise the oldest snapshot is dropped when
  // the undo list already holds more than m_undoLevels, the new one becomes the head and
  // the redo list is emptied. ResetUndo empties both lists and records the first
  // snapshot of a new or opened document, so that it cannot be undone past that state.
  void SaveUndo();
  void ResetUndo();
  bool CanUndo() const { return m_undoList.size() > 1; }
  bool CanRedo() const { return !m_redoList.empty(); }
  // Undo steps back to the previous snapshot, Redo forward again; both return false and
  // change nothing when not possible. The objects are replaced by new ones (views must
  // drop their selection); objects whose uid and rendering fields are unchanged keep
  // their rendered bitmaps. *rendered (when given) receives the number of objects that
  // had to be rendered again.
  bool Undo(int* rendered = nullptr);
  bool Redo(int* rendered = nullptr);

  // A new document: crop cleared, canvas from "Settings"/"DefWidth", "DefHeight",
  // white background, texture embedding from "STexture".
  void OnNewDocument();

  // Object list. NewObject appends a fresh object on top and marks the document
  // modified. Next/Previous return the neighbour, or the object itself at the ends.
  CDrawObject* NewObject();
  CDrawObject* AddObject(std::unique_ptr<CDrawObject> object);
  std::unique_ptr<CDrawObject> RemoveObject(const CDrawObject* object);
  int Position(const CDrawObject* object) const;  // -1 when not in the list
  CDrawObject* NextObject(const CDrawObject* object) const;
  CDrawObject* PreviousObject(const CDrawObject* object) const;
  CDrawObject* ObjectAt(int position) const;
  CDrawObject* FindByUid(const std::string& uid) const;
  // The given objects that are in the list, in list order (bottom first).
  std::vector<CDrawObject*> InListOrder(const std::vector<CDrawObject*>& objects) const;
  int ObjectCount() const { return int(m_objects.size()); }

  // Z-order of the selection (in selection order). Each returns true when the order
  // changed; the caller records the undo step.
  bool BringToFront(const std::vector<CDrawObject*>& selection);
  bool SendToBack(const std::vector<CDrawObject*>& selection);
  bool BringForward(const std::vector<CDrawObject*>& selection);
  bool SendBackward(CDrawObject* object);

  // "Group": returns the status text, or "" when fewer than two objects were given.
  std::string CreateGroup(const std::vector<CDrawObject*>& selection);
  // "Ungroup": removes the groups holding any of the selection; returns the status text.
  std::string Ungroup(const std::vector<CDrawObject*>& selection);
  // The group that holds the object, or null.
  const CGroup* GroupOf(const CDrawObject* object) const;
  // Drops member uids that name no object (and groups left without members).
  void ValidateGroups();

  // ---- Picking objects and groups by position (hit_test.cpp) ----
  // The topmost visible object at document point (x, y), or null. Objects whose
  // selection rectangle holds the point are tried from bottom to top: with byRect the
  // rectangle is enough; otherwise the object's outline must cover one of 13 samples
  // within 5 pixels of the point, and a group member is not taken alone. When the
  // topmost candidate is a group member the result is null. When hint is given and an
  // object was turned down by the pixel test (or for being grouped), *hint receives
  // kPickByRectangleHint.
  CDrawObject* ObjectAt(int x, int y, bool byRect, std::string* hint = nullptr) const;
  // The last group record (in list order) whose rectangle holds the point, or null.
  const CGroup* GroupAt(int x, int y) const;
  // Sets every group's rectangle to the union of its present members' selection
  // rectangles (after members moved or were resized).
  void RecomputeGroupRects();

  // Canvas operations. Each returns "" on success or the refusal message; a refused
  // operation changes nothing.
  // Canvas change: everything placed on the canvas (objects, groups, blueprint, guides,
  // crop region) moves by (-dx, -dy) and the canvas becomes width x height. Refuses a
  // size the "Size and Color" check refuses. Records no undo step.
  std::string ChangeCanvas(int dx, int dy, int width, int height);
  // "Trim Canvas" (with padding: "Trim Canvas+Padding", "Settings"/"Padding" pixels
  // around the objects): the canvas becomes the union of the objects' visible
  // rectangles. "Crop Canvas": the canvas becomes the crop region, which is cleared.
  // Both refuse a result narrower or lower than 5 pixels.
  std::string TrimCanvas(bool withPadding);
  std::string CropCanvas();
  // The check of the "Size and Color" dialog's OK button.
  static std::string CheckCanvasSize(int64_t width, int64_t height);
  // Sets canvas size and background after a successful check; centres the blueprint.
  std::string SetCanvasSize(int64_t width, int64_t height, COLORREF background);
  // Replaces guidelines and grid distance ("Guidelines & Grid" OK).
  void SetGuidelines(std::vector<int32_t> vertical, std::vector<int32_t> horizontal, int gridDistance);

  // The password of a rights notice holding "PWD:" (the text after it up to a
  // following "LOCK:"), or false when the notice holds none.
  static bool PasswordOf(const std::string& rights, std::string* password);
  // A rights notice beginning with "LOCK:" protects the file from being overwritten.
  bool IsLocked() const { return m_notesRights.rfind("LOCK:", 0) == 0; }

 private:
  ObjectList::iterator Find(const CDrawObject* object);
  void ReadProfileDefaults();
};

}  // namespace tessel
