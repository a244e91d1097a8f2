// The object bar.
#include "app/object_bar.h"

#include <QLabel>
#include <QSpinBox>

#include "app/document_window.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kCoordinateLimit = 100000;
constexpr const char* kFieldLabels[] = {" X ", " Y ", " W ", " H "};
}  // namespace

ObjectBar::ObjectBar(QWidget* parent) : QToolBar("Object", parent) {
  setObjectName("objectBar");
  for (int f = 0; f < kFieldCount; ++f) {
    addWidget(new QLabel(kFieldLabels[f], this));
    auto* box = new QSpinBox(this);
    const bool size = f == kW || f == kH;
    box->setRange(size ? 1 : -kCoordinateLimit, kCoordinateLimit);
    box->setKeyboardTracking(false);
    box->setToolTip(size ? (f == kW ? "Width" : "Height") : (f == kX ? "Left" : "Top"));
    m_fields[f] = box;
    addWidget(box);
    connect(box, &QSpinBox::editingFinished, this, [this, f] { Apply(Field(f)); });
  }
  setEnabled(false);
}

void ObjectBar::SetWindow(DocumentWindow* window) {
  m_window = window;
  Refresh();
}

void ObjectBar::Refresh() {
  const CDrawObject* o = m_window ? m_window->View().CurrentObject() : nullptr;
  setEnabled(o != nullptr);
  if (!o) return;
  const int values[kFieldCount] = {o->m_left, o->m_top, o->m_width, o->m_height};
  for (int f = 0; f < kFieldCount; ++f) {
    if (m_fields[f]->hasFocus()) continue;
    const QSignalBlocker block(m_fields[f]);
    m_fields[f]->setValue(values[f]);
  }
}

void ObjectBar::Apply(Field field) {
  CDrawObject* o = m_window ? m_window->View().CurrentObject() : nullptr;
  if (!o) return;
  const int value = m_fields[field]->value();
  const int current[kFieldCount] = {o->m_left, o->m_top, o->m_width, o->m_height};
  if (value == current[field]) return;
  if (field == kX || field == kY) {
    o->SetPosition(field == kX ? value : o->m_left, field == kY ? value : o->m_top);
  } else {
    o->SetPendingRect(o->m_left, o->m_top, field == kW ? value : o->m_width, field == kH ? value : o->m_height);
    o->ApplyPendingResize();
  }
  CVellumDoc& doc = m_window->Document();
  doc.SaveUndo();
  m_window->NoteEdits();
  m_window->RepaintAll();
  Refresh();
  emit edited();
}

}  // namespace tessel
