#include "document/vellum_doc.h"

#include <algorithm>

#include "base/app_context.h"
#include "base/profile.h"
#include "document/draw_object.h"

namespace tessel {

namespace {
constexpr int kMaxExportType = 3;
constexpr int kGainScale = 1000;
constexpr int kMaxUndoLevels = 30;
}  // namespace

CVellumDoc::CVellumDoc() { ReadProfileDefaults(); }
CVellumDoc::~CVellumDoc() = default;
CVellumDoc::CVellumDoc(CVellumDoc&&) noexcept = default;
CVellumDoc& CVellumDoc::operator=(CVellumDoc&&) noexcept = default;

void CVellumDoc::ReadProfileDefaults() {
  const CProfile& p = App().Profile();
  m_exportType = p.GetInt("Export", "Type", 0);
  if (m_exportType > kMaxExportType) m_exportType = 0;
  m_exportGain = {p.GetInt("Color", "Red", kGainScale) / double(kGainScale),
                  p.GetInt("Color", "Green", kGainScale) / double(kGainScale),
                  p.GetInt("Color", "Blue", kGainScale) / double(kGainScale)};
  m_exportQuality = p.GetInt("Export", "Qlt", 95);
  m_exportSharpen = p.GetInt("Export", "Sharp", 0);
  m_exportColors = p.GetInt("Export", "Colors", 0);
  m_exportDither = p.GetInt("Export", "Dither", 2);
  m_exportNumColors = p.GetInt("Export", "NumCol", 64);
  m_gridDistance = p.GetInt("Grid", "Num", 20);
  m_embedTextures = p.GetInt("Settings", "STexture", 0);
  m_undoLevels = std::min(p.GetInt("Settings", "Undo", 4), kMaxUndoLevels);
}

void CVellumDoc::OnNewDocument() {
  const CProfile& p = App().Profile();
  m_crop = CRect();
  m_cropSet = 0;
  m_width = p.GetInt("Settings", "DefWidth", 400);
  m_height = p.GetInt("Settings", "DefHeight", 300);
  m_background = 0xFFFFFF;
  m_embedTextures = p.GetInt("Settings", "STexture", 0);
  ResetUndo();
}

CVellumDoc::ObjectList::iterator CVellumDoc::Find(const CDrawObject* object) {
  return std::find_if(m_objects.begin(), m_objects.end(), [&](const auto& o) { return o.get() == object; });
}

CDrawObject* CVellumDoc::NewObject() { return AddObject(std::make_unique<CDrawObject>()); }

CDrawObject* CVellumDoc::AddObject(std::unique_ptr<CDrawObject> object) {
  m_objects.push_back(std::move(object));
  m_modified = true;
  return m_objects.back().get();
}

std::unique_ptr<CDrawObject> CVellumDoc::RemoveObject(const CDrawObject* object) {
  auto it = Find(object);
  if (it == m_objects.end()) return nullptr;
  std::unique_ptr<CDrawObject> owned = std::move(*it);
  m_objects.erase(it);
  m_modified = true;
  return owned;
}

int CVellumDoc::Position(const CDrawObject* object) const {
  int i = 0;
  for (const auto& o : m_objects) {
    if (o.get() == object) return i;
    ++i;
  }
  return -1;
}

CDrawObject* CVellumDoc::ObjectAt(int position) const {
  if (position < 0 || position >= ObjectCount()) return nullptr;
  auto it = m_objects.begin();
  std::advance(it, position);
  return it->get();
}

CDrawObject* CVellumDoc::NextObject(const CDrawObject* object) const {
  const int pos = Position(object);
  if (pos < 0) return nullptr;
  return pos + 1 < ObjectCount() ? ObjectAt(pos + 1) : ObjectAt(pos);
}

CDrawObject* CVellumDoc::PreviousObject(const CDrawObject* object) const {
  const int pos = Position(object);
  if (pos < 0) return nullptr;
  return ObjectAt(pos > 0 ? pos - 1 : pos);
}

CDrawObject* CVellumDoc::FindByUid(const std::string& uid) const {
  for (const auto& o : m_objects)
    if (o->m_uid == uid) return o.get();
  return nullptr;
}

std::vector<CDrawObject*> CVellumDoc::InListOrder(const std::vector<CDrawObject*>& objects) const {
  std::vector<CDrawObject*> ordered;
  for (const auto& o : m_objects)
    if (std::find(objects.begin(), objects.end(), o.get()) != objects.end()) ordered.push_back(o.get());
  return ordered;
}

}  // namespace tessel
