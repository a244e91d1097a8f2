// Artistic text objects: live text built from m_text and its conversion to curves.
#include <cmath>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "geometry/text_outline.h"

namespace tessel {

namespace {
constexpr int kBoldWeight = 600;  // a logical font this heavy or heavier asks for a bold face
constexpr double kThousandths = 1000.0;
}  // namespace

bool CDrawObject::CreateText(const std::string& text, const CLogFont& font, double size) {
  TextStyle style;
  style.text = text;
  style.faceName = font.faceName;
  style.bold = m_textBold != 0 || font.weight >= kBoldWeight;
  style.italic = m_textItalic != 0 || font.italic != 0;
  style.size = size;
  style.align = m_textAlign;
  CTextOutline outline;
  std::string error;
  if (!BuildTextOutline(style, outline, &error)) {
    if (!text.empty()) App().Messages().Status(error);
    return false;
  }

  // The drawing rectangle gets whole pixels, so the outline keeps its pixel size:
  // thousandths are taken of the box rounded up, never stretched to fill it.
  const int width = std::max(1, int(std::ceil(outline.m_width)));
  const int height = std::max(1, int(std::ceil(outline.m_height)));
  m_polynome = CPolynome();
  for (const auto& contour : outline.m_contours)
    for (const auto& p : contour)
      m_polynome.m_points.push_back({p.x * kThousandths / width, p.y * kThousandths / height, p.flag});

  m_type = kTypePolynome;
  m_envelope = 1;
  m_name = "Text";
  m_text = text;
  m_font = font;
  m_textSize = size;
  const int border = MaskMargin();
  AllocateBitmaps(width + 2 * border, height + 2 * border);
  return true;
}

void CDrawObject::ConvertTextToCurves() {
  if (!IsText()) return;
  m_envelope = 0;
  m_text.clear();
  // Live text has its own supersampling limits in the mask, so the look may change.
  RenderObject(false, nullptr);
}

}  // namespace tessel
