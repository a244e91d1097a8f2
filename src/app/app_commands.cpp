// The main window's own commands and the menu and toolbar layout.
#include "app/app_commands.h"

#include <set>
#include <stdexcept>

namespace tessel {

namespace {
constexpr char kToolPrefix[] = "tool.";
}  // namespace

const std::vector<AppCommandInfo>& AppCommandTable() {
  using A = AppCommand;
  static const std::vector<AppCommandInfo> table = {
      {A::kNew, "file.new", "&New", "New", "Ctrl+N"},
      {A::kOpen, "file.open", "&Open...", "Open", "Ctrl+O"},
      {A::kImport, "file.import", "&Import...", "Import", ""},
      {A::kSave, "file.save", "&Save", "Save", "Ctrl+S"},
      {A::kSaveAs, "file.save-as", "Save &As...", "Save As", ""},
      {A::kExport, "file.export", "&Export...", "Export", "Ctrl+E"},
      {A::kPrint, "file.print", "&Print...", "Print", "Ctrl+P"},
      {A::kProductionNotes, "file.production-notes", "Production Notes...", "Production Notes", ""},
      {A::kRecent1, "file.recent-1", "Recent File 1", "", ""},
      {A::kRecent2, "file.recent-2", "Recent File 2", "", ""},
      {A::kRecent3, "file.recent-3", "Recent File 3", "", ""},
      {A::kRecent4, "file.recent-4", "Recent File 4", "", ""},
      {A::kExit, "file.exit", "E&xit", "Exit", ""},
      {A::kGuidelines, "edit.guidelines", "Edit Guidelines && Grid...", "Guidelines & Grid", ""},
      {A::kGeneralSettings, "edit.general-settings", "General Settings...", "General Settings", ""},
      {A::kSizeAndColor, "canvas.size-color", "Size and Color...", "Canvas Size and Color", ""},
      {A::kZoom10, "view.zoom-10", "10%", "", ""},
      {A::kZoom30, "view.zoom-30", "30%", "", ""},
      {A::kZoom50, "view.zoom-50", "50%", "", ""},
      {A::kZoom80, "view.zoom-80", "80%", "", ""},
      {A::kZoom100, "view.zoom-100", "100%", "", ""},
      {A::kZoom200, "view.zoom-200", "200%", "", ""},
      {A::kZoom300, "view.zoom-300", "300%", "", ""},
      {A::kZoom400, "view.zoom-400", "400%", "", ""},
      {A::kZoom600, "view.zoom-600", "600%", "", ""},
      {A::kZoom800, "view.zoom-800", "800%", "", ""},
      {A::kTile, "window.tile", "&Tile", "Tile", ""},
      {A::kCascade, "window.cascade", "&Cascade", "Cascade", ""},
      {A::kTabbed, "window.tabs", "Ta&bs", "Tabs", ""},
      {A::kNextWindow, "window.next", "&Next Window", "Next Window", "Ctrl+F6"},
      {A::kHelpTopics, "help.topics", "Help &Topics", "Help Topics", "F1"},
      {A::kAbout, "help.about", "&About Tessel", "About Tessel", ""},

      // ---- property bars (show/hide each bar) ----
      {A::kShowColorTextureBar, "view.color-texture-bar", "Color && Texture", "Show or hide the Color & Texture bar", ""},
      {A::kShowTransparencyBar, "view.transparency-bar", "Transparency", "Show or hide the Transparency bar", ""},
      {A::kShowBevelBar, "view.bevel-bar", "Bevel", "Show or hide the Bevel bar", ""},

      {A::kShowEffectBar, "view.effect-bar", "&Effect", "Show or hide the Effect bar", ""},
      {A::kShowOutlineBar, "view.outline-bar", "O&utline", "Show or hide the Outline bar", ""},
      {A::kShowLightsBar, "view.lights-bar", "&Lights && Material", "Show or hide the Lights & Material bar", ""},
      {A::kShowObjectPropertiesBar, "view.object-properties-bar", "O&bject Properties",
       "Show or hide the Object properties bar", ""},

      // ---- Bitmap menu ----
      {A::kBitmapSimpleSharpen, "bitmap.simple-sharpen", "Simple Sharpen", "Simple Sharpen", ""},
      {A::kBitmapSharpenMore, "bitmap.sharpen-more", "Sharpen More", "Sharpen More", ""},
      {A::kBitmapSoftBlur, "bitmap.soft-blur", "Soft Blur", "Soft Blur", ""},
      {A::kBitmapGaussianBlur, "bitmap.gaussian-blur", "Gaussian Blur", "Gaussian Blur", ""},
      {A::kBitmapGaussianSharpen, "bitmap.gaussian-sharpen", "Gaussian Sharpen", "Gaussian Sharpen", ""},
      {A::kBitmapOilPainting, "bitmap.oil-painting", "Oil Painting", "Oil Painting", ""},
      {A::kBitmapPopArt, "bitmap.pop-art", "Pop Art", "Pop Art", ""},
      {A::kBitmapAutoLevel, "bitmap.auto-level", "Auto Level", "Auto Level", ""},
      {A::kBitmapEnhancePhoto, "bitmap.enhance-photo", "Enhance Digital Photo", "Enhance Digital Photo", ""},
      {A::kBitmapInvertAlpha, "bitmap.invert-alpha", "Invert Alpha", "Invert Alpha", ""},
      {A::kBitmapBrightnessContrast, "bitmap.brightness-contrast", "Brightness and Contrast",
       "Brightness and Contrast", ""},
      {A::kBitmapHueSaturation, "bitmap.hue-saturation", "Hue && Saturation", "Hue & Saturation", ""},
      {A::kBitmapTweak, "bitmap.tweak", "Tweak...", "Bitmap Color Tweak", ""},

      // ---- export and script generator ----
      {A::kScriptGenerator, "file.script-generator", "Web/Multimedia Script Generator...",
       "Web/Multimedia Script Generator", ""},

      // ---- Quick Styles and object library windows ----
      {A::kQuickStyles, "view.quick-styles", "&Quick Styles", "Quick Styles", ""},
      {A::kObjectLibrary, "view.object-library", "Object &Library", "Object Library", ""},

      // ---- Mutaflux, brushes and settings ----
      {A::kBrushLibrary, "edit.brush-library", "&Brush Library", "Brush Library", ""},

      // ---- painting editor ----

  };
  return table;
}

const AppCommandInfo& AppCommandInfoOf(AppCommand id) {
  for (const AppCommandInfo& info : AppCommandTable())
    if (info.id == id) return info;
  throw std::logic_error("application command without a table entry");
}

int ZoomComboIndexOf(AppCommand id) {
  const int index = int(id) - int(AppCommand::kZoom10);
  return index >= 0 && index <= int(AppCommand::kZoom800) - int(AppCommand::kZoom10) ? index : -1;
}

bool FindAction(const std::string& name, ActionRef* out) {
  for (const CommandInfo& c : ViewCommandTable()) {
    if (name != c.name) continue;
    out->isView = true;
    out->view = c.id;
    out->name = c.name;
    out->label = c.label;
    out->tip = c.tip;
    out->shortcut = c.shortcut;
    return true;
  }
  for (const AppCommandInfo& c : AppCommandTable()) {
    if (name != c.name) continue;
    out->isView = false;
    out->app = c.id;
    out->name = c.name;
    out->label = c.label;
    out->tip = c.tip;
    out->shortcut = c.shortcut;
    return true;
  }
  return false;
}

namespace {
// The menus as arranged here; commands of the view's table that this arrangement does not
// name yet are appended to the menu their table entry names (see MenuLayout).
std::vector<MenuSpec> ArrangedMenus() {
  return {
      {"&File",
       {"file.new", "file.open", "file.import", "file.save", "file.save-as", "-", "file.export",
        // ---- export and script generator (File menu) ----
        "file.script-generator",
        "file.print", "-",
        "file.production-notes", "-", "file.recent-1", "file.recent-2", "file.recent-3", "file.recent-4", "-",
        "file.exit"}},
      {"&Edit",
       {"edit.undo", "edit.redo", "-", "edit.cut", "edit.copy", "edit.paste", "edit.paste-attributes",
        "edit.delete", "-", "edit.select-all", "-", "edit.snap-grid", "edit.snap-guidelines", "edit.guidelines",
        "-", "edit.general-settings",
        // ---- Mutaflux, brushes and settings (Edit menu) ----
        "edit.brush-library",
       }},
      {"&Object",
       {"object.bring-to-front", "object.send-to-back", "object.bring-forward", "object.send-backward", "-",
        "object.align-left", "object.align-right", "object.align-top", "object.align-bottom",
        "object.align-center", "object.center-on-page", "-", "object.flip-horizontal", "object.flip-vertical", "-",
        "object.group", "object.ungroup", "-", "object.next", "object.previous", "-", "object.hide-above",
        "object.show-all", "-", "object.crop-to-object", "object.combine-xor", "object.combine-union",
        ">Combine &Mode", "object.mode-xor", "object.mode-union", "<", "-", "object.copy-as-bitmap",
        "object.paste-as-bitmap", "object.paste-inside", "object.new-bitmap", "object.bitmap-shadow",
        // ---- painting editor (Object menu) ----
        "-", "object.paint-edit", "object.paint-on-edge",
       }},
      {"&Bitmap",
       {
           // ---- Bitmap menu ----
           "bitmap.simple-sharpen", "bitmap.sharpen-more", "bitmap.soft-blur", "-", "bitmap.gaussian-blur",
           "bitmap.gaussian-sharpen", "-", "bitmap.oil-painting", "bitmap.pop-art", "-", "bitmap.auto-level",
           "bitmap.enhance-photo", "bitmap.invert-alpha", "-", "bitmap.brightness-contrast",
           "bitmap.hue-saturation", "-", "bitmap.tweak",
       }},
      {"&Canvas",
       {"canvas.size-color", "-", "canvas.trim", "canvas.trim-padding", "canvas.crop", "-", ">&Blueprint",
        "canvas.blueprint-load", "canvas.blueprint-remove", "canvas.blueprint-on-back", "canvas.blueprint-center",
        "canvas.blueprint-position", "canvas.blueprint-resize", "<"}},
      {"&Tools",
       {"tool.select", "tool.zoom", "tool.rotate", "tool.skew", "-", "tool.rectangle", "tool.circle",
        "tool.rounded-rectangle", "tool.star", "tool.path", "tool.pencil", "tool.arrow", "tool.text", "tool.image",
        "-", "tool.export-crop"}},
      {"&View",
       {"view.zoom-in", "view.zoom-out", "view.original-size", ">&Zoom", "view.zoom-10", "view.zoom-30",
        "view.zoom-50", "view.zoom-80", "view.zoom-100", "view.zoom-200", "view.zoom-300", "view.zoom-400",
        "view.zoom-600", "view.zoom-800", "<", "-", "view.render-full", "view.render-lenses-off",
        "view.render-wireframe", "-", "view.mate-borders", "view.onion-skin-top",
        // ---- property bars (View menu) ----
        "-", "view.color-texture-bar", "view.transparency-bar", "view.bevel-bar",

        "-", "view.effect-bar", "view.outline-bar", "view.lights-bar", "view.object-properties-bar",

        // ---- Quick Styles and object library windows (View menu) ----
        "-", "view.quick-styles", "view.object-library",

       }},
      {"&Window", {"window.tile", "window.cascade", "window.tabs", "-", "window.next"}},
      {"&Help", {"help.topics", "-", "help.about"}},
  };
}
}  // namespace

const std::vector<MenuSpec>& MenuLayout() {
  static const std::vector<MenuSpec> layout = [] {
    std::vector<MenuSpec> menus = ArrangedMenus();
    std::set<std::string> placed;
    for (const MenuSpec& menu : menus) placed.insert(menu.items.begin(), menu.items.end());
    for (const CommandInfo& c : ViewCommandTable()) {
      if (placed.count(c.name)) continue;
      for (MenuSpec& menu : menus)
        if (PlainLabel(menu.title) == c.menu) menu.items.push_back(c.name);
    }
    return menus;
  }();
  return layout;
}

const std::vector<const char*>& MainToolbarLayout() {
  static const std::vector<const char*> layout = {"file.new",  "file.open", "file.save", "-",         "edit.cut",
                                                  "edit.copy", "edit.paste", "-",        "edit.undo", "edit.redo",
                                                  "-",         "zoom-combo"};
  return layout;
}

bool IsToolAction(const std::string& name) { return name.rfind(kToolPrefix, 0) == 0; }

const std::vector<const char*>& ToolsToolbarLayout() {
  static const std::vector<const char*> layout = [] {
    std::vector<const char*> tools;
    for (const CommandInfo& c : ViewCommandTable())
      if (IsToolAction(c.name)) tools.push_back(c.name);
    return tools;
  }();
  return layout;
}

std::vector<ActionRef> KeyboardOnlyActions() {
  std::vector<ActionRef> out;
  for (const CommandInfo& c : ViewCommandTable()) {
    ActionRef ref;
    if (std::string(c.menu).empty() && FindAction(c.name, &ref)) out.push_back(ref);
  }
  return out;
}

std::string PlainLabel(const std::string& label) {
  std::string out;
  for (size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '&' && i + 1 < label.size()) ++i;  // "&X" shows X, "&&" shows &
    out += label[i];
  }
  return out;
}

namespace {
bool IsActionId(const char* item) { return item[0] != '-' && item[0] != '>' && item[0] != '<'; }

std::string ActionLine(const ActionRef& a) {
  return std::string(a.name) + "\t" + PlainLabel(a.label) + "\t" + a.shortcut;
}
}  // namespace

std::vector<std::string> ActionListLines() {
  std::vector<std::string> lines;
  std::set<std::string> seen;
  auto add = [&](const char* id) {
    ActionRef ref;
    if (!IsActionId(id) || !seen.insert(id).second || !FindAction(id, &ref)) return;
    lines.push_back(ActionLine(ref));
  };
  for (const MenuSpec& menu : MenuLayout())
    for (const char* item : menu.items) add(item);
  for (const char* item : MainToolbarLayout()) add(item);
  for (const char* item : ToolsToolbarLayout()) add(item);
  for (const ActionRef& ref : KeyboardOnlyActions()) add(ref.name);
  return lines;
}

}  // namespace tessel
