// The "Multimedia Extension" dialog: the button frames of an object (a highlighted and
// a pushed look besides the normal one), whether it is a plain bitmap, whether it is
// glued to the object before it, and which frame the object shows.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace tessel {

class CDrawObject;

struct MultimediaFrames {
  int frame = 0;  // frame shown: 0 normal, 1 highlighted, 2 pushed
  int hasHighlighted = 0;
  int hasPushed = 0;
  int nonInteractive = 0;
  int glueWithPrevious = 0;
};

// Gives object the frame settings: the flags, then the frame to show. A frame the
// settings do not allow (a highlighted or pushed frame the object does not have, or
// any frame but the normal one of a plain bitmap) shows the normal frame instead; an
// object whose frames are switched off goes back to its normal look first. Renders.
void ApplyMultimediaFrames(CDrawObject& object, const MultimediaFrames& frames);

class MultimediaDialog : public QDialog {
  Q_OBJECT
 public:
  // Starts with object's frame settings.
  MultimediaDialog(QWidget* parent, const CDrawObject& object);
  MultimediaFrames Result() const;

 private:
  QCheckBox* m_highlighted = nullptr;
  QCheckBox* m_pushed = nullptr;
  QCheckBox* m_nonInteractive = nullptr;
  QCheckBox* m_glue = nullptr;
  QComboBox* m_frame = nullptr;
};

}  // namespace tessel
