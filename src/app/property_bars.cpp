#include "app/property_bars.h"

#include <QAction>

#include "app/bevel_bar.h"
#include "app/color_texture_bar.h"
#include "app/effect_bar.h"
#include "app/lights_bar.h"
#include "app/main_window.h"
#include "app/object_properties_bar.h"
#include "app/outline_bar.h"
#include "app/transparency_bar.h"
#include "app/window_layout.h"

namespace tessel {

namespace {
struct BarCommand {
  AppCommand command;
  const char* barName;  // the bar's objectName
};

constexpr BarCommand kBars[] = {
    {AppCommand::kShowColorTextureBar, "colorTextureBar"},
    {AppCommand::kShowTransparencyBar, "transparencyBar"},
    {AppCommand::kShowBevelBar, "bevelBar"},
    {AppCommand::kShowEffectBar, "effectBar"},
    {AppCommand::kShowOutlineBar, "outlineBar"},
    {AppCommand::kShowLightsBar, "lightsBar"},
    {AppCommand::kShowObjectPropertiesBar, "objectPropertiesBar"},
};

PropertyBar* BarOf(MainWindow& main, AppCommand command) {
  for (const BarCommand& entry : kBars)
    if (entry.command == command) return main.findChild<PropertyBar*>(entry.barName);
  return nullptr;
}

// Docks the bars on the right as the tabs of one group, the first in front.
void DockGroup(MainWindow& main, std::initializer_list<PropertyBar*> bars) {
  PropertyBar* first = *bars.begin();
  for (PropertyBar* bar : bars) {
    bar->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    if (bar == first)
      main.addDockWidget(Qt::RightDockWidgetArea, bar);
    else
      main.tabifyDockWidget(first, bar);
  }
  first->raise();
}
}  // namespace

void InstallPropertyBars(MainWindow& main) {
  DockGroup(main, {new ColorTextureBar(main), new TransparencyBar(main), new BevelBar(main)});
  DockGroup(main, {new EffectBar(main), new OutlineBar(main), new LightsBar(main), new ObjectPropertiesBar(main)});
  for (const BarCommand& entry : kBars) {
    QAction* action = main.Action(AppCommandInfoOf(entry.command).name);
    PropertyBar* bar = BarOf(main, entry.command);
    if (!action || !bar) continue;
    action->setCheckable(true);
    action->setChecked(!bar->isHidden());
    // Closing the bar by its title button unticks the command too.
    QObject::connect(bar->toggleViewAction(), &QAction::toggled, action, &QAction::setChecked);
  }
  KeepWindowLayout(main);
}

bool TogglePropertyBar(MainWindow& main, AppCommand command) {
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
