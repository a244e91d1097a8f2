// The Bitmap menu's dialogs. The Gaussian, "Brightness and Contrast" and
// "Hue/Saturation" dialogs preview on the object itself: each slider release runs the
// filter again from the picture as it was when the dialog opened; Cancel puts that
// picture back. The "Bitmap Color Tweak" dialog previews on a reduced copy and changes
// nothing itself: the caller applies its effect after "Apply".
#pragma once

#include <QDialog>
#include <functional>
#include <random>
#include <vector>

#include "base/dib_section.h"
#include "filters/filter_session.h"
#include "filters/tweak_effects.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QSlider;

namespace tessel {

class CDrawObject;
struct CFilterEntry;

// A dialog of labelled sliders that previews one catalogue filter on a bitmap object.
class FilterPreviewDialog : public QDialog {
  Q_OBJECT
 public:
  // repaint is called after every preview and after Cancel so the canvas shows the
  // object's picture. The session starts at once; Started() says whether it could.
  FilterPreviewDialog(QWidget* parent, CDrawObject& object, const CFilterEntry& filter,
                      std::function<void()> repaint);
  // A dialog destroyed without an answer restores the picture like Cancel.
  ~FilterPreviewDialog() override;
  bool Started() const { return m_session.Active(); }
  // OK keeps the previewed picture, Cancel (or closing) restores the kept one.
  void done(int result) override;

 protected:
  // Adds a slider row (objectName name) with a label and a value text; a release or
  // a step by keyboard or click re-runs the preview.
  QSlider* AddSlider(const char* name, const QString& label, int lo, int hi, int value,
                     std::function<QString(int)> valueText);
  // Adds OK and Cancel and shows the first preview; derived constructors call it last.
  void FinishLayout();
  // The filter's values from the sliders.
  virtual std::vector<double> Values() const = 0;
  // OK was pressed (before the session ends).
  virtual void OnAccepted() {}

 private:
  void RunPreview();

  const CFilterEntry& m_filter;
  std::function<void()> m_repaint;
  CFilterSession m_session;
  QFormLayout* m_form = nullptr;
};

// "Gaussian Blur" or "Gaussian Sharpen (Unsharp Mask)": threshold 0..255, amount
// 0..255 (slider / 255 for blur, / 128 for sharpen) and radius 0..100 (slider · 0.1),
// started from the stored settings; OK stores them back.
class GaussianDialog : public FilterPreviewDialog {
  Q_OBJECT
 public:
  GaussianDialog(QWidget* parent, CDrawObject& object, bool sharpen, std::function<void()> repaint);
  // The settings the sliders show.
  CGaussianSettings Settings() const;

 protected:
  std::vector<double> Values() const override;
  void OnAccepted() override;

 private:
  bool m_sharpen;
  QSlider* m_threshold = nullptr;
  QSlider* m_amount = nullptr;
  QSlider* m_radius = nullptr;
};

// A dialog with one integer slider per parameter of a catalogue filter ("Brightness and
// Contrast", "Hue/Saturation"), each starting at its default.
class AdjustDialog : public FilterPreviewDialog {
  Q_OBJECT
 public:
  AdjustDialog(QWidget* parent, const QString& title, CDrawObject& object, const CFilterEntry& filter,
               std::function<void()> repaint);

 protected:
  std::vector<double> Values() const override;

 private:
  std::vector<QSlider*> m_sliders;
};

// "Bitmap Color Tweak": the effect list, eight labelled sliders (unused ones disabled
// and blank), the preview of the reduced picture, "Random", "Apply" and "Cancel".
class TweakDialog : public QDialog {
  Q_OBJECT
 public:
  TweakDialog(QWidget* parent, const CDIBSection& picture);
  // The effect and parameters chosen; run it on the picture after "Apply" (Accepted).
  const CTweakEngine& Engine() const { return m_engine; }
  // The preview as shown (the reduced picture with the effect).
  const CDIBSection& PreviewPicture() const { return m_previewOut; }
  // Seeds the generator of "Random" (tests make it repeatable).
  void SeedRandom(uint32_t seed) { m_rng.seed(seed); }

 private:
  void SelectEffect(int slot);
  void Randomize();
  // Sliders and labels follow the engine's effect and parameters.
  void ShowParams();
  void UpdatePreview();

  CTweakEngine m_engine;
  CDIBSection m_previewIn;
  CDIBSection m_previewOut;
  std::mt19937 m_rng;
  QComboBox* m_effects = nullptr;
  QLabel* m_preview = nullptr;
  QLabel* m_labels[kTweakParams] = {};
  QSlider* m_sliders[kTweakParams] = {};
  QLabel* m_values[kTweakParams] = {};
};

}  // namespace tessel
