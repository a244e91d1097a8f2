// The commands of the main window itself (files, document dialogs, zoom entries,
// windows, help) and the layout of the menus and toolbars, which interleaves them with
// the editing view's commands. The window builds its menus from MenuLayout() and
// `tessel --action-list` prints the same layout, so the two never differ.
#pragma once

#include <string>
#include <vector>

#include "view/view_commands.h"

namespace tessel {

enum class AppCommand {
  kNew,
  kOpen,
  kImport,
  kSave,
  kSaveAs,
  kExport,
  kPrint,
  kProductionNotes,
  kRecent1,
  kRecent2,
  kRecent3,
  kRecent4,
  kExit,
  kGuidelines,
  kGeneralSettings,
  kSizeAndColor,
  kZoom10,
  kZoom30,
  kZoom50,
  kZoom80,
  kZoom100,
  kZoom200,
  kZoom300,
  kZoom400,
  kZoom600,
  kZoom800,
  kTile,
  kCascade,
  kTabbed,
  kNextWindow,
  kHelpTopics,
  kAbout,

  // ---- property bars (show/hide each bar) ----
  kShowColorTextureBar,
  kShowTransparencyBar,
  kShowBevelBar,

  kShowEffectBar,
  kShowOutlineBar,
  kShowLightsBar,
  kShowObjectPropertiesBar,

  // ---- Bitmap menu ----
  kBitmapSimpleSharpen,
  kBitmapSharpenMore,
  kBitmapSoftBlur,
  kBitmapGaussianBlur,
  kBitmapGaussianSharpen,
  kBitmapOilPainting,
  kBitmapPopArt,
  kBitmapAutoLevel,
  kBitmapEnhancePhoto,
  kBitmapInvertAlpha,
  kBitmapBrightnessContrast,
  kBitmapHueSaturation,
  kBitmapTweak,

  // ---- export and script generator ----
  kScriptGenerator,

  // ---- Quick Styles and object library windows ----
  kQuickStyles,
  kObjectLibrary,

  // ---- Mutaflux, brushes and settings ----
  kBrushLibrary,

  // ---- painting editor ----

};

struct AppCommandInfo {
  AppCommand id;
  const char* name;      // stable action id, "file.open"
  const char* label;     // the menu text with its & mnemonic ("&&" shows one &)
  const char* tip;       // tool tip, or ""
  const char* shortcut;  // Qt key sequence text, or ""
};

// Every application command in menu order.
const std::vector<AppCommandInfo>& AppCommandTable();
const AppCommandInfo& AppCommandInfoOf(AppCommand id);

// The number of recent-file entries in the File menu.
constexpr int kRecentFileCount = 4;
// The zoom combo index (0..9) of a kZoom10..kZoom800 command, or -1 for other commands.
int ZoomComboIndexOf(AppCommand id);

// One action of a menu or toolbar: a command of either table, found by its action id.
struct ActionRef {
  bool isView = false;
  ViewCommand view = ViewCommand::kUndo;
  AppCommand app = AppCommand::kNew;
  const char* name = "";
  const char* label = "";
  const char* tip = "";
  const char* shortcut = "";
};

// The action of an id of either table; false when no command has that id.
bool FindAction(const std::string& name, ActionRef* out);

// A menu: its title (with mnemonic) and its action ids in order, "-" for a separator
// and ">Title" ... "<" around a submenu.
struct MenuSpec {
  const char* title;
  std::vector<const char*> items;
};
const std::vector<MenuSpec>& MenuLayout();
// The action ids of the main toolbar ("-" separates, "zoom-combo" marks the combo box)
// and of the tools toolbar (every "tool." command of the view, in table order).
const std::vector<const char*>& MainToolbarLayout();
const std::vector<const char*>& ToolsToolbarLayout();
// True for the id of a tool command ("tool.select"): one of a checkable, exclusive set.
bool IsToolAction(const std::string& name);
// Actions with a shortcut that lie in no menu (the keyboard-only commands).
std::vector<ActionRef> KeyboardOnlyActions();

// A menu text as the menu shows it: "&X" becomes "X", "&&" becomes "&".
std::string PlainLabel(const std::string& label);
// One line per action of the menus, then the keyboard-only ones: id TAB plain label TAB
// shortcut. Each action appears once.
std::vector<std::string> ActionListLines();

}  // namespace tessel
