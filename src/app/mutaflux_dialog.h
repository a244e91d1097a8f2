// The "Mutaflux Colors" breeding dialog, opened from the Color & Texture bar.
#pragma once

class QWidget;

namespace tessel {

struct CObjectFields;

// Runs the dialog modally for the Mutaflux words of fields (m_mutafluxIndex and
// m_mutafluxParam). On OK (or "Remove") writes the result into fields and returns true;
// Cancel returns false with fields unchanged. Does not render.
bool RunMutafluxDialog(QWidget* parent, CObjectFields& fields);

}  // namespace tessel
