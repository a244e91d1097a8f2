// The main frame: actions from the command tables, menus, toolbars, status bar, the
// layers dock and the object bar, and the routing of every command to the active view.
#include "app/main_window.h"

#include <QActionGroup>
#include <algorithm>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/app_icons.h"
#include "app/bitmap_menu.h"
#include "app/brush_library_panel.h"
#include "app/document_follower.h"
#include "app/document_window.h"
#include "app/layers_dock.h"
#include "app/property_bars.h"
#include "app/main_window_impl.h"
#include "app/object_bar.h"
#include "app/paint_tool_panel.h"
#include "app/tool_dialogs.h"
#include "app/tool_value_bar.h"
#include "app/qt_messages.h"
#include "app/shell.h"
#include "base/app_context.h"
#include "document/vellum_doc.h"
#include "view/vellum_view.h"

namespace tessel {

namespace {
constexpr int kRefreshMs = 250;
constexpr int kProgressWidth = 200;
constexpr int kInitialWidth = 1280;
constexpr int kInitialHeight = 860;
constexpr int kComboEntries = 11;  // "10%" ... "800%", "Custom"
constexpr char kCustomZoom[] = "Custom";
constexpr char kReady[] = "Ready.";

// Commands whose menu item carries a tick: the tools and the switches.
bool IsCheckable(const CommandInfo& c) {
  using C = ViewCommand;
  if (IsToolAction(c.name)) return true;
  switch (c.id) {
    case C::kSnapToGrid:
    case C::kSnapToGuidelines:
    case C::kRenderFull:
    case C::kRenderLensesOff:
    case C::kRenderWireframe:
    case C::kMateCanvasBorders:
    case C::kOnionSkinOnTop:
    case C::kBlueprintShowOnBack:
    case C::kPaintOnEdge:
    case C::kCombineModeXor:
    case C::kCombineModeUnion: return true;
    default: return false;
  }
}

// Keys that text fields and focus movement need too: they act on the canvas only while
// the document area has the focus.
bool IsCanvasOnlyKey(const char* shortcut) {
  const std::string s = shortcut;
  return s == "Del" || s == "Tab" || s == "Shift+Tab" || s == "Esc";
}

// Application commands that need an open document.
bool NeedsDocument(AppCommand c) {
  using A = AppCommand;
  switch (c) {
    case A::kNew:
    case A::kOpen:
    case A::kRecent1:
    case A::kRecent2:
    case A::kRecent3:
    case A::kRecent4:
    case A::kExit:
    case A::kGeneralSettings:
    case A::kHelpTopics:
    case A::kAbout: return false;
    // ---- property bars (commands without a document) ----
    case A::kShowColorTextureBar:
    case A::kShowTransparencyBar:
    case A::kShowBevelBar: return false;

    case A::kShowEffectBar:
    case A::kShowOutlineBar:
    case A::kShowLightsBar:
    case A::kShowObjectPropertiesBar: return false;

    // ---- Quick Styles and object library windows (commands without a document) ----
    case A::kQuickStyles:
    case A::kObjectLibrary: return false;

    // ---- Mutaflux, brushes and settings (commands without a document) ----
    case A::kBrushLibrary: return false;

    default: return true;
  }
}
}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_impl(std::make_unique<Impl>(*this)) {
  setWindowTitle("Tessel");
  setObjectName("mainWindow");
  setAcceptDrops(true);
  resize(kInitialWidth, kInitialHeight);
  Impl& d = *m_impl;
  d.mdi = new QMdiArea(this);
  d.mdi->setViewMode(QMdiArea::TabbedView);
  d.mdi->setTabsClosable(true);
  d.mdi->setTabsMovable(true);
  d.mdi->setDocumentMode(true);
  setCentralWidget(d.mdi);
  connect(d.mdi, &QMdiArea::subWindowActivated, this, [&d](QMdiSubWindow* sub) {
    if (sub) d.lastActive = sub;
    d.OnWindowActivated();
  });
  d.BuildActions();
  d.BuildMenus();
  d.BuildToolbars();
  d.BuildStatusBar();
  d.layers = new LayersDock(this);
  addDockWidget(Qt::RightDockWidgetArea, d.layers);
  connect(d.layers, &LayersDock::edited, this, [&d] { d.AfterEdit(false); });

  // ---- property bars (install) ----
  InstallPropertyBars(*this);

  // ---- Bitmap menu (install) ----

  // ---- export and script generator (install) ----

  // ---- Quick Styles and object library windows (install) ----
  d.InstallLibraryWindows();

  // ---- Mutaflux, brushes and settings (install) ----
  d.brushLibrary = InstallBrushLibrary(*this);

  // ---- painting editor (install) ----
  d.paintPanel = new PaintToolPanel(*this);
  addDockWidget(Qt::LeftDockWidgetArea, d.paintPanel);
  AddFollower(d.paintPanel);

  if (auto* messages = dynamic_cast<CQtMessages*>(&App().Messages())) messages->Attach(this, d.status, d.progress);
  connect(&d.refreshTimer, &QTimer::timeout, this, [this] {
    UpdateActions();
    m_impl->UpdateTitles();
  });
  d.refreshTimer.start(kRefreshMs);
  d.UpdateRecentMenu();
  UpdateActions();
}

MainWindow::~MainWindow() {
  // The widgets below close and signal while QWidget's destructor runs, after the
  // private state is gone: nothing of theirs may reach this window any more.
  m_impl->refreshTimer.stop();
  for (QObject* child : findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
}

void MainWindow::Impl::BuildActions() {
  auto make = [this](const ActionRef& ref) {
    auto* action = new QAction(ref.label, &self);
    if (*ref.tip) action->setToolTip(ref.tip);
    if (*ref.shortcut) action->setShortcut(QKeySequence(ref.shortcut));
    const QIcon icon = ActionIcon(ref.name);
    if (!icon.isNull()) action->setIcon(icon);
    action->setObjectName(ref.name);
    actions[ref.name] = action;
    if (IsCanvasOnlyKey(ref.shortcut)) {
      action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
      mdi->addAction(action);
    } else {
      self.addAction(action);
    }
    return action;
  };
  for (const CommandInfo& c : ViewCommandTable()) {
    ActionRef ref;
    FindAction(c.name, &ref);
    QAction* action = make(ref);
    action->setCheckable(IsCheckable(c));
    viewActions.emplace_back(c.id, action);
    const ViewCommand id = c.id;
    connect(action, &QAction::triggered, &self, [this, id] { OnViewCommand(id); });
  }
  for (const AppCommandInfo& c : AppCommandTable()) {
    ActionRef ref;
    FindAction(c.name, &ref);
    QAction* action = make(ref);
    appActions.emplace_back(c.id, action);
    const AppCommand id = c.id;
    connect(action, &QAction::triggered, &self, [this, id] { OnAppCommand(id); });
  }
  // The tools and the render qualities are radio groups.
  auto* tools = new QActionGroup(&self);
  for (const char* id : ToolsToolbarLayout()) tools->addAction(actions[id]);
  auto* render = new QActionGroup(&self);
  for (const char* id : {"view.render-full", "view.render-lenses-off", "view.render-wireframe"})
    render->addAction(actions[id]);
  auto* combine = new QActionGroup(&self);
  for (const char* id : {"object.mode-xor", "object.mode-union"}) combine->addAction(actions[id]);
}

void MainWindow::Impl::BuildMenus() {
  for (const MenuSpec& spec : MenuLayout()) {
    QMenu* menu = self.menuBar()->addMenu(spec.title);
    QMenu* target = menu;
    for (const char* item : spec.items) {
      if (item[0] == '-')
        target->addSeparator();
      else if (item[0] == '>')
        target = target->addMenu(item + 1);
      else if (item[0] == '<')
        target = menu;
      else
        target->addAction(actions[item]);
    }
    connect(menu, &QMenu::aboutToShow, &self, [this] { self.UpdateActions(); });
  }
}

void MainWindow::Impl::BuildToolbars() {
  QToolBar* main = self.addToolBar("Main");
  main->setObjectName("mainToolbar");
  for (const char* item : MainToolbarLayout()) {
    if (item[0] == '-') {
      main->addSeparator();
    } else if (std::string(item) == "zoom-combo") {
      zoomCombo = new QComboBox(main);
      zoomCombo->setObjectName("zoomCombo");
      // The same texts as the View menu's zoom steps.
      for (int i = 0; i < kComboEntries - 1; ++i)
        zoomCombo->addItem(AppCommandInfoOf(AppCommand(int(AppCommand::kZoom10) + i)).label);
      zoomCombo->addItem(kCustomZoom);
      zoomCombo->setCurrentIndex(ZoomComboIndexOf(AppCommand::kZoom100));
      zoomCombo->setToolTip("Zoom");
      main->addWidget(zoomCombo);
      connect(zoomCombo, qOverload<int>(&QComboBox::activated), &self, [this](int i) { OnZoomEntry(i); });
    } else {
      main->addAction(actions[item]);
    }
  }
  QToolBar* tools = self.addToolBar("Tools");
  tools->setObjectName("toolsToolbar");
  for (const char* item : ToolsToolbarLayout()) tools->addAction(actions[item]);
  self.addToolBarBreak();
  objectBar = new ObjectBar(&self);
  self.addToolBar(objectBar);
  toolValueBar = new ToolValueBar(&self);
  self.addToolBar(toolValueBar);
  connect(objectBar, &ObjectBar::edited, &self, [this] { AfterEdit(false); });
}

void MainWindow::Impl::BuildStatusBar() {
  status = new QLabel(kReady, &self);
  progress = new QProgressBar(&self);
  progress->setFixedWidth(kProgressWidth);
  progress->hide();
  self.statusBar()->addWidget(status, 1);
  self.statusBar()->addPermanentWidget(progress);
}

void MainWindow::Impl::OnViewCommand(ViewCommand id) {
  DocumentWindow* window = self.ActiveWindow();
  if (!window) return;
  window->View().Execute(id);
  AfterEdit(true);
}

void MainWindow::Impl::OnZoomEntry(int index) {
  DocumentWindow* window = self.ActiveWindow();
  if (!window) return;
  window->SetZoomCombo(index);
  window->View().OnZoomCombo(index);
  window->RepaintAll();
}

void MainWindow::Impl::AfterEdit(bool objectsChanged) {
  DocumentWindow* window = self.ActiveWindow();
  if (window) {
    window->NoteEdits();
    window->viewport()->update();
  }
  if (objectsChanged) layers->Rebuild();
  layers->SyncSelection();
  objectBar->Refresh();
  for (IDocumentFollower* follower : followers) follower->Refresh();
  self.UpdateActions();
  UpdateTitles();
}

void MainWindow::Impl::OnWindowActivated() {
  DocumentWindow* window = self.ActiveWindow();
  layers->SetWindow(window);
  objectBar->SetWindow(window);
  toolValueBar->SetWindow(window);
  for (IDocumentFollower* follower : followers) follower->SetWindow(window);
  if (window) zoomCombo->setCurrentIndex(window->ZoomComboIndex());
  self.UpdateActions();
}

void MainWindow::Impl::ShowContextMenu(const QPoint& globalPos) {
  DocumentWindow* window = self.ActiveWindow();
  if (!window) return;
  self.UpdateActions();
  QMenu menu(&self);
  for (const std::string& entry : window->View().ContextMenuEntries()) {
    QAction* action = nullptr;
    for (const auto& [id, candidate] : viewActions)
      if (entry == ViewCommandInfo(id).label) action = candidate;
    if (action) {
      menu.addAction(action);
    } else {
      // An entry whose command this program does not have yet.
      menu.addAction(QString::fromStdString(entry))->setEnabled(false);
    }
  }
  menu.exec(globalPos);
}

void MainWindow::Impl::UpdateTitles() {
  for (QMdiSubWindow* sub : mdi->subWindowList())
    if (auto* window = qobject_cast<DocumentWindow*>(sub->widget())) {
      const QString title = window->Title();
      if (sub->windowTitle() != title) sub->setWindowTitle(title);
    }
  DocumentWindow* active = self.ActiveWindow();
  const QString title = active ? active->Title() + " - Tessel" : QString("Tessel");
  if (self.windowTitle() != title) self.setWindowTitle(title);
}

void MainWindow::Impl::OnAppCommand(AppCommand id) {
  using A = AppCommand;
  DocumentWindow* window = self.ActiveWindow();
  if (NeedsDocument(id) && !window) return;
  const int zoomIndex = ZoomComboIndexOf(id);
  if (zoomIndex >= 0) {
    zoomCombo->setCurrentIndex(zoomIndex);
    OnZoomEntry(zoomIndex);
    return;
  }
  switch (id) {
    case A::kNew: self.NewDocument(); break;
    case A::kOpen: {
      const QString path = AskOpenFileName(&self);
      if (!path.isEmpty()) self.OpenFile(path);
      break;
    }
    case A::kImport: Import(*window); break;
    case A::kSave: Save(*window); break;
    case A::kSaveAs: SaveAs(*window); break;
    case A::kExport: Export(); break;
    case A::kPrint: PrintDocument(&self, window->Document()); break;
    case A::kProductionNotes: RunProductionNotesDialog(&self, window->Document()); break;
    case A::kRecent1:
    case A::kRecent2:
    case A::kRecent3:
    case A::kRecent4: OpenRecent(int(id) - int(A::kRecent1)); break;
    case A::kExit: self.close(); break;
    case A::kGuidelines:
      // Guidelines and grid change no object: the selection stays.
      if (RunGuidelinesDialog(&self, window->Document())) window->View().OnUpdate(10);
      break;
    case A::kGeneralSettings: RunGeneralSettingsDialog(&self, window ? &window->Document() : nullptr); break;
    case A::kSizeAndColor:
      if (RunSizeAndColorDialog(&self, window->Document())) window->View().OnUpdate(100);
      break;
    case A::kTile:
      mdi->setViewMode(QMdiArea::SubWindowView);
      mdi->tileSubWindows();
      break;
    case A::kCascade:
      mdi->setViewMode(QMdiArea::SubWindowView);
      mdi->cascadeSubWindows();
      break;
    case A::kTabbed: mdi->setViewMode(QMdiArea::TabbedView); break;
    case A::kNextWindow: mdi->activateNextSubWindow(); break;
    case A::kHelpTopics: ShowHelp(); break;
    case A::kAbout: ShowAbout(); break;

    // ---- property bars (commands) ----
    case A::kShowColorTextureBar:
    case A::kShowTransparencyBar:
    case A::kShowBevelBar:
    case A::kShowEffectBar:
    case A::kShowOutlineBar:
    case A::kShowLightsBar:
    case A::kShowObjectPropertiesBar: TogglePropertyBar(self, id); break;

    // ---- Bitmap menu (commands) ----
    case A::kBitmapSimpleSharpen:
    case A::kBitmapSharpenMore:
    case A::kBitmapSoftBlur:
    case A::kBitmapGaussianBlur:
    case A::kBitmapGaussianSharpen:
    case A::kBitmapOilPainting:
    case A::kBitmapPopArt:
    case A::kBitmapAutoLevel:
    case A::kBitmapEnhancePhoto:
    case A::kBitmapInvertAlpha:
    case A::kBitmapBrightnessContrast:
    case A::kBitmapHueSaturation:
    case A::kBitmapTweak: RunBitmapCommand(&self, *window, id); break;

    // ---- export and script generator (commands) ----
    case A::kScriptGenerator: RunScriptGenerator(*window); break;

    // ---- Quick Styles and object library windows (commands) ----
    case A::kQuickStyles:
    case A::kObjectLibrary: RevealLibraryWindow(id); break;

    // ---- Mutaflux, brushes and settings (commands) ----
    case A::kBrushLibrary: ShowBrushLibrary(*brushLibrary); break;

    // ---- painting editor (commands) ----

    default: break;
  }
  AfterEdit(true);
}

void MainWindow::Impl::ShowHelp() {
  const QString path = QString::fromStdString(App().Paths().ProgramFolder()) + "/Help/index.htm";
  if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    QMessageBox::information(&self, "Tessel", "Cannot open " + path);
}

void MainWindow::Impl::ShowAbout() {
  QMessageBox::about(&self, "About Tessel",
                     "<b>Tessel " TESSEL_VERSION "</b><p>A drawing program that joins vector shapes with "
                     "smooth bitmap rendering: bevels, lights, textures, transparency maps, shadows and "
                     "lenses.</p>");
}

void MainWindow::UpdateActions() {
  Impl& d = *m_impl;
  CVellumView* view = ActiveView();
  for (auto& [id, action] : d.viewActions) {
    const CommandState state = view ? view->State(id) : CommandState{false, false};
    action->setEnabled(state.enabled);
    if (action->isCheckable()) action->setChecked(state.checked);
  }
  for (auto& [id, action] : d.appActions)
    if (NeedsDocument(id)) action->setEnabled(view != nullptr);
  d.zoomCombo->setEnabled(view != nullptr);
  d.toolValueBar->Refresh();
  // ---- Bitmap menu (enable) ----
  UpdateBitmapMenu(*this);
}

DocumentWindow* MainWindow::ActiveWindow() const {
  QMdiSubWindow* sub = m_impl->mdi->currentSubWindow();
  if (!sub) sub = m_impl->lastActive;
  const auto list = m_impl->mdi->subWindowList();
  if (!sub && !list.isEmpty()) sub = list.last();
  return sub && list.contains(sub) ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

CVellumDoc* MainWindow::ActiveDocument() const {
  DocumentWindow* w = ActiveWindow();
  return w ? &w->Document() : nullptr;
}

CVellumView* MainWindow::ActiveView() const {
  DocumentWindow* w = ActiveWindow();
  return w ? &w->View() : nullptr;
}

void MainWindow::BringToFront() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

QAction* MainWindow::Action(const QString& id) const {
  const auto it = m_impl->actions.find(id.toStdString());
  return it == m_impl->actions.end() ? nullptr : it->second;
}

LayersDock* MainWindow::Layers() const { return m_impl->layers; }

void MainWindow::AddFollower(IDocumentFollower* follower) {
  m_impl->followers.push_back(follower);
  follower->SetWindow(ActiveWindow());
}

void MainWindow::RemoveFollower(IDocumentFollower* follower) {
  auto& list = m_impl->followers;
  list.erase(std::remove(list.begin(), list.end(), follower), list.end());
}

void MainWindow::NotifyEdited(bool objectsChanged) { m_impl->AfterEdit(objectsChanged); }
ObjectBar* MainWindow::ObjectFields() const { return m_impl->objectBar; }

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) OpenFile(url.toLocalFile());
  event->acceptProposedAction();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  m_impl->mdi->closeAllSubWindows();
  if (!m_impl->mdi->subWindowList().isEmpty()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace tessel
