// The "Brush Properties" dialog, opened from the painting editor's tool panel and the
// brush library window.
#pragma once

#include <QDialog>
#include <array>

#include "paint/brush.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace tessel {

// Runs the dialog modally on brush. OK writes the edited settings into brush and
// returns true; Cancel returns false with brush unchanged.
bool RunBrushPropertiesDialog(QWidget* parent, CBrush& brush);

// The dialog on a copy of a brush. Widgets: "name"; "size" and "sizeSlider" (1..60);
// "blur" and "blurSlider" (the slider counts half pixels, 0..60); "spacing" and
// "spacingSlider" (1..200 per cent of the dab width) with the "%" box
// "spacingEnabled"; the tip radios "tipCircular", "tipRectangular", "tipBitmap",
// "tipImageBrush", "tipImageHose"; "colorOverlay"; "load" ("Load...", "Settings" for an
// Image Hose); "loadMask"; "loadNegative"; "autoGenerate"; the preview's "previewLoad"
// and "previewPaste"; "pressure"; "apply"; the images "preview" and "stroke" and the
// dab size "dabSize".
class BrushPropertiesDialog : public QDialog {
  Q_OBJECT
 public:
  BrushPropertiesDialog(QWidget* parent, const CBrush& brush);

  // The brush as edited so far (rebuilt by every apply).
  const CBrush& Brush() const { return m_brush; }
  // Copies every field into the brush, rebuilds it with the 100-pixel preview and
  // shows the result ("APPLY", released sliders, option changes, OK).
  void Apply();

  void accept() override;

 private:
  void BuildSizeGroup(QGridLayout* grid);
  QWidget* BuildTypeGroup();
  QWidget* BuildPreviewGroup();
  void UpdateEnabled();
  void ShowPreview();
  void LoadImage();
  void LoadMask();
  void LoadPreview();
  void PastePreview();
  int TipKind() const;

  CBrush m_brush;
  QLineEdit* m_name = nullptr;
  QSpinBox* m_size = nullptr;
  QSlider* m_sizeSlider = nullptr;
  QDoubleSpinBox* m_blur = nullptr;
  QSlider* m_blurSlider = nullptr;
  QSpinBox* m_spacing = nullptr;
  QSlider* m_spacingSlider = nullptr;
  QCheckBox* m_spacingEnabled = nullptr;
  std::array<QRadioButton*, 5> m_tips{};
  QCheckBox* m_colorOverlay = nullptr;
  QPushButton* m_load = nullptr;
  QPushButton* m_loadMask = nullptr;
  QCheckBox* m_loadNegative = nullptr;
  QCheckBox* m_autoGenerate = nullptr;
  QPushButton* m_previewLoad = nullptr;
  QPushButton* m_previewPaste = nullptr;
  QComboBox* m_pressure = nullptr;
  QLabel* m_preview = nullptr;
  QLabel* m_stroke = nullptr;
  QLabel* m_dabSize = nullptr;
};

// The brush's preview (or, without one, its dab) scaled into a white side × side
// picture.
QImage BrushPreviewImage(const CBrush& brush, int side);
// A sample stroke of the brush: its dabs stamped at its dab step along a wave across a
// white picture of width × height.
QImage BrushStrokeSample(CBrush& brush, int width, int height);

}  // namespace tessel
