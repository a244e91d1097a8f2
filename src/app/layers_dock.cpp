// The layers list.
#include "app/layers_dock.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <memory>

#include "app/document_window.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
enum Column { kColumnName = 0, kColumnKind = 1 };
constexpr int kPositionRole = Qt::UserRole;
constexpr char kUnnamed[] = "(unnamed)";
}  // namespace

QString ObjectKindName(const CDrawObject& o) {
  if (o.IsPackage()) return "Package";
  if (o.IsClone()) return "Clone";
  if (o.IsText()) return "Text";
  if (o.IsPolynomeEnvelope()) return "Polynome Envelope";
  if (o.IsPolynome()) return "Polynome";
  if (o.IsBitmapEnvelope()) return "Bitmap Envelope";
  if (o.IsBitmap()) return "Bitmap";
  if (o.IsClosedPath()) return "Closed Path";
  if (o.IsPath()) return "Open Path";
  return "Object";
}

LayersDock::LayersDock(QWidget* parent) : QDockWidget("Layers", parent), m_tree(new QTreeWidget(this)) {
  setObjectName("layersDock");
  m_tree->setColumnCount(2);
  m_tree->setHeaderLabels({"Name", "Kind"});
  m_tree->setRootIsDecorated(false);
  m_tree->setUniformRowHeights(true);
  m_tree->header()->setSectionResizeMode(kColumnName, QHeaderView::Stretch);
  m_tree->header()->setStretchLastSection(false);
  m_tree->header()->setSectionResizeMode(kColumnKind, QHeaderView::ResizeToContents);
  setWidget(m_tree);
  connect(m_tree, &QTreeWidget::itemChanged, this, &LayersDock::OnItemChanged);
  connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { OnItemClicked(item); });
}

void LayersDock::SetWindow(DocumentWindow* window) {
  m_window = window;
  Rebuild();
}

void LayersDock::Rebuild() {
  m_filling = true;
  const int count = m_window ? m_window->Document().ObjectCount() : 0;
  // Rows are reused, so the list keeps its scroll position while the user edits.
  while (m_tree->topLevelItemCount() > count)
    std::unique_ptr<QTreeWidgetItem> gone(m_tree->takeTopLevelItem(m_tree->topLevelItemCount() - 1));
  while (m_tree->topLevelItemCount() < count) {
    auto* item = new QTreeWidgetItem(m_tree);  // the tree owns its items
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  }
  for (int row = 0; row < count; ++row) {
    // Top first: the tail of the object list is drawn last.
    const int pos = count - 1 - row;
    const CDrawObject* o = m_window->Document().ObjectAt(pos);
    QTreeWidgetItem* item = m_tree->topLevelItem(row);
    item->setText(kColumnName, o->m_name.empty() ? kUnnamed : QString::fromStdString(o->m_name));
    item->setText(kColumnKind, ObjectKindName(*o));
    item->setData(kColumnName, kPositionRole, pos);
    item->setCheckState(kColumnName, o->m_hidden ? Qt::Unchecked : Qt::Checked);
  }
  m_filling = false;
  SyncSelection();
}

void LayersDock::SyncSelection() {
  if (!m_window) return;
  const CDrawObject* current = m_window->View().CurrentObject();
  const int pos = current ? m_window->Document().Position(current) : -1;
  const int row = pos < 0 ? -1 : m_window->Document().ObjectCount() - 1 - pos;
  m_filling = true;
  m_tree->setCurrentItem(row >= 0 && row < m_tree->topLevelItemCount() ? m_tree->topLevelItem(row) : nullptr);
  m_filling = false;
}

CDrawObject* LayersDock::ObjectOfRow(int row) const {
  if (!m_window || row < 0 || row >= m_tree->topLevelItemCount()) return nullptr;
  return m_window->Document().ObjectAt(m_tree->topLevelItem(row)->data(kColumnName, kPositionRole).toInt());
}

void LayersDock::OnItemChanged(QTreeWidgetItem* item, int column) {
  if (m_filling || column != kColumnName || !m_window) return;
  CDrawObject* o = ObjectOfRow(m_tree->indexOfTopLevelItem(item));
  if (!o) return;
  const int hidden = item->checkState(kColumnName) == Qt::Checked ? 0 : 1;
  if (o->m_hidden == hidden) return;
  o->m_hidden = hidden;
  CVellumDoc& doc = m_window->Document();
  doc.SaveUndo();
  doc.m_modified = true;
  m_window->NoteEdits();
  m_window->RepaintAll();
  emit edited();
}

void LayersDock::OnItemClicked(QTreeWidgetItem* item) {
  if (!m_window) return;
  CDrawObject* o = ObjectOfRow(m_tree->indexOfTopLevelItem(item));
  if (!o) return;
  CVellumView& view = m_window->View();
  view.SelectObject(o);
  // The next press in the view keeps this object even where another lies above it.
  view.SetKeepCurrent(true);
  view.UpdateStatusForCurrent();
  m_window->RepaintAll();
  emit edited();
}

}  // namespace tessel
