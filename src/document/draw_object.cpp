#include "document/draw_object.h"

#include <algorithm>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/safe_round.h"

namespace tessel {

namespace {
constexpr int kUidLength = 12;
constexpr int kClosedBorder = 2;
constexpr int kOpenBorder = 12;
constexpr int kSelectionGrow = 3;
constexpr int kOpenVisibleInset = 4;
}  // namespace

std::string GenerateUid() {
  // Every character is a letter: draws below 'A' are folded into 'A'..'x' and the six
  // signs between 'Z' and 'a' are moved up into the lower-case letters.
  std::mt19937& rng = App().Random();
  std::string uid(kUidLength, 'A');
  for (char& c : uid) {
    int r = int(rng() % 122);
    if (r < 65) r = (r % 56) + 65;
    if (r >= 91 && r <= 96) r += 6;
    c = char(r);
  }
  return uid;
}

CDrawObject::CDrawObject() : m_uid(GenerateUid()) { m_font = CLogFont::FromProfile(App().Profile()); }

CDrawObject::~CDrawObject() = default;

CDrawObject& CDrawObject::operator=(const CDrawObject& other) {
  if (this == &other) return *this;
  static_cast<CObjectFields&>(*this) = other;
  m_layer = other.m_layer.Clone();
  m_paintTransp = other.m_paintTransp.Clone();
  return *this;
}

bool CDrawObject::IsClosed() const {
  if (IsPath()) return m_path.m_closed != 0;
  if (IsPolynome()) return m_polynome.m_open == 0;
  return true;
}

bool CDrawObject::HasPerspective() const {
  const CObjectFields identity;
  return m_perspX != identity.m_perspX || m_perspY != identity.m_perspY;
}

std::string CDrawObject::StatusText() const {
  if (IsPath()) return IsClosedPath() ? "Object: Closed Path" : "Object: Opened Path";
  if (IsPolynome()) {
    if (IsText()) return "Object: Text";
    if (IsPolynomeEnvelope()) return "Object: Polynome Envelope";
    return "Object: Polynome";
  }
  if (IsBitmap()) {
    if (IsPackage()) return "Object: Package   < DoubleClick to open and edit the package in a new window>";
    if (IsBitmapEnvelope())
      return "Object: Bitmap Envelope   < DoubleClick to Edit, CTRL & DoubleClick - Preserve Transparency >";
    return "Object: Bitmap    < DoubleClick to Edit, CTRL & DoubleClick - Preserve Transparency >";
  }
  return "Ready.";
}

int CDrawObject::MaskMargin() const {
  if (IsBitmap()) return 0;
  return (IsClosed() ? kClosedBorder : kOpenBorder) * m_renderScale;
}

void CDrawObject::AllocateBitmaps(int width, int height) {
  const int minimum = 2 * MaskMargin();
  width = std::max(width, minimum);
  height = std::max(height, minimum);
  if (width < 1 || height < 1) return;
  if (!CDIBSection::SizeAllowed(width, height, 32)) return;
  m_width = width;
  m_height = height;
  m_bitmap.Create(width, height, 32);
  RenderObject(false, nullptr);
}

void CDrawObject::SetPendingRect(int left, int top, int width, int height) {
  const CRect r = CRect{left, top, left + width, top + height}.Normalized();
  m_pendingRect = {r.left, r.top, r.Width(), r.Height()};
  m_pendingResize = 1;
}

bool CDrawObject::ApplyPendingResize() {
  if (!m_pendingResize) return false;
  m_pendingResize = 0;
  if (m_pendingRect[2] < 1 || m_pendingRect[3] < 1) return false;
  m_left = m_pendingRect[0];
  m_top = m_pendingRect[1];
  AllocateBitmaps(m_pendingRect[2], m_pendingRect[3]);
  return true;
}

CRect CDrawObject::GetSelectionRect() const { return GetBoxRect().Inflated(kSelectionGrow * m_renderScale); }

CRect CDrawObject::GetInnerRect() const { return GetBoxRect().Inflated(-MaskMargin()); }

CRect CDrawObject::GetVisibleRect() const {
  int inset = 0;
  if (!IsBitmap()) inset = IsClosed() ? kClosedBorder * m_renderScale : kOpenVisibleInset;
  return GetBoxRect().Inflated(-inset);
}

void CDrawObject::SetEffectDistance(double softness) {
  m_effectDistanceF = softness;
  m_effectDistance = int32_t(ClampedTrunc(softness, 2147483647.0));  // NaN gives 0, not undefined behaviour
  RenderObject(false, nullptr);
}

void CDrawObject::SetPackageData(std::vector<uint8_t> bytes) {
  m_packageData = std::move(bytes);
  m_packageSize = int32_t(m_packageData.size());
}

}  // namespace tessel
