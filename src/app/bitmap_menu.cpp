// The Bitmap menu's commands: which filter or dialog each runs, when they are enabled,
// and the undo step after a change.
#include "app/bitmap_menu.h"

#include <QAction>
#include <QApplication>

#include "app/bitmap_dialogs.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "filters/bitmap_object_filter.h"
#include "filters/filter_catalog.h"
#include "render/compositor.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {

constexpr char kPopArtProgress[] = "Rendering...";

enum class Kind { kDirect, kGaussianBlur, kGaussianSharpen, kAdjust, kTweak };

struct BitmapCommand {
  AppCommand id;
  Kind kind;
  const char* filter;       // the catalogue filter it runs, or "" for "Tweak..."
  const char* dialogTitle;  // the title of an adjustment dialog, or ""
};

const BitmapCommand kCommands[] = {
    {AppCommand::kBitmapSimpleSharpen, Kind::kDirect, "Simple Sharpen", ""},
    {AppCommand::kBitmapSharpenMore, Kind::kDirect, "Sharpen More", ""},
    {AppCommand::kBitmapSoftBlur, Kind::kDirect, "Soft Blur", ""},
    {AppCommand::kBitmapGaussianBlur, Kind::kGaussianBlur, "Gaussian Blur", ""},
    {AppCommand::kBitmapGaussianSharpen, Kind::kGaussianSharpen, "Gaussian Sharpen", ""},
    {AppCommand::kBitmapOilPainting, Kind::kDirect, "Oil Painting", ""},
    {AppCommand::kBitmapPopArt, Kind::kDirect, "Pop Art", ""},
    {AppCommand::kBitmapAutoLevel, Kind::kDirect, "Auto Level", ""},
    {AppCommand::kBitmapEnhancePhoto, Kind::kDirect, "Enhance Digital Photo", ""},
    {AppCommand::kBitmapInvertAlpha, Kind::kDirect, "Invert Alpha", ""},
    {AppCommand::kBitmapBrightnessContrast, Kind::kAdjust, "Brightness and Contrast", "Brightness and Contrast"},
    {AppCommand::kBitmapHueSaturation, Kind::kAdjust, "Hue && Saturation", "Hue/Saturation"},
    {AppCommand::kBitmapTweak, Kind::kTweak, "", ""},
};

const BitmapCommand* FindCommand(AppCommand id) {
  for (const BitmapCommand& c : kCommands)
    if (c.id == id) return &c;
  return nullptr;
}

// Shows the object's area again after its picture changed (its box stays).
void Repaint(CVellumView& view, const CDrawObject& object) { view.InvalidateDocument(EffectRect(object)); }

bool RunDirect(CDrawObject& object, const CFilterEntry& filter) {
  // Pop Art is the slow one: the status line says so while it works.
  const bool progress = filter.key == FilterKey("Pop Art");
  IUserMessages& messages = App().Messages();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (progress) messages.Progress(0, 1, kPopArtProgress);
  const bool ran = ApplyFilterToObject(object, filter, DefaultValues(filter));
  if (progress) messages.Progress(1, 1, kPopArtProgress);
  QApplication::restoreOverrideCursor();
  return ran;
}

bool RunPreviewDialog(FilterPreviewDialog& dialog) { return dialog.Started() && dialog.exec() == QDialog::Accepted; }

bool RunTweak(QWidget* parent, CDrawObject& object) {
  TweakDialog dialog(parent, object.m_layer);
  if (dialog.exec() != QDialog::Accepted) return false;
  const CTweakEngine& engine = dialog.Engine();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool ran = ApplyToBitmapObject(object, [&engine](CDIBSection& picture) {
    CDIBSection source = picture.Clone();
    return engine.Run(source.View(), picture.View());
  });
  QApplication::restoreOverrideCursor();
  return ran;
}

}  // namespace

bool IsBitmapCommand(AppCommand id) { return FindCommand(id) != nullptr; }

bool CanRunBitmapCommand(const CVellumView* view) {
  if (!view || view->m_paintEditorRunning) return false;
  const CDrawObject* object = view->CurrentObject();
  return object && CanFilterObject(*object);
}

void UpdateBitmapMenu(MainWindow& window) {
  const bool enabled = CanRunBitmapCommand(window.ActiveView());
  for (const AppCommandInfo& info : AppCommandTable())
    if (IsBitmapCommand(info.id))
      if (QAction* action = window.Action(info.name)) action->setEnabled(enabled);
}

bool RunBitmapCommand(QWidget* parent, DocumentWindow& window, AppCommand id) {
  const BitmapCommand* command = FindCommand(id);
  CVellumView& view = window.View();
  if (!command || !CanRunBitmapCommand(&view)) return false;
  CDrawObject& object = *view.CurrentObject();
  const CDIBSection before = object.m_layer.Clone();
  const CFilterEntry* filter = *command->filter ? FindFilter(command->filter) : nullptr;
  if (*command->filter && !filter) return false;
  auto repaint = [&view, &object] { Repaint(view, object); };
  bool done = false;  // the command ran to its end (not cancelled)
  switch (command->kind) {
    case Kind::kDirect: done = RunDirect(object, *filter); break;
    case Kind::kGaussianBlur:
    case Kind::kGaussianSharpen: {
      GaussianDialog dialog(parent, object, command->kind == Kind::kGaussianSharpen, repaint);
      done = RunPreviewDialog(dialog);
      break;
    }
    case Kind::kAdjust: {
      AdjustDialog dialog(parent, command->dialogTitle, object, *filter, repaint);
      done = RunPreviewDialog(dialog);
      break;
    }
    case Kind::kTweak: done = RunTweak(parent, object); break;
  }
  const bool changed = !(object.m_layer == before);
  if (changed && !done) {
    // A cancelled dialog leaves nothing behind, not even the picture's fitting to an
    // enlarged object.
    object.m_layer = before.Clone();
    object.RenderObject(false, nullptr);
  }
  // Every change is a step of its own, so that undoing a later edit leaves it in place.
  if (changed && done) window.Document().SaveUndo();
  repaint();
  return changed && done;
}

}  // namespace tessel
