#include "document/project_layout.h"

#include "base/archive.h"
#include "document/bitmap_block.h"
#include "document/vellum_doc.h"

#include "base/app_context.h"

namespace tessel {

namespace {
constexpr uint64_t kMinGroupBytes = 4 + 16;

void XferInts(CArchive& ar, std::vector<int32_t>& v) {
  uint32_t n = uint32_t(v.size());
  ar.Xfer(n);
  if (ar.IsLoading()) {
    ar.CheckCount(n, 4);
    v.assign(n, 0);
  }
  for (int32_t& x : v) ar.Xfer(x);
}

void XferStrings(CArchive& ar, std::vector<std::string>& v) {
  uint32_t n = uint32_t(v.size());
  ar.Xfer(n);
  if (ar.IsLoading()) {
    ar.CheckCount(n, 1);
    v.assign(n, std::string());
  }
  for (std::string& s : v) ar.Xfer(s);
}

void XferRect(CArchive& ar, CRect& r) {
  for (int* v : {&r.left, &r.top, &r.right, &r.bottom}) ar.Xfer(*v);
}
}  // namespace

CompressionFlagReset::~CompressionFlagReset() { App().m_compressBitmaps = false; }

void XferCanvas(CArchive& ar, CVellumDoc& doc) {
  ar.Xfer(doc.m_width);
  ar.Xfer(doc.m_height);
  ar.Xfer(doc.m_background);
  ar.Xfer(doc.m_embedTextures);
}

void XferCropAndGroups(CArchive& ar, CVellumDoc& doc) {
  XferRect(ar, doc.m_crop);
  ar.Xfer(doc.m_cropSet);
  uint32_t count = uint32_t(doc.m_groups.size());
  ar.Xfer(count);
  if (ar.IsLoading()) {
    ar.CheckCount(count, kMinGroupBytes);
    doc.m_groups.assign(count, CGroup());
  }
  for (CGroup& g : doc.m_groups) {
    uint32_t members = uint32_t(g.uids.size());
    ar.Xfer(members);
    XferRect(ar, g.rect);
    if (ar.IsLoading()) {
      ar.CheckCount(members, 1);
      g.uids.assign(members, std::string());
    }
    for (std::string& uid : g.uids) ar.Xfer(uid);
  }
}

bool XferDocumentTail(CArchive& ar, CVellumDoc& doc) {
  if (ar.IsStoring()) WriteBitmapBlock(ar, doc.m_blueprint, App().m_compressBitmaps);
  else ReadBitmapBlock(ar, doc.m_blueprint);
  uint32_t onBack = doc.m_blueprintOnBack ? 1 : 0;
  ar.Xfer(onBack);
  doc.m_blueprintOnBack = onBack ? 1 : 0;
  ar.Xfer(doc.m_blueprintX);
  ar.Xfer(doc.m_blueprintY);
  ar.Xfer(doc.m_snapToGuides);
  XferInts(ar, doc.m_guidesV);
  XferInts(ar, doc.m_guidesH);

  ar.Xfer(doc.m_exportPath);
  ar.Xfer(doc.m_exportType);
  for (double& g : doc.m_exportGain) ar.Xfer(g);
  for (int32_t* v : {&doc.m_exportQuality, &doc.m_exportSharpen, &doc.m_exportValue1, &doc.m_exportValue2,
                     &doc.m_exportColors, &doc.m_exportDither, &doc.m_exportNumColors, &doc.m_gridDistance})
    ar.Xfer(*v);
  if (!ar.XferBlockMarker()) return false;

  for (std::string* s : {&doc.m_notesAuthor, &doc.m_notesProject, &doc.m_notesRights, &doc.m_notesVersion,
                         &doc.m_notesDate, &doc.m_notes})
    ar.Xfer(*s);
  ar.Xfer(doc.m_showNotesOnLoad);
  for (int32_t& v : doc.m_docValues) ar.Xfer(v);
  if (!ar.XferBlockMarker()) return false;

  for (int32_t& v : doc.m_finePrint) ar.Xfer(v);
  XferStrings(ar, doc.m_strings1);
  XferStrings(ar, doc.m_strings2);
  if (ar.IsStoring()) ar.WriteEndMarker();
  else ar.ReadU32();  // end marker, not checked
  return true;
}

}  // namespace tessel
