// ToolValueBar: the property bar of the current tool, its one numeric field with its
// label ("Corners" of the rounded rectangle, "Angles" of the star). Tools without a
// value show the label "No tool options" and no field.
#pragma once

#include <QPointer>
#include <QToolBar>

class QLabel;
class QSpinBox;

namespace tessel {

class DocumentWindow;

class ToolValueBar : public QToolBar {
  Q_OBJECT
 public:
  explicit ToolValueBar(QWidget* parent = nullptr);

  void SetWindow(DocumentWindow* window);
  // Shows the current tool's label and value (a field being edited keeps its text).
  void Refresh();
  QLabel* Label() const { return m_label; }
  QSpinBox* Field() const { return m_field; }

 private:
  // Hands the field's value to the view's current tool.
  void Apply();

  QLabel* m_label;
  QSpinBox* m_field;
  QAction* m_fieldAction;  // shows or hides the field in the bar
  QPointer<DocumentWindow> m_window;
};

}  // namespace tessel
