// Canvas size, trimming and cropping, guidelines, and the password of the notes.
#include "base/app_context.h"
#include "base/profile.h"
#include "document/blueprint.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
constexpr uint32_t kMaxCanvasWidth = 1800;
constexpr uint32_t kMaxCanvasHeight = 1500;
constexpr int kMinTrimmedSize = 5;
constexpr int kDefaultPadding = 15;
constexpr char kTooSmall[] = "Canvas would be smaller than 5 pixels in a direction...Canceling...";
}  // namespace

std::string CVellumDoc::CheckCanvasSize(int64_t width, int64_t height) {
  // Compared as unsigned numbers: a negative entry counts as too large.
  if (uint32_t(width) > kMaxCanvasWidth || uint32_t(height) > kMaxCanvasHeight || width > kMaxCanvasWidth ||
      height > kMaxCanvasHeight)
    return "The maximum size allowed is 1800 x 1500";
  if (width < 1 || height < 1) return "The size must be bigger than 0 in both directions.";
  return "";
}

std::string CVellumDoc::SetCanvasSize(int64_t width, int64_t height, COLORREF background) {
  std::string refusal = CheckCanvasSize(width, height);
  if (!refusal.empty()) return refusal;
  m_width = int32_t(width);
  m_height = int32_t(height);
  m_background = background;
  CenterBlueprint(*this);
  m_modified = true;
  return "";
}

std::string CVellumDoc::ChangeCanvas(int dx, int dy, int width, int height) {
  std::string refusal = CheckCanvasSize(width, height);
  if (!refusal.empty()) return refusal;
  for (auto& o : m_objects) o->SetPosition(o->m_left - dx, o->m_top - dy);
  // What lies on the canvas next to the objects keeps its place relative to them.
  for (CGroup& g : m_groups) g.rect = g.rect.Offset(-dx, -dy);
  for (int32_t& x : m_guidesV) x -= dx;
  for (int32_t& y : m_guidesH) y -= dy;
  m_blueprintX -= dx;
  m_blueprintY -= dy;
  if (m_cropSet) m_crop = m_crop.Offset(-dx, -dy);
  m_width = width;
  m_height = height;
  m_modified = true;
  return "";
}

namespace {
// Makes rect the canvas and moves everything by the same offset.
std::string FitCanvasTo(CVellumDoc& doc, const CRect& rect) {
  if (rect.Width() < kMinTrimmedSize || rect.Height() < kMinTrimmedSize) return kTooSmall;
  return doc.ChangeCanvas(rect.left, rect.top, rect.Width(), rect.Height());
}
}  // namespace

std::string CVellumDoc::TrimCanvas(bool withPadding) {
  if (m_objects.empty()) return "There are no objects on the canvas...";
  // Each rectangle is grown before the union, so that an object too thin to have a
  // visible rectangle of its own still counts once padded.
  const int padding = withPadding ? App().Profile().GetInt("Settings", "Padding", kDefaultPadding) : 0;
  CRect area;
  for (const auto& o : m_objects) area = area.Union(o->GetVisibleRect().Inflated(padding));
  return FitCanvasTo(*this, area);
}

std::string CVellumDoc::CropCanvas() {
  if (!m_cropSet)
    return "First you have to draw a Crop Rectangle with the Export Crop tool and then you can Crop Canvas...\n"
           "Note: It is not necessary to crop the Canvas if you need to just Export some part of the image.\n"
           "Just draw the crop rectangle with the Export Crop tool and then go directly to File-Export.";
  std::string refusal = FitCanvasTo(*this, m_crop.Normalized());
  if (!refusal.empty()) return refusal;
  m_crop = CRect();
  m_cropSet = 0;
  return "";
}

void CVellumDoc::SetGuidelines(std::vector<int32_t> vertical, std::vector<int32_t> horizontal, int gridDistance) {
  m_guidesV = std::move(vertical);
  m_guidesH = std::move(horizontal);
  m_gridDistance = gridDistance;
  m_modified = true;
}

bool CVellumDoc::PasswordOf(const std::string& rights, std::string* password) {
  const size_t at = rights.find("PWD:");
  if (at == std::string::npos) return false;
  std::string rest = rights.substr(at + 4);
  const size_t lock = rest.find("LOCK:");
  if (lock != std::string::npos) rest.resize(lock);
  if (password) *password = rest;
  return true;
}

}  // namespace tessel
