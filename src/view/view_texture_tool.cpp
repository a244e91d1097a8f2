// The texture size and rotation tool (code 13): four handles that place the current
// object's texture (and its bitmap layer) by origin, main size and angle, second
// axis, and perspective.
#include <cmath>
#include <cstdio>
#include <string>

#include "document/draw_object.h"
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

namespace {
constexpr double kDegreesPerRadian = 57.29577951471995;
constexpr double kSizePerPixel = 0.01;      // a handle 100 pixels from the origin is size 1
constexpr double kZeroScale = 0.01;         // an old scale of 0 counts as this
constexpr char kLayerHint[] = " (ALT to move also Bitmap Layer)";
const char* const kHandleNames[5] = {"", "Move Origin", "Main Size/Angle", "X-Y Adjust", "Perspective"};

enum TextureHandle { kOrigin = 1, kMainSize = 2, kAxisY = 3, kTexPerspective = 4 };

// Textures that are no image (none, or a gradient): their placement applies to the
// bitmap layer as well.
bool HasImageTexture(const CDrawObject& o) {
  const std::string& n = o.m_textureName;
  return !(n.empty() || n == "No Texture.bmp" || n == "Linear Gradient.tmb" || n == "Radial Gradient.tmb" ||
           n == "Burst Gradient.tmb");
}

// The centre K of the selection rectangle.
CPoint TextureCentre(const CDrawObject& o) {
  const CRect r = o.GetSelectionRect();
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Distance (truncated) and angle of the mouse about a centre: the angle is 90 minus the
// screen angle, in degrees.
struct Polar {
  int d;
  double a;
};
Polar PolarAbout(CPoint m, CPoint c) {
  const double dx = m.x - c.x, dy = m.y - c.y;
  return {int(std::hypot(dx, dy)), 90.0 - std::atan2(dy, dx) * kDegreesPerRadian};
}

// The point at distance r and tool angle a (the inverse of PolarAbout).
CPointD AtPolar(CPoint c, double r, double a) {
  const double screen = (90.0 - a) / kDegreesPerRadian;
  return {c.x + r * std::cos(screen), c.y + r * std::sin(screen)};
}

std::string Format(const char* format, double a, double b, double c) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}
}  // namespace

std::vector<CPointD> CVellumView::TextureHandlePoints() const {
  const CDrawObject& o = *m_current;
  const CPoint k = TextureCentre(o);
  const CPoint c{k.x + o.m_texOffsetX, k.y + o.m_texOffsetY};
  std::vector<CPointD> points(5);
  points[kOrigin] = {double(c.x), double(c.y)};
  points[kMainSize] = AtPolar(c, o.m_texScaleX / kSizePerPixel, o.m_texAngle);
  points[kAxisY] = AtPolar(c, o.m_texScaleY / kSizePerPixel, o.m_texAngle2);
  points[kTexPerspective] = AtPolar(c, o.m_texPerspAmount / kSizePerPixel, o.m_texPerspAngle - 90.0);
  return points;
}

void CVellumView::TextureHover(CPoint window) {
  const int handle = m_current ? PlacementHandleAt(window) : kHandleNone;
  if (handle != m_hover) m_host.ShowToolTip(kHandleNames[handle]);
  m_hover = handle;
}

void CVellumView::TextureMove(CPoint m, ViewKeys keys) {
  CDrawObject& o = *m_current;
  const bool angleOnly = keys.shift, sizeOnly = keys.ctrl;
  const bool layer = keys.alt || !HasImageTexture(o) || o.IsPackage();
  const CPoint k = TextureCentre(o);
  const Polar t = PolarAbout(m, {k.x + o.m_texOffsetX, k.y + o.m_texOffsetY});
  const Polar l = PolarAbout(m, k);
  std::string status;
  switch (m_handle) {
    case kOrigin: {
      if (!angleOnly) {
        const int dx = m.x - m_placementLast.x, dy = m.y - m_placementLast.y;
        o.m_texOffsetX += dx;
        o.m_texOffsetY += dy;
        if (layer) {
          o.m_layerOffsetX += dx;
          o.m_layerOffsetY += dy;
        }
      }
      char text[120];
      std::snprintf(text, sizeof text, "Offset: (%d,%d), Bitmap Layer: (%d,%d) ", o.m_texOffsetX, o.m_texOffsetY,
                    int(o.m_layerOffsetX), int(o.m_layerOffsetY));
      status = text;
      break;
    }
    case kMainSize: {
      if (!sizeOnly) {
        o.m_texAngle2 += o.m_texAngle - t.a;
        o.m_texAngle = t.a;
      }
      if (!angleOnly) {
        const double old = o.m_texScaleX == 0 ? kZeroScale : o.m_texScaleX;
        o.m_texScaleX = t.d * kSizePerPixel;
        o.m_texScaleY *= o.m_texScaleX / old;
      }
      if (layer && !sizeOnly) {
        const int angle = int(l.a);
        o.m_layerAngle2 += o.m_layerAngle - angle;  // the second axis keeps its place
        o.m_layerAngle = angle;
      }
      if (layer && !angleOnly) {
        const double old = o.m_layerScaleX == 0 ? kZeroScale : o.m_layerScaleX;
        o.m_layerScaleX = l.d * kSizePerPixel;
        o.m_layerScaleY *= o.m_layerScaleX / old;
      }
      status = Format("Angle: %.3G, Size mg %.3G, Bitmap Layer mg %.3G", t.a, o.m_texScaleX, o.m_layerScaleX);
      break;
    }
    case kAxisY: {
      if (!sizeOnly) o.m_texAngle2 = t.a;
      if (!angleOnly) o.m_texScaleY = t.d * kSizePerPixel;
      if (layer && !sizeOnly) o.m_layerAngle2 = int(l.a);
      if (layer && !angleOnly) o.m_layerScaleY = l.d * kSizePerPixel;
      char text[160];
      std::snprintf(text, sizeof text, "Angle Y: %.3G, Size mg %.3G, Bitmap Layer A; %d, mg %.3G", t.a,
                    o.m_texScaleY, o.m_layerAngle2, o.m_layerScaleY);
      status = text;
      break;
    }
    case kTexPerspective: {
      o.m_texPerspAngle = int(t.a + 90.0);
      o.m_texPerspAmount = t.d * kSizePerPixel;
      if (layer) {
        o.m_layerPerspMode = int(l.a + 90.0);  // the layer's angle measured like the texture's
        o.m_layerPerspAmount = l.d * kSizePerPixel;
      }
      char text[160];
      std::snprintf(text, sizeof text, "Perspective Angle : %.3G, Dist  %.3G, Bitmap Layer A:%d, D:%.3G)",
                    o.m_texPerspAngle, o.m_texPerspAmount, o.m_layerPerspMode, o.m_layerPerspAmount);
      status = text;
      break;
    }
    default: return;
  }
  if (!o.m_layer.IsEmpty() && HasImageTexture(o) && !keys.alt) status += kLayerHint;
  m_host.Status(status);
}

}  // namespace tessel
