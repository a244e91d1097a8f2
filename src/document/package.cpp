#include "document/package.h"

#include <algorithm>

#include "base/app_context.h"
#include "base/archive.h"
#include "document/bitmap_object.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"
#include "render/objects_to_bitmap.h"

namespace tessel {

namespace {
// Marks the package document's settings after the object records.
constexpr uint32_t kSettingsMarker = 0x4B434150;  // "PACK"
// Fewest bytes one stored object record takes; bounds the object count.
constexpr uint64_t kMinRecordBytes = 64;
constexpr const char* kDamagedPackage = "The package data is damaged and can't be read.";

const char* const kPackageName = "Package";
const char* const kCloneName = "Clone";

// Keeps the application's compression flag set while a stream is written and gives it
// back its old value afterwards (a package written during Save must not clear it).
class CompressionScope {
 public:
  CompressionScope() : m_old(App().m_compressBitmaps) { App().m_compressBitmaps = true; }
  ~CompressionScope() { App().m_compressBitmaps = m_old; }
  CompressionScope(const CompressionScope&) = delete;
  CompressionScope& operator=(const CompressionScope&) = delete;

 private:
  bool m_old;
};

void XferGuides(CArchive& ar, std::vector<int32_t>& guides) {
  uint32_t count = uint32_t(guides.size());
  ar.Xfer(count);
  if (ar.IsLoading()) {
    ar.CheckCount(count, 4);
    guides.resize(count);
  }
  for (int32_t& g : guides) ar.Xfer(g);
}

std::vector<CDrawObject*> Pointers(const CVellumDoc& doc) {
  std::vector<CDrawObject*> list;
  for (const auto& o : doc.m_objects) list.push_back(o.get());
  return list;
}

// Renders the stream's objects into the package's image; returns the area they cover
// in the coordinates they were stored with.
std::string RenderPicture(const CVellumDoc& owner, CDrawObject& package, CRect* covered) {
  CVellumDoc contents;
  contents.m_width = owner.m_width;
  contents.m_height = owner.m_height;
  const std::string message = ReadPackageStream(package.m_packageData, contents);
  if (!message.empty()) return message;
  CDIBSection picture;
  *covered = RenderObjectsToBitmap(Pointers(contents), picture, {}, contents);
  if (picture.IsEmpty()) return kDamagedPackage;
  package.m_layer = std::move(picture);
  return "";
}

CDrawObject* FindPackage(const CVellumDoc& doc, int32_t id) {
  for (const auto& o : doc.m_objects)
    if (o->IsPackage() && o->m_packageId == id) return o.get();
  return nullptr;
}

void CopyPicture(const CDrawObject& package, CDrawObject& clone) {
  clone.m_layer = package.m_layer.Clone();
  clone.m_imageFlag = package.m_imageFlag;
  clone.m_imageWidth = package.m_imageWidth;
  clone.m_imageHeight = package.m_imageHeight;
}
}  // namespace

const char* const kCompactPackageNotice =
    "This will Compact the Package and/or Clones before saving.\nUse it if you need the document to be smaller for "
    "distribution.\nAfter loading the packages will rebuild to original form.\nNote: If you change the Package view - "
    "by applying some filters or painting on it, this will be lost.";
const char* const kCompactPackageDone =
    "Now is the time to save the file.\nAt this point please don't modify the objects.";

std::vector<uint8_t> WritePackageStream(const std::vector<const CDrawObject*>& objects, const CVellumDoc& settings) {
  const CompressionScope compressed;
  CArchive ar;
  ar.WriteU32(uint32_t(objects.size()));
  for (const CDrawObject* o : objects) const_cast<CDrawObject*>(o)->SerializeFields(ar, false);
  ar.WriteU32(kSettingsMarker);
  ar.WriteI32(settings.m_snapToGuides);
  std::vector<int32_t> v = settings.m_guidesV, h = settings.m_guidesH;
  XferGuides(ar, v);
  XferGuides(ar, h);
  ar.WriteI32(settings.m_gridDistance);
  ar.WriteEndMarker();
  return ar.TakeBuffer();
}

std::string ReadPackageStream(const std::vector<uint8_t>& stream, CVellumDoc& into) {
  CVellumDoc read;
  try {
    CArchive ar(stream);
    const uint32_t count = ar.ReadU32();
    ar.CheckCount(count, kMinRecordBytes);
    for (uint32_t i = 0; i < count; ++i) {
      auto object = std::make_unique<CDrawObject>();
      object->SerializeFields(ar, false);
      read.m_objects.push_back(std::move(object));
    }
    // Streams may end after the records; the settings are optional.
    if (ar.ReadU32() == kSettingsMarker) {
      read.m_snapToGuides = ar.ReadI32();
      XferGuides(ar, read.m_guidesV);
      XferGuides(ar, read.m_guidesH);
      read.m_gridDistance = ar.ReadI32();
    }
  } catch (const CArchiveException&) {
    return kDamagedPackage;
  }
  for (auto& o : read.m_objects) into.m_objects.push_back(std::move(o));
  into.m_snapToGuides = read.m_snapToGuides;
  into.m_guidesV = std::move(read.m_guidesV);
  into.m_guidesH = std::move(read.m_guidesH);
  into.m_gridDistance = read.m_gridDistance;
  return "";
}

CDrawObject* CreatePackage(CVellumDoc& doc, const std::vector<CDrawObject*>& selection) {
  const std::vector<CDrawObject*> ordered = doc.InListOrder(selection);
  if (ordered.empty()) return nullptr;
  CDIBSection picture;
  const CRect where = RenderObjectsToBitmap(ordered, picture, {}, doc);
  if (picture.IsEmpty()) return nullptr;

  CDrawObject* package = doc.NewObject();
  package->SetPackageData(WritePackageStream({ordered.begin(), ordered.end()}, doc));
  package->m_layer = std::move(picture);
  package->m_packageInfo[0] = package->m_layer.Width();
  package->m_packageInfo[1] = package->m_layer.Height();
  package->m_name = kPackageName;
  ShowLayerAsBitmapObject(*package, where.left, where.top);
  for (CDrawObject* o : ordered) doc.RemoveObject(o);
  doc.ValidateGroups();
  doc.m_modified = true;
  return package;
}

std::vector<CDrawObject*> UnPack(CVellumDoc& doc, CDrawObject* package, std::string* message) {
  std::vector<CDrawObject*> unpacked;
  if (!package || !package->IsPackage()) return unpacked;
  CVellumDoc contents;
  contents.m_width = doc.m_width;
  contents.m_height = doc.m_height;
  *message = ReadPackageStream(package->m_packageData, contents);
  if (!message->empty()) return unpacked;
  // The objects move by as much as the package moved since it was made.
  CRect stored;
  for (const auto& o : contents.m_objects) stored = stored.Union(EffectRect(*o));
  const int dx = package->m_left - stored.left, dy = package->m_top - stored.top;
  for (auto& o : contents.m_objects) {
    o->m_left += dx;
    o->m_top += dy;
    o->SelectFrame(0);
    unpacked.push_back(doc.AddObject(std::move(o)));
  }
  doc.RemoveObject(package);
  doc.m_modified = true;
  *message = std::to_string(unpacked.size()) + " objects selected";
  return unpacked;
}

CDrawObject* CreateClone(CVellumDoc& doc, CDrawObject& package) {
  if (!package.IsPackage()) return nullptr;
  if (package.m_packageId <= 0) {
    int32_t highest = 0;
    for (const auto& o : doc.m_objects) highest = std::max(highest, o->m_packageId);
    package.m_packageId = highest + 1;
  }
  CDrawObject* clone = doc.NewObject();
  clone->m_cloneOf = package.m_packageId;
  clone->m_name = kCloneName;
  clone->m_bevelType = 0;
  clone->m_bitmapAngle = 0;
  CopyPicture(package, *clone);
  clone->m_type = kTypeBitmap;
  clone->m_left = package.m_left;
  clone->m_top = package.m_top;
  clone->AllocateBitmaps(package.m_width, package.m_height);
  return clone;
}

std::string ReloadFromPackage(CVellumDoc& doc, CDrawObject& package) {
  if (!package.IsPackage()) return "";
  CRect covered;
  const std::string message = RenderPicture(doc, package, &covered);
  if (!message.empty()) return message;
  package.m_layerScaleX = package.m_layerScaleY = 1.0;
  package.m_layerOffsetX = package.m_layerOffsetY = 0.0;
  package.m_layerAngle = package.m_layerAngle2 = 0;
  package.m_layerPerspMode = 0;
  package.m_layerPerspAmount = 1.0;
  package.m_texScaleX = package.m_texScaleY = 1.0;
  package.m_texAngle = package.m_texAngle2 = 0.0;
  package.m_texOffsetX = package.m_texOffsetY = 0;
  package.m_imageWidth = package.m_layer.Width();
  package.m_imageHeight = package.m_layer.Height();
  package.RenderObject(false, nullptr);
  return "";
}

int CompactPackages(CVellumDoc& doc) {
  int compacted = 0;
  for (auto& o : doc.m_objects) {
    if (!o->IsPackage() && !o->IsClone()) continue;
    o->m_layer = CDIBSection();
    ++compacted;
  }
  return compacted;
}

bool HasCompactedPackages(const CVellumDoc& doc) {
  for (const auto& o : doc.m_objects)
    if ((o->IsPackage() || o->IsClone()) && o->m_layer.IsEmpty()) return true;
  return false;
}

int RebuildCompactedPackages(CVellumDoc& doc, std::vector<std::string>* messages) {
  int rebuilt = 0;
  // Packages first: their clones copy the rebuilt pictures.
  for (auto& o : doc.m_objects) {
    if (!o->IsPackage() || !o->m_layer.IsEmpty()) continue;
    CRect covered;
    const std::string message = RenderPicture(doc, *o, &covered);
    if (!message.empty()) {
      if (messages) messages->push_back(message);
      continue;
    }
    o->RenderObject(false, nullptr);
    ++rebuilt;
  }
  for (auto& o : doc.m_objects) {
    if (!o->IsClone() || o->IsPackage() || !o->m_layer.IsEmpty()) continue;
    const CDrawObject* package = FindPackage(doc, o->m_cloneOf);
    if (!package || package->m_layer.IsEmpty()) continue;
    CopyPicture(*package, *o);
    o->RenderObject(false, nullptr);
    ++rebuilt;
  }
  return rebuilt;
}

}  // namespace tessel
