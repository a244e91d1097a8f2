// The canvas, blueprint, combine and bitmap-conversion commands of the view. The work
// itself is done by the document's operations; the view asks for input, shows the
// messages, records undo steps and sets the selection and the repaint.
#include <memory>
#include <string>
#include <vector>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/bitmap_from_objects.h"
#include "document/blueprint.h"
#include "document/combine_objects.h"
#include "document/crop_to_object.h"
#include "document/draw_object.h"
#include "document/paste_bitmap.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "view/clipboard_data.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr int kHintCanvasSize = 100;

void ShowMessage(const std::string& text) {
  if (!text.empty()) App().Messages().Message(text, MsgButtons::kOk);
}

// The common tail of a canvas change: the view takes the new size, drops its selection
// and cache and paints everything again. A refusal only shows its message.
void FinishCanvasChange(CVellumView& view, const std::string& refusal) {
  if (!refusal.empty()) {
    ShowMessage(refusal);
    return;
  }
  view.OnUpdate(kHintCanvasSize);
  view.DiscardCache();
}

// The blueprint is drawn under or over every object: all of it is painted again.
void RepaintBlueprint(CVellumView& view) {
  view.DiscardCache();
  view.RequestFullRedraw();
}

void LoadBlueprintFromFile(CVellumView& view) {
  const std::string path = view.Host().AskOpenImageFile();
  if (path.empty()) return;
  ShowMessage(LoadBlueprint(view.Document(), path));
  RepaintBlueprint(view);
}

void EditBlueprintPosition(CVellumView& view) {
  CVellumDoc& doc = view.Document();
  int x = doc.m_blueprintX, y = doc.m_blueprintY;
  if (!view.Host().AskBlueprintPosition(&x, &y)) return;  // Cancel keeps the old offset
  doc.m_blueprintX = x;
  doc.m_blueprintY = y;
  doc.m_modified = true;
  RepaintBlueprint(view);
}

// "Copy as Bitmap": the picture goes to the clipboard; the document does not change.
void CopyAsBitmap(CVellumView& view, const std::vector<CDrawObject*>& sources) {
  const CDIBSection picture = PictureOfObjects(view.Document(), sources);
  if (!picture.IsEmpty()) view.Host().SetClipboardImage(picture);
}

std::vector<CDrawObject*> Pointers(const std::vector<std::unique_ptr<CDrawObject>>& objects) {
  std::vector<CDrawObject*> list;
  for (const auto& o : objects) list.push_back(o.get());
  return list;
}

// The objects of the private clipboard format, or none.
std::vector<std::unique_ptr<CDrawObject>> ClipboardObjects(CVellumView& view) {
  std::vector<uint8_t> bytes;
  if (!view.Host().GetClipboardData(kVelvetlineMime, &bytes)) return {};
  return ReadClipboardObjects(bytes, view.Document());
}

// "XOR" and "Union" of the current object.
void SetCombineMode(CVellumView& view, int mode) {
  CDrawObject* o = view.CurrentObject();
  if (!o) return;
  const CRect before = EffectRect(*o);
  o->m_layerFlag = mode;
  o->RenderObject(false, nullptr);
  view.Document().m_modified = true;
  view.InvalidateDocument(before.Union(EffectRect(*o)));
}
}  // namespace

bool CVellumView::ExecuteCanvasCommand(ViewCommand command) {
  using C = ViewCommand;
  if (m_paintEditorRunning || !CanvasCommandState(command).enabled) return false;
  // The bitmap conversions work on the current object, else on the multi-selection.
  const std::vector<CDrawObject*> sources = SelectedObjects();
  switch (command) {
    case C::kTrimCanvas: FinishCanvasChange(*this, m_doc.TrimCanvas(false)); break;
    case C::kTrimCanvasPadding: FinishCanvasChange(*this, m_doc.TrimCanvas(true)); break;
    case C::kCropCanvas: FinishCanvasChange(*this, m_doc.CropCanvas()); break;
    case C::kBlueprintLoad: LoadBlueprintFromFile(*this); break;
    case C::kBlueprintRemove:
      RemoveBlueprint(m_doc);
      RepaintBlueprint(*this);
      break;
    case C::kBlueprintShowOnBack:
      m_doc.m_blueprintOnBack = m_doc.m_blueprintOnBack ? 0 : 1;
      RepaintBlueprint(*this);
      break;
    case C::kBlueprintCenter:
      CenterBlueprint(m_doc);
      RepaintBlueprint(*this);
      break;
    case C::kBlueprintPosition: EditBlueprintPosition(*this); break;
    case C::kBlueprintResizeCanvas: FinishCanvasChange(*this, FitCanvasToBlueprint(m_doc)); break;
    case C::kCropToObject: CropToObject(); break;
    case C::kCombineXor: Combine(kCombineXor); break;
    case C::kCombineUnion: Combine(kCombineUnion); break;
    case C::kCombineModeXor: SetCombineMode(*this, kCombineXor); break;
    case C::kCombineModeUnion: SetCombineMode(*this, kCombineUnion); break;
    case C::kCopyAsBitmap: CopyAsBitmap(*this, sources); break;
    case C::kNewBitmapFromObjects: AdoptNewObject(NewBitmapFromObjects(m_doc, sources)); break;
    case C::kBitmapShadowFromObjects: AdoptNewObject(BitmapShadowFromObjects(m_doc, sources)); break;
    case C::kPasteAsBitmap: {
      // The pasted objects only lend their picture; they are dropped afterwards.
      const std::vector<std::unique_ptr<CDrawObject>> pasted = ClipboardObjects(*this);
      AdoptNewObject(PasteAsBitmap(m_doc, Pointers(pasted)));
      break;
    }
    case C::kPasteInside: PasteInside(); break;
    default: return false;
  }
  return true;
}

