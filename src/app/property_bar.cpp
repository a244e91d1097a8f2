// The controls of the property bars and their way into the view's look edits.
#include "app/property_bar.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyleOptionDockWidget>
#include <QToolButton>

#include "app/colour_swatches.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "document/draw_object.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kSwatchWidth = 36;
constexpr int kSwatchHeight = 18;
constexpr char kValueFieldProperty[] = "valueField";  // a slider's numeric field

void PaintSwatch(QToolButton* button, COLORREF colour) {
  QPixmap swatch(kSwatchWidth, kSwatchHeight);
  swatch.fill(ToQColor(colour));
  button->setIcon(QIcon(swatch));
  button->setIconSize(swatch.size());
}
}  // namespace

PropertyBar::PropertyBar(const QString& title, const QString& objectName, MainWindow& main)
    : QDockWidget(title, &main), m_main(main) {
  setObjectName(objectName);
  auto* body = new QWidget;
  m_form = new QFormLayout(body);
  m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  m_form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(body);
  setWidget(scroll);
  main.AddFollower(this);
}

PropertyBar::~PropertyBar() {
  // When the main window deletes its children its follower list is already gone. Qt
  // takes each child out of the parent's list just before deleting it, so a bar (or the
  // window holding it) missing from that list is going down with the main window.
  QObject* child = this;
  while (child->parent() && child->parent() != &m_main) child = child->parent();
  if (m_main.children().contains(child)) m_main.RemoveFollower(this);
}

void PropertyBar::initStyleOption(QStyleOptionDockWidget* option) const {
  QDockWidget::initStyleOption(option);
  option->title.replace("&&", "&");
}

void PropertyBar::SetWindow(DocumentWindow* window) {
  m_window = window;
  Refresh();
}

DocumentWindow* PropertyBar::Window() const { return m_window; }

CVellumView* PropertyBar::View() const { return m_window ? &m_window->View() : nullptr; }

const CDrawObject* PropertyBar::Shown() const {
  CVellumView* view = View();
  if (!view) return nullptr;
  if (const CDrawObject* target = view->LookTarget()) return target;
  return &view->DefaultLook();
}

void PropertyBar::Refresh() {
  const CDrawObject* shown = Shown();
  widget()->setEnabled(shown != nullptr);
  if (!shown) return;
  m_refreshing = true;
  for (const auto& refresh : m_refreshers) refresh(*shown);
  m_refreshing = false;
}

void PropertyBar::Edit(const std::function<void(CDrawObject&)>& edit) {
  CVellumView* view = View();
  if (!view || m_refreshing) return;
  const int changed = view->EditLook(edit);
  m_main.NotifyEdited(changed > 0);
}

QWidget* PropertyBar::Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : widgets) layout->addWidget(w);
  return row;
}

void PropertyBar::AddRow(const QString& label, QWidget* widget, std::function<void(const CDrawObject&)> refresh) {
  if (label.isEmpty())
    m_form->addRow(widget);
  else
    m_form->addRow(label, widget);
  if (refresh) m_refreshers.push_back(std::move(refresh));
}

QComboBox* PropertyBar::AddCombo(const QString& label, const QStringList& items, IntGetter get, IntSetter set) {
  auto* combo = new QComboBox;
  combo->addItems(items);
  connect(combo, qOverload<int>(&QComboBox::activated), this,
          [this, set](int index) { Edit([&](CDrawObject& o) { set(o, index); }); });
  AddRow(label, combo, [combo, get](const CDrawObject& o) { combo->setCurrentIndex(get(o)); });
  return combo;
}

