// The object record: the one stored form of a drawing object, shared by project
// files, packages, the clipboard, styles, the object library and undo. A record grows
// by blocks that start with a marker word 0; a reader of an older record meets the end
// marker -1 there and leaves the later fields at their defaults.
#include <cmath>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/program_constants.h"
#include "document/bitmap_block.h"
#include "document/draw_object.h"

namespace tessel {

namespace {
constexpr double kMaxColorGain = 10.0;
constexpr size_t kMaxStoredFaceName = 32;
constexpr uint32_t kLensFlareLayer = 1;  // written instead of the layer of a flare
// Largest object box a record may hold: several times the largest canvas (1800 x 1500)
// on a side, and at most 64 MB of pixels.
constexpr int kMaxStoredBoxSide = 8192;
constexpr int64_t kMaxStoredBoxPixels = int64_t(16) << 20;

void XferAll(CArchive& ar, std::initializer_list<int32_t*> fields) {
  for (int32_t* f : fields) ar.Xfer(*f);
}
void XferAll(CArchive& ar, std::initializer_list<uint32_t*> fields) {
  for (uint32_t* f : fields) ar.Xfer(*f);
}
void XferAll(CArchive& ar, std::initializer_list<double*> fields) {
  for (double* f : fields) ar.Xfer(*f);
}

// Frame copies are plain records, so honest files nest one level; a deeper chain is
// damage (or an attack on the stack).
constexpr int kMaxRecordNesting = 4;
thread_local int g_recordNesting = 0;

struct NestingGuard {
  NestingGuard() {
    if (++g_recordNesting > kMaxRecordNesting) {
      --g_recordNesting;
      throw CArchiveException("Object frames are nested too deeply");
    }
  }
  ~NestingGuard() { --g_recordNesting; }
};

void XferFont(CArchive& ar, CLogFont& f) {
  XferAll(ar, {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight});
  for (uint8_t* b : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision, &f.clipPrecision,
                     &f.quality, &f.pitchAndFamily})
    ar.Xfer(*b);
  if (ar.IsStoring()) {
    ar.WriteString(f.faceName);
    return;
  }
  // A face name that cannot be a font's name is ignored: the font keeps its own.
  std::string name = ar.ReadString();
  if (name.size() <= kMaxStoredFaceName) f.faceName = std::move(name);
}

// Conversions of records written before the transparency geometry existed.
void ConvertOldTransparency(CObjectFields& o) {
  if (o.m_transpName == "Radial.tmb") {
    o.m_transpGeom = {0.5, 1.0, 0.5, 0.5, 0.5, 0.0};
  } else if (o.m_transpName == "Linear.tmb") {
    const double a = o.m_transpAngle * kDegToRad;
    const double c = 0.5 * std::cos(a), s = 0.5 * std::sin(a);
    o.m_transpGeom[0] = 0.5 - c;
    o.m_transpGeom[1] = 0.5 + c;
    o.m_transpGeom[2] = 0.5;
    o.m_transpGeom[3] = 0.5 + s;
    o.m_transpGeom[4] = 0.5 - s;
  }
}

void XferFlips(CArchive& ar, CObjectFields& o) { XferAll(ar, {&o.m_flipV, &o.m_flipH}); }
}  // namespace

// Items 13-16: the frame copies, as nested records.
static void XferFrames(CArchive& ar, CDrawObject& o) {
  const bool framesUsed = (o.m_hasHighlightedFrame || o.m_hasPushedFrame) && !o.m_nonInteractive;
  auto xferFrame = [&](std::unique_ptr<CDrawObject>& slot) {
    if (ar.IsStoring()) {
      // A missing copy is replaced by the present state as a plain record.
      if (slot) slot->SerializeFields(ar, true);
      else o.MakeFrameCopy()->SerializeFields(ar, true);
      return;
    }
    slot = std::make_unique<CDrawObject>();
    slot->SerializeFields(ar, false);
  };
  if (o.m_hasHighlightedFrame && !o.m_nonInteractive) xferFrame(o.m_frameHighlighted);
  if (o.m_hasPushedFrame && !o.m_nonInteractive) xferFrame(o.m_framePushed);
  if (framesUsed) {
    uint32_t hasNormal = o.m_frameNormal ? 1 : 0;
    ar.Xfer(hasNormal);
    if (ar.IsStoring() && hasNormal) o.m_frameNormal->SerializeFields(ar, true);
    if (ar.IsLoading()) {
      o.m_frameNormal.reset();
      if (hasNormal) xferFrame(o.m_frameNormal);
    }
  }
  if (o.m_hasHighlightedFrame || o.m_hasPushedFrame) ar.Xfer(o.m_glueWithPrevious);
}