CommandState CVellumView::CanvasCommandState(ViewCommand command) const {
  using C = ViewCommand;
  CommandState s;
  const bool blueprint = !m_doc.m_blueprint.IsEmpty();
  const bool any = m_current != nullptr || !m_multi.empty();
  switch (command) {
    case C::kBlueprintShowOnBack:
      s.enabled = blueprint;
      s.checked = blueprint && m_doc.m_blueprintOnBack != 0;
      break;
    case C::kBlueprintRemove:
    case C::kBlueprintCenter:
    case C::kBlueprintPosition:
    case C::kBlueprintResizeCanvas: s.enabled = blueprint; break;
    case C::kCropToObject:
    case C::kCombineXor:
    case C::kCombineUnion: s.enabled = m_multi.size() >= 2; break;
    case C::kCombineModeXor:
    case C::kCombineModeUnion:
      s.enabled = m_current != nullptr;
      s.checked = m_current && m_current->m_layerFlag == (command == C::kCombineModeUnion ? 1 : 0);
      break;
    case C::kCopyAsBitmap:
    case C::kNewBitmapFromObjects:
    case C::kBitmapShadowFromObjects: s.enabled = any; break;
    case C::kPasteInside: s.enabled = m_current != nullptr; break;
    default: break;  // the canvas commands, "Load from File..." and "Paste as Bitmap"
  }
  return s;
}

void CVellumView::ForgetSelection() {
  m_multi.clear();
  m_current = nullptr;
  m_currentGroup = nullptr;
  m_host.SelectionChanged();
}

void CVellumView::CropToObject() {
  CDrawObject* bottom = nullptr;
  const std::string refusal = tessel::CropToObject(m_doc, m_multi[0], m_multi[1], &bottom);
  if (!refusal.empty() || !bottom) {
    ShowMessage(refusal);
    return;
  }
  ForgetSelection();  // the top object is gone
  SaveUndo();
  SelectObject(bottom);
  m_host.LayersChanged();
  DiscardCache();
  RequestFullRedraw();
}

void CVellumView::Combine(int mode) {
  const CombineResult result = CombineObjects(m_doc, m_multi, CombineMode(mode));
  if (result.changed) {
    ForgetSelection();  // the combined members are gone
    SaveUndo();
    m_host.LayersChanged();
    DiscardCache();
    RequestFullRedraw();
  }
  ShowMessage(result.message);
}

void CVellumView::AdoptNewObject(CDrawObject* created) {
  if (!created) return;
  ForgetSelection();
  SaveUndo();
  SelectObject(created);
  m_host.LayersChanged();
  DiscardCache();
  RequestFullRedraw();
}

void CVellumView::PasteInside() {
  CDrawObject* target = m_current;
  const CRect before = EffectRect(*target);
  std::vector<uint8_t> bytes;
  CDIBSection image;
  bool pasted = false;
  if (m_host.GetClipboardData(kVelvetlineMime, &bytes)) {
    const std::vector<std::unique_ptr<CDrawObject>> objects = ReadClipboardObjects(bytes, m_doc);
    pasted = PasteObjectsInside(*target, Pointers(objects), m_doc);
  } else if (m_host.GetClipboardImage(&image)) {
    pasted = PasteImageInside(*target, image);
  }
  if (!pasted) return;
  SaveUndo();
  m_host.SelectionChanged();  // the bars show the new image size
  InvalidateObjectChange(before, *target);
}

}  // namespace tessel
