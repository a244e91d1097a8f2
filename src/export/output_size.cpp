#include "export/output_size.h"

#include <algorithm>

namespace tessel {

namespace {
constexpr double kMaxGrowth = 1.5;
constexpr int kMaxPercent = 150;
constexpr unsigned kLabelAtHundred = 0xC0D0D0;
constexpr unsigned kLabelOther = 0xC0C0D0;
}  // namespace

COutputSize::COutputSize(int sourceWidth, int sourceHeight, bool keepAspect)
    : m_sourceWidth(std::max(sourceWidth, 1)),
      m_sourceHeight(std::max(sourceHeight, 1)),
      m_width(m_sourceWidth),
      m_height(m_sourceHeight),
      m_keepAspect(keepAspect) {}

void COutputSize::Reset() {
  m_width = m_sourceWidth;
  m_height = m_sourceHeight;
  m_widthPercent = m_heightPercent = 100.0;
}

double COutputSize::ShownPercent(int size, int source) {
  return int(double(size) / source * 1000) * 0.1;
}

void COutputSize::Couple(bool widthChanged) {
  if (!m_keepAspect) return;
  if (widthChanged) m_height = int(double(m_sourceHeight) / m_sourceWidth * m_width);
  else m_width = int(double(m_sourceWidth) / m_sourceHeight * m_height);
}

void COutputSize::SetWidth(int w) {
  if (w <= 0) return Reset();
  m_width = std::min(w, int(kMaxGrowth * m_sourceWidth));
  Couple(true);
  m_widthPercent = ShownPercent(m_width, m_sourceWidth);
  m_heightPercent = ShownPercent(m_height, m_sourceHeight);
}

void COutputSize::SetHeight(int h) {
  if (h <= 0) return Reset();
  m_height = std::min(h, int(kMaxGrowth * m_sourceHeight));
  Couple(false);
  m_widthPercent = ShownPercent(m_width, m_sourceWidth);
  m_heightPercent = ShownPercent(m_height, m_sourceHeight);
}

void COutputSize::SetWidthPercent(int p) {
  if (p <= 0) return Reset();
  p = std::min(p, kMaxPercent);
  m_widthPercent = p;
  m_width = int(m_sourceWidth * p * 0.01);
  if (m_keepAspect) m_heightPercent = p;
  Couple(true);
}

void COutputSize::SetHeightPercent(int p) {
  if (p <= 0) return Reset();
  p = std::min(p, kMaxPercent);
  m_heightPercent = p;
  m_height = int(m_sourceHeight * p * 0.01);
  if (m_keepAspect) m_widthPercent = p;
  Couple(false);
}

void COutputSize::SetPreset(int percent) {
  m_width = m_sourceWidth * percent / 100;
  m_height = m_sourceHeight * percent / 100;
  m_widthPercent = ShownPercent(m_width, m_sourceWidth);
  m_heightPercent = ShownPercent(m_height, m_sourceHeight);
}

unsigned COutputSize::PercentLabelColour(double percent) {
  return percent == 100.0 ? kLabelAtHundred : kLabelOther;
}

}  // namespace tessel
