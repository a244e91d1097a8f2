// Insert image from file (tool 11): a press asks for a file and places it there, a
// picture as a bitmap object, an SVG drawing as the objects it holds.
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/app_context.h"
#include "base/dib_section.h"
#include "base/user_messages.h"
#include "codecs/image_reader.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/svg_import.h"
#include "render/compositor.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
bool IsSvgFile(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext == ".svg";
}
}  // namespace

void CVellumView::ImageToolDown(CPoint doc) {
  SetTool(kToolSelect);
  const std::string path = m_host.AskImageFile();
  if (path.empty()) return;
  std::string error;
  if (IsSvgFile(path)) {
    const int first = m_doc.ObjectCount();
    int count = 0;
    if (!ImportSvg(path, m_doc, false, &count, &error)) {
      App().Messages().Message(error, MsgButtons::kOk);
      return;
    }
    // The drawing's origin goes to the press point.
    CRect area;
    for (int i = first; i < m_doc.ObjectCount(); ++i) {
      CDrawObject* o = m_doc.ObjectAt(i);
      o->SetPosition(o->m_left + doc.x, o->m_top + doc.y);
      area = area.Union(EffectRect(*o));
    }
    if (count == 0) return;
    SaveUndo();
    SelectObject(m_doc.ObjectAt(m_doc.ObjectCount() - 1));
    UpdateStatusForCurrent();
    m_host.LayersChanged();
    InvalidateDocument(area);
    return;
  }
  CDIBSection picture;
  if (!ReadImageFile(path, picture, &error)) {
    App().Messages().Message(error, MsgButtons::kOk);
    return;
  }
  const int width = picture.Width(), height = picture.Height();
  // A bitmap object keeps its own look: no new-object defaults.
  std::unique_ptr<CDrawObject> made = MakeBitmapObject(std::move(picture));
  if (!made) return;  // too large to render: nothing is added
  made->m_name = std::filesystem::path(path).filename().string();
  made->m_sourceFile = path;
  made->m_imageWidth = width;
  made->m_imageHeight = height;
  made->SetPosition(doc.x, doc.y);
  FinishNewObject(m_doc.AddObject(std::move(made)), true);
}

}  // namespace tessel
