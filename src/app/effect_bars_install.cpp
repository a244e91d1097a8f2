// The Effect, Outline, Lights & Material and Object bars in the main window: docked on
// the right as tabs of one another, each with a View menu command that shows or hides
// it and is ticked while it is shown.
#include <QAction>
#include <QDockWidget>

#include "app/effect_bar.h"
#include "app/lights_bar.h"
#include "app/main_window_impl.h"
#include "app/object_properties_bar.h"
#include "app/outline_bar.h"

namespace tessel {

namespace {
struct BarCommand {
  AppCommand command;
  const char* dockName;  // the bar's objectName
};

const BarCommand kBarCommands[] = {
    {AppCommand::kShowEffectBar, "effectBar"},
    {AppCommand::kShowOutlineBar, "outlineBar"},
    {AppCommand::kShowLightsBar, "lightsBar"},
    {AppCommand::kShowObjectPropertiesBar, "objectPropertiesBar"},
};
}  // namespace

void MainWindow::Impl::InstallEffectBars() {
  QDockWidget* const bars[] = {new EffectBar(self), new OutlineBar(self), new LightsBar(self),
                               new ObjectPropertiesBar(self)};
  for (QDockWidget* bar : bars) {
    bar->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    if (bar == bars[0])
      self.addDockWidget(Qt::RightDockWidgetArea, bar);
    else
      self.tabifyDockWidget(bars[0], bar);
  }
  bars[0]->raise();
  for (const BarCommand& c : kBarCommands) {
    auto* bar = self.findChild<QDockWidget*>(c.dockName);
    QAction* action = self.Action(AppCommandInfoOf(c.command).name);
    if (!bar || !action) continue;
    action->setCheckable(true);
    action->setChecked(bar->toggleViewAction()->isChecked());
    // Closing the bar by its title button unticks the command too.
    QObject::connect(bar->toggleViewAction(), &QAction::toggled, action, &QAction::setChecked);
  }
}

void MainWindow::Impl::ToggleEffectBar(AppCommand id) {
  for (const BarCommand& c : kBarCommands) {
    if (c.command != id) continue;
    auto* bar = self.findChild<QDockWidget*>(c.dockName);
    if (!bar) return;
    const bool show = bar->isHidden();
    bar->setVisible(show);
    if (show) bar->raise();  // the front tab of its group
    if (QAction* action = self.Action(AppCommandInfoOf(id).name)) action->setChecked(show);
  }
}

}  // namespace tessel