// Items 1-17, the part every version of the record has.
static void XferBase(CArchive& ar, CDrawObject& o) {
  ar.Xfer(o.m_name);
  int32_t reserved = 0;
  XferAll(ar, {&o.m_texture3D, &o.m_textureParam2, &o.m_textureParam1, &o.m_hidden, &o.m_inGroup, &o.m_textureMode,
               &reserved, &o.m_transpMode});
  o.m_path.Serialize(ar);
  o.m_polynome.Serialize(ar);
  // A flare's layer is drawn again after loading; a bitmap object's layer is its picture
  // and is kept whatever its effect.
  if (ar.IsStoring() && o.m_effect == kEffectLensFlare && !o.IsBitmap()) ar.WriteU32(kLensFlareLayer);
  else if (ar.IsStoring()) WriteBitmapBlock(ar, o.m_layer, App().m_compressBitmaps);
  else ReadBitmapBlock(ar, o.m_layer);
  ar.Xfer(o.m_color2);
  ar.Xfer(o.m_effectColor);
  ar.Xfer(o.m_color);
  ar.Xfer(o.m_text);
  ar.Xfer(o.m_textureName);
  ar.Xfer(o.m_transpName);
  XferAll(ar, {&o.m_lightDir[0], &o.m_lightDir[1], &o.m_lightDir[2], &o.m_texScaleX, &o.m_texScaleY, &o.m_texAngle,
               &o.m_texAngle2});
  auto& p = o.m_pendingRect;
  XferAll(ar, {&o.m_imageHeight, &o.m_imageWidth, &o.m_antiAlias, &o.m_bevelParam2, &o.m_bevelParam1,
               &o.m_bevelType, &o.m_bevelWidth, &o.m_bitmapAngle, &o.m_texture3DDepth, &o.m_mutafluxIndex,
               &o.m_effectAngle, &o.m_effectParam2, &o.m_effectParam1, &o.m_effectSoftness, &o.m_effect,
               &o.m_effectDistance, &o.m_mutafluxParam[0], &o.m_mutafluxParam[1], &o.m_mutafluxParam[2],
               &o.m_gradientParam, &o.m_height, &o.m_left, &p[3], &p[0], &p[1], &p[2], &o.m_lineWidth,
               &o.m_texOffsetX, &o.m_texOffsetY, &o.m_textureAmount, &o.m_top, &o.m_transpAngle, &o.m_transpAmount,
               &o.m_type, &o.m_envelope, &o.m_width});
  XferFont(ar, o.m_font);
  XferAll(ar, {&o.m_textBold, &o.m_textItalic, &o.m_textParam});
  ar.Xfer(o.m_textSize);
  ar.Xfer(o.m_textAlign);
  XferAll(ar, {&o.m_hasHighlightedFrame, &o.m_hasPushedFrame, &o.m_nonInteractive});
  XferFrames(ar, o);
  ar.Xfer(o.m_currentFrame);
}