QSlider* PropertyBar::AddSlider(const QString& label, int min, int max, IntGetter get, IntSetter set,
                                bool livePreview) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(min, max);
  slider->setToolTip(label);
  connect(slider, &QSlider::sliderMoved, this, [this, set, livePreview](int value) {
    if (!livePreview || m_refreshing || !View()) return;
    View()->PreviewLook([&](CDrawObject& o) { set(o, value); });
    m_window->viewport()->update();
  });
  // A release, a click on the groove or a key press all end here with the final value.
  connect(slider, &QSlider::valueChanged, this, [this, slider, set](int value) {
    if (slider->isSliderDown()) return;
    Edit([&](CDrawObject& o) { set(o, value); });
  });
  connect(slider, &QSlider::sliderReleased, this,
          [this, slider, set] { Edit([&, value = slider->value()](CDrawObject& o) { set(o, value); }); });

  // The value beside the slider: it follows the slider, and a typed value (applied on
  // Enter or when the field loses the focus) moves the slider, which edits.
  auto* field = new QSpinBox;
  field->setRange(min, max);
  field->setKeyboardTracking(false);
  field->setToolTip(label);
  connect(slider, &QSlider::valueChanged, field, [field](int value) {
    const QSignalBlocker quiet(field);
    field->setValue(value);
  });
  connect(field, qOverload<int>(&QSpinBox::valueChanged), slider, &QSlider::setValue);
  slider->setProperty(kValueFieldProperty, QVariant::fromValue(static_cast<QObject*>(field)));

  QWidget* row = Row({slider, field});
  static_cast<QHBoxLayout*>(row->layout())->setStretchFactor(slider, 1);
  AddRow(label, row, [slider, field, get](const CDrawObject& o) {
    const int value = get(o);
    slider->setValue(value);
    const QSignalBlocker quiet(field);
    field->setValue(value);
  });
  return slider;
}

QSpinBox* PropertyBar::ValueFieldOf(QSlider* slider) {
  return qobject_cast<QSpinBox*>(slider->property(kValueFieldProperty).value<QObject*>());
}

QCheckBox* PropertyBar::AddCheck(const QString& label, IntGetter get, IntSetter set) {
  auto* box = new QCheckBox(label);
  connect(box, &QCheckBox::clicked, this, [this, set](bool on) { Edit([&](CDrawObject& o) { set(o, on ? 1 : 0); }); });
  AddRow(QString(), box, [box, get](const CDrawObject& o) { box->setChecked(get(o) != 0); });
  return box;
}

QToolButton* PropertyBar::AddColor(const QString& label, std::function<COLORREF(const CDrawObject&)> get,
                                   std::function<void(CDrawObject&, COLORREF)> set) {
  auto* button = new QToolButton;
  button->setToolTip(label);
  connect(button, &QToolButton::clicked, this, [this, get, set] {
    const CDrawObject* shown = Shown();
    if (!shown) return;
    COLORREF colour = get(*shown);
    if (AskColor(&colour)) Edit([&](CDrawObject& o) { set(o, colour); });
  });
  AddRow(label, button, [button, get](const CDrawObject& o) { PaintSwatch(button, get(o)); });
  return button;
}

QLineEdit* PropertyBar::AddText(const QString& label, std::function<std::string(const CDrawObject&)> get,
                                std::function<void(CDrawObject&, const std::string&)> set) {
  auto* edit = new QLineEdit;
  connect(edit, &QLineEdit::editingFinished, this, [this, edit, set] {
    const std::string text = edit->text().toStdString();
    Edit([&](CDrawObject& o) { set(o, text); });
  });
  AddRow(label, edit, [edit, get](const CDrawObject& o) {
    if (!edit->hasFocus()) edit->setText(QString::fromStdString(get(o)));
  });
  return edit;
}

QPushButton* PropertyBar::AddButton(const QString& text, std::function<void()> action) {
  auto* button = new QPushButton(text);
  connect(button, &QPushButton::clicked, this, [action] { action(); });
  AddRow(QString(), button);
  return button;
}

bool PropertyBar::AskColor(COLORREF* colour) {
  const auto& swatches = ProgramSwatches();
  for (int i = 0; i < QColorDialog::customCount() && i < int(swatches.size()); ++i)
    QColorDialog::setCustomColor(i, ToQColor(swatches[size_t(i)]));
  const QColor chosen = QColorDialog::getColor(ToQColor(*colour), this, windowTitle());
  if (!chosen.isValid()) return false;
  *colour = FromQColor(chosen);
  return true;
}

}  // namespace tessel
