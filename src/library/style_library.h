// The styles of the "Quick Styles" window: eight tabs, each a folder below Styles/
// holding numbered style files (StyleN.sty, one object record) and their thumbnails
// (StyleN.tmb). Clicking a style puts one group of its attributes on the selected
// object, or sets the defaults for new objects when nothing is selected. The ninth
// tab, "Objects", shows the object library.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/object_attributes.h"

namespace tessel {

class CDrawObject;
class CVellumDoc;
struct CNewObjectDefaults;

struct CStyleTab {
  const char* label;   // tab label
  const char* folder;  // folder below Styles/
  AttributeGroup group;  // what a click applies
};

constexpr int kStyleTabCount = 8;
constexpr int kObjectsTab = 8;  // the ninth tab: the object library
extern const CStyleTab kStyleTabs[kStyleTabCount];

// One tab's folder.
class CStyleFolder {
 public:
  explicit CStyleFolder(std::string path) : m_path(std::move(path)) {}
  // The folder of tab 0..7 in the user's writable Styles/ (see UserDataFolder).
  static CStyleFolder OfTab(int tab);

  const std::string& Path() const { return m_path; }
  std::string StyleFile(int n) const;
  std::string ThumbnailFile(int n) const;
  // Numbers of the style files present, ascending (the window's list).
  std::vector<int> Numbers() const;
  // The smallest n from 1 for which no style file exists.
  int FreeNumber() const;

  // Writes the object as style n (record and thumbnail), creating the folder.
  bool Write(int n, CDrawObject& object, std::string* error) const;
  // Deletes both files of style n; false when the style file was not there.
  bool Remove(int n) const;
  // Reads style n (not rendered); null with *error set when it cannot be read.
  std::unique_ptr<CDrawObject> Load(int n, std::string* error) const;

 private:
  std::string m_path;
};

// The window's commands, with their questions and messages through App().Messages().
// A selected style of 0 means none.

// "Add to Styles": the object becomes the new style FreeNumber(). Returns its number,
// or 0 after telling the user why it could not be written.
int AddStyle(const CStyleFolder& folder, CDrawObject& selectedObject);
// "Replace Style": asks "Do you want to replace this style?" and overwrites the style.
bool ReplaceStyle(const CStyleFolder& folder, int selectedStyle, CDrawObject& selectedObject);
// "Remove from Styles": asks and deletes the style's .sty and .tmb files.
bool RemoveStyle(const CStyleFolder& folder, int selectedStyle);

enum class StyleResult { kNotApplied, kAppliedToObject, kDefaultsSet };

// A click on style n of a tab. With a selected object the tab's attribute group is
// copied onto it, it is rendered and doc records an undo step. Without one the style's
// colour, texture and bevel values become the text defaults (style object is text) or
// the object defaults, and the status line says which. A style that cannot be read
// changes nothing and returns kNotApplied.
StyleResult ApplyStyle(int tab, const CStyleFolder& folder, int n, CDrawObject* selectedObject, CVellumDoc& doc,
                       CNewObjectDefaults& defaults);

}  // namespace tessel
