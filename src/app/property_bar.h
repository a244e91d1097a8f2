// PropertyBar: a dockable bar of controls, each showing and editing one look field of
// the active document's selection, or of new objects while nothing is selected. A
// control reads its value from the object the view's LookTarget names (or DefaultLook)
// and writes it through CVellumView::EditLook, so every change re-renders the objects
// and records one undo step. Sliders preview live while dragged (PreviewLook) and
// commit on release.
#pragma once

#include <QDockWidget>
#include <QPointer>
#include <functional>
#include <initializer_list>
#include <vector>

#include "app/document_follower.h"
#include "app/qt_colour.h"
#include "document/object_fields.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;

namespace tessel {

class CDrawObject;
class CVellumView;
class DocumentWindow;
class MainWindow;

class PropertyBar : public QDockWidget, public IDocumentFollower {
  Q_OBJECT
 public:
  // A bar titled title; objectName identifies it in the saved window layout. Write "&&"
  // for an ampersand: the tab of a tabbed bar reads the title as a menu text would.
  PropertyBar(const QString& title, const QString& objectName, MainWindow& main);
  ~PropertyBar() override;

  void SetWindow(DocumentWindow* window) override;
  // Shows the values of the shown object in every control (without editing anything).
  void Refresh() override;

  // The object the controls show: the selection's look target, else the look of new
  // objects; null without a document window.
  const CDrawObject* Shown() const;
  CVellumView* View() const;
  DocumentWindow* Window() const;
  // Applies edit as a control does: to the selection with one undo step, or to the
  // look of new objects; then the window and every bar follow.
  void Edit(const std::function<void(CDrawObject&)>& edit);
  // A numeric field beside every slider of this bar shows its value and takes typed
  // values; this finds the field of a slider made by AddSlider (null for others).
  static QSpinBox* ValueFieldOf(QSlider* slider);

 protected:
  using IntGetter = std::function<int(const CDrawObject&)>;
  using IntSetter = std::function<void(CDrawObject&, int)>;

  // A combo box of items whose index is the value.
  QComboBox* AddCombo(const QString& label, const QStringList& items, IntGetter get, IntSetter set);
  // A slider from min to max; with livePreview the objects follow while it is dragged.
  QSlider* AddSlider(const QString& label, int min, int max, IntGetter get, IntSetter set, bool livePreview = true);
  // A check box: value 1 when checked, 0 when not.
  QCheckBox* AddCheck(const QString& label, IntGetter get, IntSetter set);
  // A colour swatch button that opens the colour dialog.
  QToolButton* AddColor(const QString& label, std::function<COLORREF(const CDrawObject&)> get,
                        std::function<void(CDrawObject&, COLORREF)> set);
  // A text field, applied when editing finishes.
  QLineEdit* AddText(const QString& label, std::function<std::string(const CDrawObject&)> get,
                     std::function<void(CDrawObject&, const std::string&)> set);
  // A push button running action.
  QPushButton* AddButton(const QString& text, std::function<void()> action);
  // Widgets side by side in one unframed row.
  static QWidget* Row(std::initializer_list<QWidget*> widgets);
  // Adds any widget as a row (label may be empty); refresh shows the shown object in it.
  void AddRow(const QString& label, QWidget* widget, std::function<void(const CDrawObject&)> refresh = {});

  // Runs refresh with the shown object whenever the controls are refreshed (to enable or
  // disable controls by the object's state).
  void AddRefresher(std::function<void(const CDrawObject&)> refresh) { m_refreshers.push_back(std::move(refresh)); }
  MainWindow& Main() const { return m_main; }

  // The bar's own title line shows "&&" of the title as one "&", as its tab does.
  void initStyleOption(QStyleOptionDockWidget* option) const override;

  // Asks the user for a colour starting at colour (with the program's swatches); false
  // on Cancel.
  bool AskColor(COLORREF* colour);

 private:
  MainWindow& m_main;
  QPointer<DocumentWindow> m_window;
  QFormLayout* m_form = nullptr;
  std::vector<std::function<void(const CDrawObject&)>> m_refreshers;
  bool m_refreshing = false;  // controls being set from the object change nothing
};

}  // namespace tessel
