// "Gaussian Blur" and "Gaussian Sharpen (Unsharp Mask)".
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "app/bitmap_dialogs.h"
#include "filters/filter_catalog.h"

namespace tessel {

namespace {
constexpr int kThresholdMax = 255;
constexpr int kAmountMax = 255;
constexpr int kRadiusMax = 100;
constexpr double kRadiusStep = 0.1;
// amount = slider / divisor: up to 1.0 for blur, about 1.99 for sharpen.
constexpr double kBlurAmountDivisor = 255.0;
constexpr double kSharpenAmountDivisor = 128.0;

double AmountDivisor(bool sharpen) { return sharpen ? kSharpenAmountDivisor : kBlurAmountDivisor; }

int ToSlider(double value, double perStep, int max) { return std::clamp(int(std::lround(value / perStep)), 0, max); }

const CFilterEntry& GaussianFilterEntry(bool sharpen) {
  return *FindFilter(sharpen ? "Gaussian Sharpen" : "Gaussian Blur");
}
}  // namespace

GaussianDialog::GaussianDialog(QWidget* parent, CDrawObject& object, bool sharpen, std::function<void()> repaint)
    : FilterPreviewDialog(parent, object, GaussianFilterEntry(sharpen), std::move(repaint)), m_sharpen(sharpen) {
  setWindowTitle(sharpen ? "Gaussian Sharpen (Unsharp Mask)" : "Gaussian Blur");
  setObjectName(sharpen ? "gaussianSharpenDialog" : "gaussianBlurDialog");
  const CGaussianSettings s = LoadGaussianSettings(sharpen);
  const double perAmount = 1.0 / AmountDivisor(sharpen);
  m_threshold = AddSlider("threshold", "Threshold:", 0, kThresholdMax, std::clamp(s.threshold, 0, kThresholdMax),
                          [](int v) { return QString::number(v); });
  m_amount = AddSlider("amount", "Amount:", 0, kAmountMax, ToSlider(s.amount, perAmount, kAmountMax),
                       [perAmount](int v) { return QString::number(v * perAmount, 'f', 2); });
  m_radius = AddSlider("radius", "Radius:", 0, kRadiusMax, ToSlider(s.radius, kRadiusStep, kRadiusMax),
                       [](int v) { return QString::number(v * kRadiusStep, 'f', 1); });
  FinishLayout();
}

CGaussianSettings GaussianDialog::Settings() const {
  CGaussianSettings s;
  s.radius = m_radius->value() * kRadiusStep;
  s.amount = m_amount->value() / AmountDivisor(m_sharpen);
  s.threshold = m_threshold->value();
  return s;
}

std::vector<double> GaussianDialog::Values() const {
  const CGaussianSettings s = Settings();
  return {s.radius, s.amount, double(s.threshold)};
}

void GaussianDialog::OnAccepted() { StoreGaussianSettings(m_sharpen, Settings()); }

}  // namespace tessel
