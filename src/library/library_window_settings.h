// The stored places of the "Quick Styles" window (section "Style") and of the object
// library window (section "ObLib"), with their defaults and repairs.
#pragma once

namespace tessel {

struct CStylesWindowSettings {
  int tab = 5;  // "Tabsel": "Library A"
  int shown = 1;
  int left = 32;
  int width = 486;
  int height = 149;
  int top = 0;  // default: screen height - 230

  // Reads the section; a stored left of 4001 or more is ignored (default kept).
  static CStylesWindowSettings Load(int screenHeight);
  void Save() const;
};

struct CObjectLibraryWindowSettings {
  int shown = 1;
  int top = 370;
  int left = 0;  // default: screen width - 150

  // Reads the section; a negative position is replaced by its default so that the
  // window stays on the screen.
  static CObjectLibraryWindowSettings Load(int screenWidth);
  void Save() const;
};

}  // namespace tessel
