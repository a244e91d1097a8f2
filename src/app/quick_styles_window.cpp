#include "app/quick_styles_window.h"

#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/document_window.h"
#include "app/main_window.h"
#include "app/object_library_panel.h"
#include "app/thumbnail_list.h"
#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/draw_object.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr char kTitle[] = "Quick Styles";
constexpr char kObjectsLabel[] = "Objects";
constexpr double kTabFontScale = 0.9;
constexpr char kTabStyle[] =
    "QTabBar::tab { padding: 3px 5px; border: 1px solid #a8a8a8; border-bottom: none; background: #e4e4e4; }"
    "QTabBar::tab:selected { background: white; }"
    "QTabBar::tab:!selected { margin-top: 2px; }";

QString StyleName(int n) { return QString("Style%1").arg(n); }
}  // namespace

QuickStylesWindow::QuickStylesWindow(MainWindow& main)
    : LibraryToolWindow(main, kTitle),
      m_tabs(new QTabWidget(this)),
      m_filled(kStyleTabCount, false) {
  setObjectName("quickStylesWindow");
  m_tabs->setObjectName("quickStylesTabs");
  m_tabs->setDocumentMode(true);
  for (int tab = 0; tab < kStyleTabCount; ++tab) {
    m_folders.push_back(CStyleFolder::OfTab(tab));
    auto* list = new ThumbnailList(false, m_tabs);
    list->setObjectName(QString("styleList%1").arg(tab));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QListWidget::itemClicked, this,
            [this, tab](QListWidgetItem* item) { Apply(tab, ThumbnailList::NumberOf(item)); });
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
      QMenu menu(this);
      FillMenu(menu);
      menu.exec(list->viewport()->mapToGlobal(at));
    });
    m_lists.push_back(list);
    m_tabs->addTab(list, kStyleTabs[tab].label);
  }
  m_objects = new ObjectLibraryPanel(main, false, m_tabs);
  m_tabs->addTab(m_objects, kObjectsLabel);

  // Nine tabs share the window's default width: they are set a little smaller.
  QFont font = m_tabs->tabBar()->font();
  font.setPointSizeF(font.pointSizeF() * kTabFontScale);
  m_tabs->tabBar()->setFont(font);
  m_tabs->tabBar()->setStyleSheet(kTabStyle);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_tabs);

  m_settings = CStylesWindowSettings::Load(screen()->availableGeometry().height());
  MoveOnScreen({m_settings.left, m_settings.top});
  resize(m_settings.width, m_settings.height);
  m_tabs->setCurrentIndex(std::clamp(m_settings.tab, 0, kObjectsTab));
  OnTabChanged(m_tabs->currentIndex());
  connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) { OnTabChanged(tab); });
  RestoreShown(m_settings.shown);
}

QuickStylesWindow::~QuickStylesWindow() {
  m_settings.tab = m_tabs->currentIndex();
  m_settings.shown = Shown();
  m_settings.left = pos().x();
  m_settings.top = pos().y();
  m_settings.width = width();
  m_settings.height = height();
  m_settings.Save();
}

void QuickStylesWindow::SetWindow(DocumentWindow* window) {
  LibraryToolWindow::SetWindow(window);
  m_objects->SetWindow(window);
}

int QuickStylesWindow::StyleTab() const {
  const int tab = m_tabs->currentIndex();
  return tab >= 0 && tab < kStyleTabCount ? tab : -1;
}

CDrawObject* QuickStylesWindow::SelectedObject() const { return Window() ? Window()->View().LookTarget() : nullptr; }

void QuickStylesWindow::OnTabChanged(int tab) {
  if (tab >= 0 && tab < kStyleTabCount && !m_filled[size_t(tab)]) FillTab(tab);
}

void QuickStylesWindow::FillTab(int tab, int select) {
  ThumbnailList* list = StyleList(tab);
  const CStyleFolder& folder = Folder(tab);
  list->clear();
  for (int n : folder.Numbers()) list->AddEntry(n, folder.ThumbnailFile(n), folder.StyleFile(n), StyleName(n));
  list->SelectNumber(select);
  m_filled[size_t(tab)] = true;
}

void QuickStylesWindow::FillMenu(QMenu& menu) {
  const bool styleTab = StyleTab() >= 0;
  const bool hasObject = SelectedObject() != nullptr;
  menu.addAction("Add to Styles", this, [this] { AddToStyles(); })->setEnabled(styleTab && hasObject);
  menu.addAction("Replace Style", this, [this] { ReplaceSelectedStyle(); })->setEnabled(styleTab && hasObject);
  menu.addAction("Remove from Styles", this, [this] { RemoveSelectedStyle(); })->setEnabled(styleTab);
}

StyleResult QuickStylesWindow::Apply(int tab, int n) {
  DocumentWindow* window = Window();
  if (!window || tab < 0 || tab >= kStyleTabCount || n < 1) return StyleResult::kNotApplied;
  CVellumView& view = window->View();
  const CStyleFolder& folder = Folder(tab);
  StyleResult result = StyleResult::kNotApplied;
  if (view.LookTarget()) {
    // Every selected object takes the group, in one undo step.
    std::string error;
    const std::unique_ptr<CDrawObject> style = folder.Load(n, &error);
    if (!style) {
      App().Messages().Message("The style could not be read: " + error, MsgButtons::kOk);
      return result;
    }
    const AttributeGroup group = kStyleTabs[tab].group;
    view.EditLook([&style, group](CDrawObject& object) { CopyAttributes(object, *style, group); });
    result = StyleResult::kAppliedToObject;
  } else {
    result = ApplyStyle(tab, folder, n, nullptr, view.Document(), view.NewObjectDefaults().looks);
  }
  m_main.NotifyEdited(false);
  return result;
}

void QuickStylesWindow::AddToStyles() {
  const int tab = StyleTab();
  CDrawObject* object = SelectedObject();
  if (tab < 0 || !object) return;
  const int n = AddStyle(Folder(tab), *object);
  if (n > 0) FillTab(tab, n);
}

void QuickStylesWindow::ReplaceSelectedStyle() {
  const int tab = StyleTab();
  CDrawObject* object = SelectedObject();
  if (tab < 0 || !object) return;
  const int n = StyleList(tab)->SelectedNumber();
  if (ReplaceStyle(Folder(tab), n, *object)) FillTab(tab, n);
}

void QuickStylesWindow::RemoveSelectedStyle() {
  const int tab = StyleTab();
  if (tab < 0) return;
  if (RemoveStyle(Folder(tab), StyleList(tab)->SelectedNumber())) FillTab(tab);
}

}  // namespace tessel
