// The "Multimedia Extension" dialog and the way its settings reach the object.
#include "app/multimedia_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "document/draw_object.h"

namespace tessel {

namespace {
enum Frame { kNormal = 0, kHighlighted = 1, kPushed = 2 };

// The frame the settings let the object show.
int AllowedFrame(const MultimediaFrames& f) {
  if (f.nonInteractive) return kNormal;
  if (f.frame == kHighlighted && f.hasHighlighted) return kHighlighted;
  if (f.frame == kPushed && f.hasPushed) return kPushed;
  return kNormal;
}

QCheckBox* Check(const QString& text, const char* name, int value) {
  auto* box = new QCheckBox(text);
  box->setObjectName(name);
  box->setChecked(value != 0);
  return box;
}
}  // namespace

void ApplyMultimediaFrames(CDrawObject& object, const MultimediaFrames& frames) {
  const int frame = AllowedFrame(frames);
  const bool framesUsed = !frames.nonInteractive && (frames.hasHighlighted || frames.hasPushed);
  // Without frames the object must not stay in the look of another frame: return to
  // the normal one while the old settings still allow it.
  if (!framesUsed) object.SelectFrame(kNormal);
  object.SetFrames(frame, frames.hasHighlighted, frames.hasPushed, frames.nonInteractive);
  object.SelectFrame(frame);
  object.m_glueWithPrevious = frames.glueWithPrevious;
}

MultimediaDialog::MultimediaDialog(QWidget* parent, const CDrawObject& object) : QDialog(parent) {
  setWindowTitle("Multimedia Extension");
  setObjectName("multimediaDialog");
  m_highlighted = Check("Has Highlighted Frame", "hasHighlighted", object.m_hasHighlightedFrame);
  m_pushed = Check("Has Pushed Frame", "hasPushed", object.m_hasPushedFrame);
  m_nonInteractive = Check("Create Bitmap Object (Non Interactive)", "nonInteractive", object.m_nonInteractive);
  m_glue = Check("Glue With Previous Object", "glueWithPrevious", object.m_glueWithPrevious);
  m_frame = new QComboBox;
  m_frame->setObjectName("frameShown");
  m_frame->addItems({"Normal", "Highlighted", "Pushed"});
  m_frame->setCurrentIndex(object.m_currentFrame >= kNormal && object.m_currentFrame <= kPushed ? object.m_currentFrame
                                                                                                 : kNormal);
  auto* form = new QFormLayout;
  form->addRow(m_highlighted);
  form->addRow(m_pushed);
  form->addRow(m_nonInteractive);
  form->addRow(m_glue);
  form->addRow("Frame shown", m_frame);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

MultimediaFrames MultimediaDialog::Result() const {
  MultimediaFrames f;
  f.frame = m_frame->currentIndex();
  f.hasHighlighted = m_highlighted->isChecked() ? 1 : 0;
  f.hasPushed = m_pushed->isChecked() ? 1 : 0;
  f.nonInteractive = m_nonInteractive->isChecked() ? 1 : 0;
  f.glueWithPrevious = m_glue->isChecked() ? 1 : 0;
  return f;
}

}  // namespace tessel
