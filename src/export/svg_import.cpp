// SVG import with expat: a stack of inherited style states follows the element tree;
// each shape element becomes one object as soon as its start tag is read.
#include "export/svg_import.h"

#include <expat.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/svg_path_data.h"
#include "export/svg_values.h"

namespace tessel {

namespace {
constexpr double kKappa = 0.5522847498;  // control distance of a quarter-circle cubic
constexpr double kMaxCoordinate = 1e6;
constexpr double kDefaultFontSize = 16;
constexpr int kOutlineWidthPerPixel = 40;  // outline width units per stroke pixel
constexpr int kSolidOutline = 1;
constexpr double kMaxStrokePixels = 1000;

// Elements whose contents are never drawn where they stand.
constexpr const char* kSkippedElements[] = {"defs", "symbol", "clipPath", "mask", "pattern", "marker",
                                            "style", "script", "metadata", "title", "desc"};

struct StyleState {
  bool fillOn = true;
  COLORREF fill = 0;
  bool strokeOn = false;
  COLORREF stroke = 0;
  double strokeWidth = 1;  // the SVG default
  double opacity = 1, fillOpacity = 1, strokeOpacity = 1;
  bool evenOdd = false;
  std::string font = "Arial";
  double fontSize = kDefaultFontSize;
  CSvgTransform toCanvas;  // user units of the element to canvas pixels
};

using Attributes = const XML_Char**;

std::optional<std::string> Attr(Attributes atts, const char* name) {
  for (int i = 0; atts[i]; i += 2)
    if (std::strcmp(atts[i], name) == 0) return std::string(atts[i + 1]);
  return std::nullopt;
}
double NumberAttr(Attributes atts, const char* name, double fallback = 0) {
  const auto v = Attr(atts, name);
  const auto n = v ? SvgLength(*v) : std::nullopt;
  return n ? *n : fallback;
}

std::string LocalName(const char* name) {
  const char* colon = std::strrchr(name, ':');
  return colon ? colon + 1 : name;
}

std::string FirstFamily(const std::string& families) {
  std::string f = families.substr(0, families.find(','));
  f.erase(std::remove_if(f.begin(), f.end(), [](char c) { return c == '"' || c == '\''; }), f.end());
  const auto b = f.find_first_not_of(' ');
  f = b == std::string::npos ? "" : f.substr(b, f.find_last_not_of(' ') - b + 1);
  return f.substr(0, CLogFont::kFaceNameMax);
}

// One style property, read from the style text first, else from its attribute.
std::optional<std::string> Property(Attributes atts, const std::optional<std::string>& style, const char* name) {
  if (style)
    if (auto v = SvgStyleProperty(*style, name)) return v;
  return Attr(atts, name);
}

void ApplyStyle(StyleState& s, Attributes atts) {
  const auto style = Attr(atts, "style");
  if (auto v = Property(atts, style, "fill")) {
    const auto c = SvgColour(*v);
    s.fillOn = c.has_value();
    if (c) s.fill = *c;
  }
  if (auto v = Property(atts, style, "stroke")) {
    const auto c = SvgColour(*v);
    s.strokeOn = c.has_value();
    if (c) s.stroke = *c;
  }
  if (auto v = Property(atts, style, "stroke-width"))
    if (auto n = SvgLength(*v)) s.strokeWidth = *n;
  const auto fraction = [](const std::string& v) { return std::clamp(SvgNumber(v).value_or(1.0), 0.0, 1.0); };
  if (auto v = Property(atts, style, "opacity")) s.opacity *= fraction(*v);
  if (auto v = Property(atts, style, "fill-opacity")) s.fillOpacity = fraction(*v);
  if (auto v = Property(atts, style, "stroke-opacity")) s.strokeOpacity = fraction(*v);
  if (auto v = Property(atts, style, "fill-rule")) s.evenOdd = v->find("evenodd") != std::string::npos;
  if (auto v = Property(atts, style, "font-family")) s.font = FirstFamily(*v);
  if (auto v = Property(atts, style, "font-size"))
    if (auto n = SvgLength(*v); n && *n > 0) s.fontSize = *n;
  if (auto t = Attr(atts, "transform")) s.toCanvas = s.toCanvas.Then(SvgTransformList(*t));
}

class SvgReader {
 public:
  CSvgImport Read(const std::string& text);

