#include "app/app_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "base/profile.h"

namespace tessel {

namespace {
constexpr char kSection[] = "GSettings";
constexpr char kKey[] = "Theme";
constexpr char kLightName[] = "light";
constexpr char kDarkName[] = "dark";
constexpr char kStyleName[] = "Fusion";

QPalette DarkPalette() {
  const QColor window(53, 53, 53), base(35, 35, 35), text(220, 220, 220), disabled(127, 127, 127);
  const QColor highlight(42, 130, 218);
  QPalette p;
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, disabled);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::red);
  p.setColor(QPalette::Link, highlight);
  p.setColor(QPalette::Highlight, highlight);
  p.setColor(QPalette::HighlightedText, Qt::black);
  p.setColor(QPalette::Light, QColor(80, 80, 80));
  p.setColor(QPalette::Midlight, QColor(66, 66, 66));
  p.setColor(QPalette::Mid, QColor(40, 40, 40));
  p.setColor(QPalette::Dark, QColor(25, 25, 25));
  p.setColor(QPalette::Shadow, QColor(10, 10, 10));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, disabled);
  p.setColor(QPalette::Disabled, QPalette::HighlightedText, disabled);
  return p;
}
}  // namespace

AppTheme LoadAppTheme(const CProfile& profile) {
  return profile.GetString(kSection, kKey, kLightName) == kDarkName ? AppTheme::kDark : AppTheme::kLight;
}

bool SaveAppTheme(CProfile& profile, AppTheme theme) {
  return profile.WriteString(kSection, kKey, theme == AppTheme::kDark ? kDarkName : kLightName);
}

void ApplyAppTheme(AppTheme theme) {
  QStyle* style = QStyleFactory::create(kStyleName);
  if (!style) return;  // a Qt build without Fusion keeps its own look
  QApplication::setStyle(style);
  QApplication::setPalette(theme == AppTheme::kDark ? DarkPalette() : style->standardPalette());
}

}  // namespace tessel
