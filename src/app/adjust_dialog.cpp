// "Brightness and Contrast" and "Hue/Saturation": one slider per filter parameter.
#include <QSlider>
#include <cmath>

#include "app/bitmap_dialogs.h"
#include "filters/filter_catalog.h"

namespace tessel {

AdjustDialog::AdjustDialog(QWidget* parent, const QString& title, CDrawObject& object, const CFilterEntry& filter,
                           std::function<void()> repaint)
    : FilterPreviewDialog(parent, object, filter, std::move(repaint)) {
  setWindowTitle(title);
  setObjectName(QString::fromStdString(filter.key) + "Dialog");
  for (const CFilterParam& p : filter.params)
    m_sliders.push_back(AddSlider(p.key.c_str(), QString::fromStdString(p.label) + ":", int(std::lround(p.lo)),
                                  int(std::lround(p.hi)), int(std::lround(p.def)),
                                  [](int v) { return QString::number(v); }));
  FinishLayout();
}

std::vector<double> AdjustDialog::Values() const {
  std::vector<double> values;
  for (const QSlider* slider : m_sliders) values.push_back(slider->value());
  return values;
}

}  // namespace tessel