 private:
  static void XMLCALL OnStart(void* self, const XML_Char* name, Attributes atts) {
    static_cast<SvgReader*>(self)->Guarded([&](SvgReader& r) { r.Start(LocalName(name), atts); });
  }
  static void XMLCALL OnEnd(void* self, const XML_Char*) {
    static_cast<SvgReader*>(self)->Guarded([](SvgReader& r) { r.End(); });
  }
  static void XMLCALL OnText(void* self, const XML_Char* s, int len) {
    auto* r = static_cast<SvgReader*>(self);
    if (r->m_inText && !r->m_skipDepth) r->m_text.append(s, size_t(len));
  }
  // No exception may cross expat's C frames: a failure stops the parser instead.
  template <class F>
  void Guarded(F f) {
    try {
      f(*this);
    } catch (const std::exception& e) {
      m_failure = std::string("The SVG file could not be read: ") + e.what();
      XML_StopParser(m_parser, XML_FALSE);
    }
  }

  void Start(const std::string& name, Attributes atts);
  void End();
  void ReadRoot(Attributes atts);
  // A new object with the look of s; filled picks fill or stroke settings.
  std::unique_ptr<CDrawObject> NewObject(const StyleState& s, bool filled) const;
  // Keeps o when its creator made it, else drops it.
  void Keep(std::unique_ptr<CDrawObject> o, bool made);
  // True when the canvas rectangle may become a shape; counts the refusals.
  bool Fits(double x0, double y0, double x1, double y1);
  void AddBox(const std::string& kind, const StyleState& s, double x, double y, double w, double h);
  void AddPolyline(const StyleState& s, std::vector<CPointD> pts, bool polygon, const char* name);
  void AddPath(const StyleState& s, const std::string& d);
  void AddText(const StyleState& s);

