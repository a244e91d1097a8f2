// Helpers of the sample generator: colours, placing shapes and writing documents.
#pragma once

#include <string>
#include <vector>

#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel::samples {

// COLORREF from red, green, blue (stored 0x00BBGGRR).
constexpr COLORREF Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

// A label in Liberation Sans at size pixels, its box's top-left at (left, top).
CDrawObject* Label(CVellumDoc& doc, const std::string& text, int left, int top, double size, COLORREF colour);

// The tile of a grid: column and row of cell size at the given margin.
struct Grid {
  int left, top, cell, columns;
  int X(int i) const { return left + (i % columns) * cell; }
  int Y(int i) const { return top + (i / columns) * cell; }
};

// One sample project: its file name and the routine that builds it.
struct Sample {
  const char* file;
  void (*build)(CVellumDoc&);
};

void BuildWelcome(CVellumDoc& doc);
void BuildBevels(CVellumDoc& doc);
void BuildEffects(CVellumDoc& doc);
void BuildLenses(CVellumDoc& doc);
void BuildBlendModes(CVellumDoc& doc);
void BuildTextures(CVellumDoc& doc);
void BuildMutaflux(CVellumDoc& doc);
void BuildText(CVellumDoc& doc);
void BuildPackages(CVellumDoc& doc);
void BuildPoster(CVellumDoc& doc);

// Writes small seed projects for the project-reader fuzzer into dir.
bool WriteFuzzSeeds(const std::string& dir);

}  // namespace tessel::samples
