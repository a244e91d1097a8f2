// Writing SVG: outlines are mapped into the object's box shrunk by its mask margin,
// exactly where the coverage mask draws them, so the file shows the shapes as rendered.
#include "export/svg_export.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/program_constants.h"
#include "base/safe_file.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "geometry/envelope.h"

namespace tessel {

namespace {
constexpr int kEffectSparkle = 10;
constexpr int kOutlineWidthPerPixel = 40;
constexpr double kThousandth = 0.001;
constexpr char kWebAddress[] = "https://github.com/tessel-drawing/tessel";

void Append(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Append(std::string& out, const char* format, ...) {
  char buf[256];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  if (n > 0) out.append(buf, size_t(std::min(n, int(sizeof buf) - 1)));
}

void AppendColour(std::string& out, COLORREF c) {
  Append(out, "#%02x%02x%02x", unsigned(c & 0xFF), unsigned((c >> 8) & 0xFF), unsigned((c >> 16) & 0xFF));
}

bool IsFilled(const CDrawObject& o) {
  if (o.IsPath()) return o.m_path.m_closed != 0;
  if (o.IsPolynome()) return o.m_polynome.m_open == 0;
  return true;
}

// Bezier anchors and controls, rounded to whole pixels as the mask rounds them.
void AppendBezierData(std::string& out, const CDrawObject& o, int m) {
  const CBezier& path = o.m_path;
  const int used = path.UsedPointCount();
  const int w = o.m_width - 2 * m, h = o.m_height - 2 * m;
  const auto pt = [&](int i) {
    const auto& p = path.m_points[size_t(i)];
    Append(out, "%d %d ", CBezier::MapToPixel(p.x, w, o.m_left + m), CBezier::MapToPixel(p.y, h, o.m_top + m));
  };
  out += 'M', pt(0);
  for (int k = 0; k < path.SegmentCount(); ++k) {
    out += 'C', pt(3 * k + 1), pt(3 * k + 2), pt(3 * k + 3 < used ? 3 * k + 3 : 0);
  }
}

// Contours: an island flag starts a new contour, a curve flag a cubic of three points.
void AppendContourData(std::string& out, const CDrawObject& o, int m, bool filled) {
  const CPolynome& poly = o.m_polynome;
  const bool envelope = !IsIdentityEnvelope(poly.m_envelope);
  const double w = std::max(o.m_width - 2 * m, 1), h = std::max(o.m_height - 2 * m, 1);
  const auto pt = [&](size_t i) {
    CPointD p{poly.m_points[i].x, poly.m_points[i].y};
    if (envelope) p = ApplyEnvelope(poly.m_envelope, p);
    Append(out, "%g %g ", o.m_left + m + p.x * kThousandth * w, o.m_top + m + p.y * kThousandth * h);
  };
  const size_t n = poly.m_points.size();
  for (size_t i = 0; i < n;) {
    if (i == 0 || (poly.m_points[i].flag & kPolyIsland)) {
      if (i && filled) out += "z ";  // every contour of a filled set is closed
      out += 'M', pt(i++);
    } else if ((poly.m_points[i].flag & kPolyCurve) && i + 2 < n) {
      out += 'C', pt(i), pt(i + 1), pt(i + 2);
      i += 3;
    } else {
      out += 'L', pt(i++);
    }
  }
}

void AppendStyle(std::string& out, const CDrawObject& o, bool filled) {
  out += "<path style=\"";
  if (filled) {
    out += "fill:", AppendColour(out, o.m_color), out += ';';
    // Contour sets fill by the even-odd rule unless they are combined as a union.
    if (o.IsPolynome() && !o.m_layerFlag) out += " fill-rule:evenodd;";
  } else {
    out += "fill:none;";
  }
  if (o.m_opacity < 255) Append(out, " opacity:%g;", std::max(o.m_opacity, 0) * kInv255);
  if (!filled) {
    // The pen of an open outline is m_lineWidth pixels wide with round ends.
    out += " stroke:", AppendColour(out, o.m_color);
    Append(out, "; stroke-width:%g; stroke-linecap:round; stroke-linejoin:round\" d=\"",
           std::max(double(o.m_lineWidth), 1.0));
  } else if (o.m_outlineType == 0) {
    out += " stroke:none\" d=\"";
  } else {
    out += " stroke:", AppendColour(out, o.m_outlineColor);
    Append(out, "; stroke-width:%d\" d=\"", std::max(o.m_outlineWidth / kOutlineWidthPerPixel, 1));
  }
}

// Moves and scales a package's objects so that their common rectangle fills the box.
void FitIntoBox(std::vector<std::unique_ptr<CDrawObject>>& objects, const CDrawObject& package) {
  CRect bounds;
  for (const auto& o : objects) bounds = bounds.Union(o->GetBoxRect());
  if (bounds.IsEmpty()) return;
  const double scale = double(package.m_height) / bounds.Height();
  for (auto& o : objects) {
    o->m_left = package.m_left + int((o->m_left - bounds.left) * scale);
    o->m_top = package.m_top + int((o->m_top - bounds.top) * scale);
    o->m_width = int(o->m_width * scale);
    o->m_height = int(o->m_height * scale);
  }
}

bool Exported(const CDrawObject& o) { return !o.m_hidden && o.m_effect != kEffectSparkle; }
}  // namespace

std::vector<std::unique_ptr<CDrawObject>> ReadPackageObjects(const std::vector<uint8_t>& bytes) {
  std::vector<std::unique_ptr<CDrawObject>> objects;
  try {
    CArchive ar(bytes);
    const uint32_t count = ar.ReadU32();
    ar.CheckCount(count, 4);
    for (uint32_t i = 0; i < count; ++i) {
      auto o = std::make_unique<CDrawObject>();
      o->SerializeFields(ar, true);
      objects.push_back(std::move(o));
    }
  } catch (const CArchiveException&) {
    objects.clear();
  }
  return objects;
}

std::string SvgPathElement(const CDrawObject& o) {
  const bool path = o.IsPath() && o.m_path.UsedPointCount() > 0;
  const bool contours = o.IsPolynome() && !o.m_polynome.IsEmpty();
  if (!path && !contours) return "";
  const bool filled = IsFilled(o);
  std::string out;
  AppendStyle(out, o, filled);
  if (path) AppendBezierData(out, o, o.MaskMargin());
  else AppendContourData(out, o, o.MaskMargin(), filled);
  out += filled ? "z\"/>\n" : "\"/>\n";
  return out;
}

std::string SvgDocumentText(const CVellumDoc& doc) {
  std::string out = "<?xml version=\"1.0\" standalone=\"yes\"?>\n";
  // The namespace and viewBox make the file SVG to every reader and keep it scalable.
  Append(out, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n",
         doc.m_width, doc.m_height, doc.m_width, doc.m_height);
  out += "<title>Tessel</title>\n";
  const int count = doc.ObjectCount();
  int index = 0, shownPercent = -1;
  for (const auto& o : doc.m_objects) {
    const int percent = 100 * index++ / std::max(count, 1);
    if (percent != shownPercent) {
      App().Messages().Status("Working: " + std::to_string(percent) + "%");
      shownPercent = percent;
    }
    if (!Exported(*o)) continue;
    if (o->IsPackage()) {
      auto inside = ReadPackageObjects(o->m_packageData);
      FitIntoBox(inside, *o);
      for (const auto& p : inside)
        if (Exported(*p) && !p->IsPackage()) out += SvgPathElement(*p);
    } else if (!o->IsBitmap()) {
      out += SvgPathElement(*o);
    }
  }
  out += "<!-- End of Tessel generated image, ";
  out += kWebAddress;
  out += " -->\n</svg>\n";
  return out;
}

bool ExportSvg(const CVellumDoc& doc, const std::string& path, std::string* error) {
  const std::string text = SvgDocumentText(doc);
  if (WriteFileSafely(path, text.data(), text.size(), nullptr)) return true;
  if (error) *error = "Cannot Create " + path;
  return false;
}

}  // namespace tessel