  XML_Parser m_parser = nullptr;
  std::vector<StyleState> m_stack;
  int m_skipDepth = 0;
  bool m_sawRoot = false;
  bool m_inText = false;
  size_t m_textDepth = 0;  // stack size while the text element is open
  std::string m_text;
  StyleState m_textStyle;
  double m_textX = 0, m_textY = 0;
  std::string m_failure;
  CSvgImport m_result;
};

void SvgReader::ReadRoot(Attributes atts) {
  StyleState root;
  // A missing or relative size reads as 0 and is then taken from the viewBox.
  const auto length = [&](const char* name) {
    const auto v = Attr(atts, name);
    return v ? SvgLength(*v).value_or(0.0) : 0.0;
  };
  const double w = length("width"), h = length("height");
  const auto vb = SvgNumbers(Attr(atts, "viewBox").value_or(""));
  const bool hasViewBox = vb.size() == 4 && vb[2] > 0 && vb[3] > 0;
  m_result.width = w != 0 || !hasViewBox ? w : vb[2];
  m_result.height = h != 0 || !hasViewBox ? h : vb[3];
  if (hasViewBox) {
    root.toCanvas.sx = w > 0 ? w / vb[2] : 1.0;
    root.toCanvas.sy = h > 0 ? h / vb[3] : 1.0;
    root.toCanvas.tx = -vb[0] * root.toCanvas.sx;
    root.toCanvas.ty = -vb[1] * root.toCanvas.sy;
  }
  m_stack.push_back(root);
}

void SvgReader::Start(const std::string& name, Attributes atts) {
  if (m_skipDepth) {
    ++m_skipDepth;
    return;
  }
  for (const char* skipped : kSkippedElements)
    if (name == skipped) {
      m_skipDepth = 1;
      return;
    }
  if (!m_sawRoot) {
    if (name != "svg") {
      m_failure = "The file holds no SVG drawing";
      XML_StopParser(m_parser, XML_FALSE);
      return;
    }
    m_sawRoot = true;
    ReadRoot(atts);
  } else {
    m_stack.push_back(m_stack.back());
  }
  StyleState& s = m_stack.back();
  ApplyStyle(s, atts);
  if (name == "rect") {
    AddBox("Rectangle", s, NumberAttr(atts, "x"), NumberAttr(atts, "y"), NumberAttr(atts, "width"),
           NumberAttr(atts, "height"));
  } else if (name == "ellipse" || name == "circle") {
    double rx = NumberAttr(atts, "rx", NumberAttr(atts, "major") / 2);
    double ry = NumberAttr(atts, "ry", NumberAttr(atts, "minor") / 2);
    if (name == "circle") rx = ry = NumberAttr(atts, "r");
    const double cx = NumberAttr(atts, "cx"), cy = NumberAttr(atts, "cy");
    AddBox("Circle", s, cx - rx, cy - ry, 2 * rx, 2 * ry);
  } else if (name == "line") {
    StyleState line = s;
    line.fillOn = false;
    AddPolyline(line, {{NumberAttr(atts, "x1"), NumberAttr(atts, "y1")}, {NumberAttr(atts, "x2"), NumberAttr(atts, "y2")}},
                false, "Line");
  } else if (name == "polygon" || name == "polyline") {
    const auto n = SvgNumbers(Attr(atts, "points").value_or(""));
    std::vector<CPointD> pts;
    for (size_t i = 0; i + 1 < n.size(); i += 2) pts.push_back({n[i], n[i + 1]});
    AddPolyline(s, std::move(pts), name == "polygon", s.fillOn ? "Polygon" : "Polyline");
  } else if (name == "path") {
    AddPath(s, Attr(atts, "d").value_or(""));
  } else if (name == "text") {
    m_inText = true;
    m_textDepth = m_stack.size();
    m_text.clear();
    m_textStyle = s;
    m_textX = NumberAttr(atts, "x");
    m_textY = NumberAttr(atts, "y");
  }
}

void SvgReader::End() {
  if (m_skipDepth) {
    --m_skipDepth;
    return;
  }
  if (m_inText && m_stack.size() == m_textDepth) {
    m_inText = false;
    AddText(m_textStyle);
  }
  if (!m_stack.empty()) m_stack.pop_back();
}

std::unique_ptr<CDrawObject> SvgReader::NewObject(const StyleState& s, bool filled) const {
  auto o = std::make_unique<CDrawObject>();
  o->m_color = filled ? s.fill : s.stroke;
  o->m_opacity = int(std::lround(255 * s.opacity * (filled ? s.fillOpacity : s.strokeOpacity)));
  const double strokePixels = std::clamp(s.strokeWidth * std::fabs(s.toCanvas.sx), 1.0, kMaxStrokePixels);
  if (filled && s.strokeOn && s.strokeWidth > 0) {
    o->m_outlineType = kSolidOutline;
    o->m_outlineColor = s.stroke;
    o->m_outlineWidth = int(strokePixels * kOutlineWidthPerPixel);
  } else if (!filled) {
    o->m_outlineType = 0;
    o->m_lineWidth = int(std::lround(strokePixels));
  }
  o->m_layerFlag = s.evenOdd ? 0 : 1;
  return o;
}

void SvgReader::Keep(std::unique_ptr<CDrawObject> o, bool made) {
  if (made) m_result.objects.push_back(std::move(o));
}

bool SvgReader::Fits(double x0, double y0, double x1, double y1) {
  const bool ok = std::fabs(x0) < kMaxCoordinate && std::fabs(y0) < kMaxCoordinate && std::fabs(x1) < kMaxCoordinate &&
                  std::fabs(y1) < kMaxCoordinate && std::fabs(x1 - x0) <= kSvgMaxShapeSide &&
                  std::fabs(y1 - y0) <= kSvgMaxShapeSide;
  if (!ok) ++m_result.skipped;
  return ok;
}

// Rectangles and ellipses: filled ones by the shape creators, outlines as open paths.
void SvgReader::AddBox(const std::string& kind, const StyleState& s, double x, double y, double w, double h) {
  if (w <= 0 || h <= 0 || (!s.fillOn && !s.strokeOn)) return;
  const CSvgTransform& t = s.toCanvas;
  const double x0 = std::min(t.X(x), t.X(x + w)), x1 = std::max(t.X(x), t.X(x + w));
  const double y0 = std::min(t.Y(y), t.Y(y + h)), y1 = std::max(t.Y(y), t.Y(y + h));
  if (!Fits(x0, y0, x1, y1)) return;
  auto o = NewObject(s, s.fillOn);
  if (s.fillOn) {
    const int l = int(std::lround(x0)), tp = int(std::lround(y0)), r = int(std::lround(x1)), b = int(std::lround(y1));
    if (kind == "Rectangle") o->CreateRectangle(l, tp, r, b);
    else o->CreateCircle(l, tp, r, b);
    const bool made = o->m_width > 0;
    Keep(std::move(o), made);
    return;
  }
  std::vector<CPointD> pts;
  if (kind == "Rectangle") {
    const CPointD c[4] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    for (int i = 0; i <= 4; ++i) {
      pts.push_back(c[i % 4]);
      if (i < 4) pts.push_back(c[i % 4]), pts.push_back(c[(i + 1) % 4]);
    }
  } else {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, rx = (x1 - x0) / 2, ry = (y1 - y0) / 2;
    const double kx = kKappa * rx, ky = kKappa * ry;
    // Four quarter arcs clockwise from the top, the start repeated to close the outline.
    const CPointD p[13] = {{cx, y0},      {cx + kx, y0},  {x1, cy - ky}, {x1, cy}, {x1, cy + ky},
                           {cx + kx, y1}, {cx, y1},       {cx - kx, y1}, {x0, cy + ky}, {x0, cy},
                           {x0, cy - ky}, {cx - kx, y0},  {cx, y0}};
    pts.assign(std::begin(p), std::end(p));
  }
  const bool made = o->CreatePath(pts, false);
  o->m_name = kind;
  Keep(std::move(o), made);
}

// Straight segments as Bezier triples: anchor, anchor, next anchor.
void SvgReader::AddPolyline(const StyleState& s, std::vector<CPointD> in, bool polygon, const char* name) {
  const bool filled = s.fillOn;
  if (in.size() < 2 || (!filled && !s.strokeOn)) return;
  if (!filled && polygon) in.push_back(in.front());
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  for (auto& p : in) {
    p = {s.toCanvas.X(p.x), s.toCanvas.Y(p.y)};
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  if (!Fits(x0, y0, x1, y1)) return;
  std::vector<CPointD> pts;
  const size_t n = in.size();
  const size_t segments = filled ? n : n - 1;
  for (size_t i = 0; i < segments; ++i) pts.insert(pts.end(), {in[i], in[i], in[(i + 1) % n]});
  if (!filled) pts.push_back(in.back());
  auto o = NewObject(s, filled);
  const bool made = o->CreatePath(pts, filled);
  o->m_name = name;
  Keep(std::move(o), made);
}

// Path data becomes a contour set in thousandths of its bounds.
void SvgReader::AddPath(const StyleState& s, const std::string& d) {
  std::vector<CSvgPoint> pts = ParsePathData(d);
  if (pts.empty() || (!s.fillOn && !s.strokeOn)) return;
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  for (auto& p : pts) {
    p.x = s.toCanvas.X(p.x), p.y = s.toCanvas.Y(p.y);
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  if (!Fits(x0, y0, x1, y1)) return;
  const int left = int(std::floor(x0)), top = int(std::floor(y0));
  const int w = std::max(int(std::ceil(x1)) - left, 1), h = std::max(int(std::ceil(y1)) - top, 1);
  auto o = NewObject(s, s.fillOn);
  o->m_type = kTypePolynome;
  o->m_name = "Polynome";
  o->m_polynome.m_open = s.fillOn ? 0 : 1;
  int curveIndex = 0;
  for (const auto& p : pts) {
    uint8_t flag = 0;
    if (p.type == kSvgMove) flag = kPolyIsland;
    if (p.type == kSvgCurve && curveIndex++ % 3 == 0) flag = kPolyCurve;
    if (p.type != kSvgCurve) curveIndex = 0;
    o->m_polynome.m_points.push_back({(p.x - left) * 1000.0 / w, (p.y - top) * 1000.0 / h, flag});
  }
  const int m = o->MaskMargin();
  o->m_left = left - m, o->m_top = top - m;
  o->AllocateBitmaps(w + 2 * m, h + 2 * m);
  Keep(std::move(o), true);
}

void SvgReader::AddText(const StyleState& s) {
  const auto b = m_text.find_first_not_of(" \t\r\n");
  if (b == std::string::npos || !s.fillOn) return;
  const std::string text = m_text.substr(b, m_text.find_last_not_of(" \t\r\n") - b + 1);
  const double size = s.fontSize * std::fabs(s.toCanvas.sy);
  const double x = s.toCanvas.X(m_textX), y = s.toCanvas.Y(m_textY);
  if (size < 1 || !Fits(x, y - size, x + size, y)) return;
  auto o = NewObject(s, true);
  CLogFont font = o->m_font;
  font.faceName = s.font.empty() ? "Arial" : s.font;
  o->m_left = int(std::lround(x));
  o->m_top = int(std::lround(y - size));  // y is the baseline; the box starts a line above
  const bool made = o->CreateText(text, font, size);
  Keep(std::move(o), made);
}

CSvgImport SvgReader::Read(const std::string& text) {
  App().Messages().Status("Wait... loading fields");
  if (text.find("<?xml") == std::string::npos) {
    m_result.error = "Couldn't find XML header";
    return std::move(m_result);
  }
  App().Messages().Status("SVG Import");
  std::unique_ptr<std::remove_pointer_t<XML_Parser>, void (*)(XML_Parser)> parser(XML_ParserCreate(nullptr),
                                                                                 XML_ParserFree);
  if (!parser) {
    m_result.error = "Not enough memory";
    return std::move(m_result);
  }
  m_parser = parser.get();
  XML_SetUserData(m_parser, this);
  XML_SetElementHandler(m_parser, OnStart, OnEnd);
  XML_SetCharacterDataHandler(m_parser, OnText);
  XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
  const bool parsed = XML_Parse(m_parser, text.data(), int(text.size()), XML_TRUE) == XML_STATUS_OK;
  if (!m_failure.empty()) {
    m_result.error = m_failure;
  } else if (!parsed) {
    m_result.error = std::string("The SVG file is not valid XML: ") + XML_ErrorString(XML_GetErrorCode(m_parser)) +
                     " (line " + std::to_string(XML_GetCurrentLineNumber(m_parser)) + ")";
  } else {
    m_result.ok = true;
  }
  if (!m_result.ok) m_result.objects.clear();
  return std::move(m_result);
}
}  // namespace

CSvgImport ReadSvgText(const std::string& text) {
  if (text.size() > kSvgMaxFileBytes) {
    CSvgImport r;
    r.error = "The SVG file is too large";
    return r;
  }
  return SvgReader().Read(text);
}

bool ImportSvg(const std::string& path, CVellumDoc& doc, bool fitCanvas, int* count, std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return fail("Cannot open " + path);
  const auto size = in.tellg();
  if (size < 0 || uint64_t(size) > kSvgMaxFileBytes) return fail("The SVG file is too large: " + path);
  std::string text(size_t(size), '\0');
  in.seekg(0);
  if (!in.read(text.data(), size)) return fail("Cannot read " + path);
  CSvgImport svg = ReadSvgText(text);
  if (!svg.ok) return fail(svg.error);
  if (fitCanvas) {
    const double w = std::ceil(svg.width), h = std::ceil(svg.height);
    const std::string refusal = CVellumDoc::CheckCanvasSize(int64_t(std::clamp(w, -1.0, 1e9)), int64_t(std::clamp(h, -1.0, 1e9)));
    if (!refusal.empty()) {
      char size[64];
      std::snprintf(size, sizeof size, "%g x %g", svg.width, svg.height);
      return fail("The SVG drawing is " + std::string(size) + " pixels. " + refusal);
    }
    doc.SetCanvasSize(int64_t(w), int64_t(h), doc.m_background);
  }
  if (svg.skipped)
    App().Messages().Status(std::to_string(svg.skipped) + " shapes larger than " + std::to_string(kSvgMaxShapeSide) +
                            " pixels were left out");
  if (count) *count = int(svg.objects.size());
  for (auto& o : svg.objects) doc.AddObject(std::move(o));
  return true;
}

}  // namespace tessel
