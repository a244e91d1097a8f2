// The "Effect" bar: the drop shadow, glow or lens of the selection (or of new objects):
// its kind, the shadow's distance, angle, softness, opacity, colour and margin, and the
// two options of the thickness lenses.
#pragma once

#include <QStringList>

#include "app/document_window.h"  // PropertyBar::Window() converts a QPointer of it
#include "app/property_bar.h"

namespace tessel {

// The effect kinds in list order; the index is the stored kind.
const QStringList& EffectKindNames();

// Shadow softness as the bar edits it: tenths of a pixel. Sets the float softness and
// its truncated whole pixels, as the object's own setter does, but leaves the render
// to the bar's edit, which renders once.
void SetShadowSoftnessTenths(CObjectFields& look, int tenths);

class EffectBar : public PropertyBar {
  Q_OBJECT
 public:
  explicit EffectBar(MainWindow& main);
};

}  // namespace tessel
