// The tool property bar.
#include "app/tool_value_bar.h"

#include <QAction>
#include <QLabel>
#include <QSpinBox>

#include "app/document_window.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kMaxToolValue = 10000;
constexpr int kMinStarPoints = 3;  // a star needs three points
constexpr int kMaxStarPoints = 100;
constexpr char kStarLabel[] = "Angles";
constexpr char kNoOptions[] = "No tool options";
}  // namespace

ToolValueBar::ToolValueBar(QWidget* parent) : QToolBar("Tool Options", parent) {
  setObjectName("toolValueBar");
  m_label = new QLabel(kNoOptions, this);
  m_label->setObjectName("toolValueLabel");
  addWidget(m_label);
  m_field = new QSpinBox(this);
  m_field->setObjectName("toolValue");
  m_field->setRange(0, kMaxToolValue);
  m_field->setKeyboardTracking(false);
  m_fieldAction = addWidget(m_field);
  connect(m_field, qOverload<int>(&QSpinBox::valueChanged), this, [this] { Apply(); });
  Refresh();
}

void ToolValueBar::SetWindow(DocumentWindow* window) {
  m_window = window;
  Refresh();
}

void ToolValueBar::Refresh() {
  const std::string label = m_window ? m_window->View().ToolValueLabel() : std::string();
  m_label->setText(label.empty() ? QString(kNoOptions) : QString::fromStdString(label) + ": ");
  m_field->setEnabled(!label.empty());
  m_fieldAction->setVisible(!label.empty());
  if (label.empty() || m_field->hasFocus()) return;
  const QSignalBlocker block(m_field);
  if (label == kStarLabel)
    m_field->setRange(kMinStarPoints, kMaxStarPoints);
  else
    m_field->setRange(0, kMaxToolValue);
  m_field->setValue(m_window->View().ToolValue());
}

void ToolValueBar::Apply() {
  if (m_window && !m_window->View().ToolValueLabel().empty()) m_window->View().SetToolValue(m_field->value());
}

}  // namespace tessel
