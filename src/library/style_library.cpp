#include "library/style_library.h"

#include <algorithm>
#include <filesystem>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "library/library_files.h"
#include "library/new_object_defaults.h"

namespace tessel {

namespace fs = std::filesystem;

const CStyleTab kStyleTabs[kStyleTabCount] = {
    {"Texture", "Texture", AttributeGroup::kColorTexture},
    {"Transp", "Transp", AttributeGroup::kTransparency},
    {"Bevel", "Bevel", AttributeGroup::kBevel},
    {"Effect", "Shadow", AttributeGroup::kEffect},
    {"Lights", "Lights", AttributeGroup::kLights},
    {"Library A", "Lib1", AttributeGroup::kAll},
    {"Library B", "Lib2", AttributeGroup::kAll},
    {"User", "User", AttributeGroup::kAll},
};

namespace {
constexpr char kStem[] = "Style";
constexpr char kStyleExt[] = ".sty";
constexpr char kThumbExt[] = ".tmb";

bool Confirm(const std::string& question) {
  return App().Messages().Message(question, MsgButtons::kYesNo) == MsgAnswer::kYes;
}

void Tell(const std::string& text) { App().Messages().Message(text, MsgButtons::kOk); }

// The number of a file named Style<n>.sty (n from 1, digits only), or 0.
int StyleNumberOf(const std::string& name) {
  const size_t stem = sizeof kStem - 1, ext = sizeof kStyleExt - 1;
  if (name.size() <= stem + ext || name.compare(0, stem, kStem) != 0 ||
      name.compare(name.size() - ext, ext, kStyleExt) != 0)
    return 0;
  const std::string digits = name.substr(stem, name.size() - stem - ext);
  if (digits.empty() || digits.size() > 6 || digits[0] == '0') return 0;
  for (char c : digits)
    if (c < '0' || c > '9') return 0;
  return std::stoi(digits);
}
}  // namespace

CStyleFolder CStyleFolder::OfTab(int tab) {
  const int index = (tab >= 0 && tab < kStyleTabCount) ? tab : 0;
  return CStyleFolder(UserDataFolder("Styles") + "/" + kStyleTabs[index].folder);
}

std::string CStyleFolder::StyleFile(int n) const { return NumberedFile(m_path, kStem, n, kStyleExt); }
std::string CStyleFolder::ThumbnailFile(int n) const { return NumberedFile(m_path, kStem, n, kThumbExt); }

std::vector<int> CStyleFolder::Numbers() const {
  std::vector<int> numbers;
  std::error_code ec;
  for (fs::directory_iterator it(m_path, ec), end; !ec && it != end; it.increment(ec)) {
    const int n = StyleNumberOf(it->path().filename().string());
    if (n > 0 && it->is_regular_file(ec)) numbers.push_back(n);
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

int CStyleFolder::FreeNumber() const {
  std::error_code ec;
  int n = 1;
  while (fs::exists(StyleFile(n), ec)) ++n;
  return n;
}

bool CStyleFolder::Write(int n, CDrawObject& object, std::string* error) const {
  return WriteObjectFile(StyleFile(n), object, error) && WriteLibraryThumbnail(ThumbnailFile(n), object, error);
}

bool CStyleFolder::Remove(int n) const {
  std::error_code ec;
  const bool removed = fs::remove(StyleFile(n), ec);
  fs::remove(ThumbnailFile(n), ec);
  return removed;
}

std::unique_ptr<CDrawObject> CStyleFolder::Load(int n, std::string* error) const {
  return ReadObjectFile(StyleFile(n), error);
}

int AddStyle(const CStyleFolder& folder, CDrawObject& selectedObject) {
  const int n = folder.FreeNumber();
  std::string error;
  if (folder.Write(n, selectedObject, &error)) return n;
  Tell("The style could not be saved: " + error);
  return 0;
}

bool ReplaceStyle(const CStyleFolder& folder, int selectedStyle, CDrawObject& selectedObject) {
  if (selectedStyle < 1) {
    Tell("You have to first select the style to be replaced..");
    return false;
  }
  if (!Confirm("Do you want to replace this style?")) return false;
  std::string error;
  if (folder.Write(selectedStyle, selectedObject, &error)) return true;
  Tell("The style could not be saved: " + error);
  return false;
}

bool RemoveStyle(const CStyleFolder& folder, int selectedStyle) {
  if (selectedStyle < 1) {
    Tell("Please Select a style first!");
    return false;
  }
  const std::string name = std::string(kStem) + std::to_string(selectedStyle);
  if (!Confirm("Do you want to remove the style " + name + "?")) return false;
  return folder.Remove(selectedStyle);
}

StyleResult ApplyStyle(int tab, const CStyleFolder& folder, int n, CDrawObject* selectedObject, CVellumDoc& doc,
                       CNewObjectDefaults& defaults) {
  std::string error;
  const std::unique_ptr<CDrawObject> style = folder.Load(n, &error);
  if (!style) {
    Tell("The style could not be read: " + error);
    return StyleResult::kNotApplied;
  }
  if (selectedObject) {
    const AttributeGroup group = (tab >= 0 && tab < kStyleTabCount) ? kStyleTabs[tab].group : AttributeGroup::kAll;
    CopyAttributes(*selectedObject, *style, group);
    selectedObject->RenderObject(false, nullptr);
    doc.m_modified = true;
    doc.SaveUndo();
    return StyleResult::kAppliedToObject;
  }
  const bool text = style->IsText();
  (text ? defaults.text : defaults.object).TakeFrom(*style);
  const std::string file = fs::path(folder.StyleFile(n)).filename().string();
  App().Messages().Status((text ? "Text Default:" : "Object Default:") + file);
  return StyleResult::kDefaultsSet;
}

}  // namespace tessel
