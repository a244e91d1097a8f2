// The output size edits of the export dialog: pixel width and height, their per-cent
// fields and the "Aspect Ratio" coupling between them.
#pragma once

namespace tessel {

class COutputSize {
 public:
  // Starts at the source size, 100 per cent.
  COutputSize(int sourceWidth, int sourceHeight, bool keepAspect = true);

  // W edited: limited to 1.5 x the source width; with the aspect kept the height
  // follows. 0 (or less) resets to the source size.
  void SetWidth(int w);
  void SetHeight(int h);
  // A per-cent field edited: above 150 becomes 150; the pixel size follows and, with
  // the aspect kept, the other side too. 0 (or less) resets.
  void SetWidthPercent(int p);
  void SetHeightPercent(int p);
  // The preset combo (100, 75, 50 or 25): both sides that share of the source size.
  void SetPreset(int percent);
  void SetKeepAspect(bool on) { m_keepAspect = on; }

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // What the per-cent fields show.
  double WidthPercent() const { return m_widthPercent; }
  double HeightPercent() const { return m_heightPercent; }
  bool KeepAspect() const { return m_keepAspect; }
  // True when the output differs from the source (the document's resize flag).
  bool Resized() const { return m_width != m_sourceWidth || m_height != m_sourceHeight; }
  // Colour of a per-cent label: 0xC0D0D0 at exactly 100, 0xC0C0D0 otherwise.
  static unsigned PercentLabelColour(double percent);

 private:
  void Reset();
  // Shown per cent of a side: trunc(size / source x 1000) x 0.1.
  static double ShownPercent(int size, int source);
  // With the aspect kept, the other side in proportion: trunc(otherSource / source x size).
  void Couple(bool widthChanged);

  int m_sourceWidth, m_sourceHeight;
  int m_width, m_height;
  double m_widthPercent = 100.0, m_heightPercent = 100.0;
  bool m_keepAspect;
};

}  // namespace tessel
