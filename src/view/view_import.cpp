// Import of a file into the document (File > Import, a file dropped on the window and
// the image tool): SVG drawings, library object files and pictures.
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
#include "library/object_library.h"
#include "render/compositor.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr char kCountMessage[] = "Total number of objects read: ";

std::string LowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext;
}

void Tell(const std::string& error) { App().Messages().Message(error, MsgButtons::kOk); }

// The picture of an image file as a bitmap object named after the file; null after a
// message when it cannot be read or made.
std::unique_ptr<CDrawObject> ReadPictureObject(const std::string& path) {
  CDIBSection picture;
  std::string error;
  if (!ReadImageFile(path, picture, &error)) {
    Tell(error);
    return nullptr;
  }
  const int width = picture.Width(), height = picture.Height();
  // A bitmap object keeps its own look: no new-object defaults.
  std::unique_ptr<CDrawObject> made = MakeBitmapObject(std::move(picture));
  if (!made) return nullptr;  // too large to render: nothing is added
  made->m_name = std::filesystem::path(path).filename().string();
  made->m_sourceFile = path;
  made->m_imageWidth = width;
  made->m_imageHeight = height;
  return made;
}
}  // namespace

int CVellumView::ImportFile(const std::string& path, const CPoint* at) {
  const std::string ext = LowerExtension(path);
  const int first = m_doc.ObjectCount();
  if (ext == ".svg") {
    std::string error;
    int count = 0;
    if (!ImportSvg(path, m_doc, false, &count, &error)) {
      Tell(error);
      return 0;
    }
    // The drawing's origin goes to the point.
    if (at)
      for (int i = first; i < m_doc.ObjectCount(); ++i) {
        CDrawObject* o = m_doc.ObjectAt(i);
        o->SetPosition(o->m_left + at->x, o->m_top + at->y);
      }
  } else if (ext == ".obj") {
    if (!InsertObjectFile(m_doc, path, at ? &at->x : nullptr, at ? &at->y : nullptr)) return 0;
  } else {
    std::unique_ptr<CDrawObject> made = ReadPictureObject(path);
    if (!made) return 0;
    made->SetPosition(at ? at->x : 0, at ? at->y : 0);
    m_doc.AddObject(std::move(made));
  }
  const int added = m_doc.ObjectCount() - first;
  if (added == 0) return 0;
  SaveUndo();
  CRect area;
  SelectObject(added == 1 ? m_doc.ObjectAt(first) : nullptr);
  for (int i = first; i < m_doc.ObjectCount(); ++i) {
    area = area.Union(EffectRect(*m_doc.ObjectAt(i)));
    if (added > 1) ToggleInMultiSelection(m_doc.ObjectAt(i));
  }
  if (ext == ".svg")
    m_host.Status(kCountMessage + std::to_string(added));
  else if (added == 1)
    UpdateStatusForCurrent();
  m_host.LayersChanged();
  InvalidateDocument(area);
  return added;
}

}  // namespace tessel