// Items 18-37, the extension blocks. Returns false when a loaded record ends early.
static bool XferBlocks(CArchive& ar, CDrawObject& o) {
  if (!ar.XferBlockMarker()) return false;
  XferAll(ar, {&o.m_mmParam3, &o.m_bitmapParam, &o.m_texParam1, &o.m_texParam2, &o.m_mmParam1, &o.m_mmParam2});
  XferAll(ar, {&o.m_effectDistanceF, &o.m_texPerspAmount, &o.m_texPerspAngle});
  XferAll(ar, {&o.m_lensDropMask, &o.m_lensEnvironment, &o.m_packageSize, &o.m_packageInfo[0], &o.m_packageInfo[1]});
  if (o.m_packageSize > 0) {
    if (ar.IsLoading()) {
      ar.CheckCount(uint32_t(o.m_packageSize), 1);
      o.m_packageData.resize(size_t(o.m_packageSize));
      ar.ReadBytes(o.m_packageData.data(), o.m_packageData.size());
    } else {
      ar.WriteBytes(o.m_packageData.data(), o.m_packageData.size());
    }
    XferFlips(ar, o);
  } else if (ar.IsLoading()) {
    o.m_packageData.clear();
    o.m_packageSize = 0;
  }
  XferAll(ar, {&o.m_outlineColor2, &o.m_outlineColor, &o.m_outlineColor3});
  XferAll(ar, {&o.m_outlineType, &o.m_outlineWidth, &o.m_outlineParam0});
  ar.Xfer(o.m_outlineSoftness);
  XferAll(ar, {&o.m_outlineParam1, &o.m_lightsOn});
  o.m_lights.Serialize(ar);
  ar.Xfer(o.m_imageFlag);
  XferAll(ar, {&o.m_colorGain[0], &o.m_colorGain[1], &o.m_colorGain[2]});
  if (ar.IsLoading())
    for (double& g : o.m_colorGain)
      if (g > kMaxColorGain) g = 1.0;
  XferAll(ar, {&o.m_packageId, &o.m_cloneOf});
  if (o.m_cloneOf > 0) XferFlips(ar, o);
  if (!ar.XferBlockMarker()) return false;
  ar.Xfer(o.m_shadowOption);
  if (!ar.XferBlockMarker()) return false;
  XferAll(ar, {&o.m_layerScaleX, &o.m_layerScaleY});
  XferAll(ar, {&o.m_layerAngle, &o.m_layerAngle2, &o.m_layerPerspMode});
  XferAll(ar, {&o.m_layerPerspAmount, &o.m_layerOffsetX, &o.m_layerOffsetY});
  if (!ar.XferBlockMarker()) return false;
  ar.Xfer(o.m_opacity);
  for (double& g : o.m_transpGeom) ar.Xfer(g);
  ar.Xfer(o.m_layerTranspMode);
  if (ar.IsStoring()) WriteBitmapBlock(ar, o.m_paintTransp, App().m_compressBitmaps);
  else ReadBitmapBlock(ar, o.m_paintTransp);
  if (!ar.XferBlockMarker()) return false;
  ar.Xfer(o.m_surfaceAmount);
  ar.Xfer(o.m_surfaceScale);
  ar.Xfer(o.m_surfaceMode);
  ar.Xfer(o.m_surfaceName);
  ar.Xfer(o.m_layerFlag);
  int32_t unused[2] = {0, 0};
  XferAll(ar, {&unused[0], &unused[1]});
  if (!ar.XferBlockMarker()) return false;
  ar.Xfer(o.m_bumpAmount);
  ar.Xfer(o.m_bumpScale);
  ar.Xfer(o.m_bumpName);
  ar.Xfer(o.m_bumpMode);
  if (!ar.XferBlockMarker()) return false;
  for (float& v : o.m_perspX) ar.Xfer(v);
  for (float& v : o.m_perspY) ar.Xfer(v);
  if (ar.IsStoring()) ar.WriteEndMarker();
  else ar.ReadU32();  // end marker, not checked
  return true;
}

void CDrawObject::SerializeFields(CArchive& ar, bool recordOnly) {
  const NestingGuard guard;
  XferBase(ar, *this);
  if (ar.IsLoading()) {
    if (!m_layer.IsEmpty()) m_imageWidth = m_layer.Width();
    m_effectDistanceF = m_effectDistance;
    ConvertOldTransparency(*this);
    // A box far larger than any canvas is a damaged record, not a request for a
    // bitmap of gigabytes.
    if (m_width > kMaxStoredBoxSide || m_height > kMaxStoredBoxSide ||
        int64_t(m_width) * m_height > kMaxStoredBoxPixels)
      throw CArchiveException("Object size " + std::to_string(m_width) + " x " + std::to_string(m_height) +
                              " is too large");
  }
  XferBlocks(ar, *this);
  if (ar.IsStoring() || recordOnly) return;
  FinishLoading();
}

void CDrawObject::FinishLoading() {
  m_pendingResize = 0;
  AllocateBitmaps(m_width, m_height);
  SelectFrame(0);
}

}  // namespace tessel
