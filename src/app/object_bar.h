// ObjectBar: the position and size of the current object as four fields (X, Y, W, H).
// Editing a field moves or resizes the object, repaints and records one undo step. The
// bar is disabled while there is no current object.
#pragma once

#include <QPointer>
#include <QToolBar>

class QSpinBox;

namespace tessel {

class DocumentWindow;

class ObjectBar : public QToolBar {
  Q_OBJECT
 public:
  explicit ObjectBar(QWidget* parent = nullptr);

  void SetWindow(DocumentWindow* window);
  // Shows the current object's box (fields being edited keep their text).
  void Refresh();
  enum Field { kX, kY, kW, kH, kFieldCount };
  QSpinBox* FieldBox(Field field) const { return m_fields[field]; }
  // Applies the value of one field to the current object.
  void Apply(Field field);

 signals:
  void edited();

 private:
  QSpinBox* m_fields[kFieldCount];
  QPointer<DocumentWindow> m_window;
};

}  // namespace tessel
