#include "app/look_bars.h"

#include <QAction>

#include "app/bevel_bar.h"
#include "app/color_texture_bar.h"
#include "app/main_window.h"
#include "app/transparency_bar.h"
#include "app/window_layout.h"

namespace tessel {

namespace {
struct LookBarCommand {
  AppCommand command;
  const char* barName;  // the bar's objectName
};

constexpr LookBarCommand kLookBars[] = {
    {AppCommand::kShowColorTextureBar, "colorTextureBar"},
    {AppCommand::kShowTransparencyBar, "transparencyBar"},
    {AppCommand::kShowBevelBar, "bevelBar"},
};

PropertyBar* BarOf(MainWindow& main, AppCommand command) {
  for (const LookBarCommand& entry : kLookBars)
    if (entry.command == command) return main.findChild<PropertyBar*>(entry.barName);
  return nullptr;
}
}  // namespace

void InstallLookBars(MainWindow& main) {
  PropertyBar* bars[] = {new ColorTextureBar(main), new TransparencyBar(main), new BevelBar(main)};
  for (PropertyBar* bar : bars) DockPropertyBar(main, bar);
  bars[0]->raise();
  for (const LookBarCommand& entry : kLookBars) {
    QAction* action = main.Action(AppCommandInfoOf(entry.command).name);
    PropertyBar* bar = BarOf(main, entry.command);
    if (!action || !bar) continue;
    action->setCheckable(true);
    action->setChecked(!bar->isHidden());
    QObject::connect(bar->toggleViewAction(), &QAction::toggled, action, &QAction::setChecked);
  }
  KeepWindowLayout(main);
}

bool ToggleLookBar(MainWindow& main, AppCommand command) {
  PropertyBar* bar = BarOf(main, command);
  if (!bar) return false;
  // A bar behind another bar's tab comes to the front rather than closing.
  const bool covered = !bar->isHidden() && bar->visibleRegion().isEmpty();
  if (bar->isHidden() || covered) {
    bar->show();
    bar->raise();
  } else {
    bar->hide();
  }
  // The tick follows the bar, whatever the click did to it.
  if (QAction* action = main.Action(AppCommandInfoOf(command).name)) action->setChecked(!bar->isHidden());
  return true;
}

}  // namespace tessel
