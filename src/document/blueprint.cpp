#include "document/blueprint.h"

#include "codecs/image_reader.h"
#include "document/vellum_doc.h"

namespace tessel {

std::string LoadBlueprint(CVellumDoc& doc, const std::string& path) {
  CDIBSection image;
  std::string error;
  if (!ReadImageFile(path, image, &error)) return error.empty() ? "Can't read " + path : error;
  doc.m_blueprint = std::move(image);
  CenterBlueprint(doc);
  doc.m_modified = true;
  return "";
}

void RemoveBlueprint(CVellumDoc& doc) {
  doc.m_blueprint.Release();
  doc.m_blueprintX = doc.m_blueprintY = 0;
  doc.m_modified = true;
}

void CenterBlueprint(CVellumDoc& doc) {
  if (doc.m_blueprint.IsEmpty()) return;
  doc.m_blueprintX = (doc.m_width - doc.m_blueprint.Width()) / 2;
  doc.m_blueprintY = (doc.m_height - doc.m_blueprint.Height()) / 2;
}

std::string FitCanvasToBlueprint(CVellumDoc& doc) {
  if (doc.m_blueprint.IsEmpty()) return "";
  // The canvas grows or shrinks from its top-left corner, so nothing on it moves.
  std::string refusal = doc.ChangeCanvas(0, 0, doc.m_blueprint.Width(), doc.m_blueprint.Height());
  if (!refusal.empty()) return refusal;
  doc.m_blueprintX = doc.m_blueprintY = 0;
  return "";
}

}  // namespace tessel
