// Breeding Mutaflux patterns: the current pattern, shown large in the middle of a
// 280 x 200 preview, and twelve variants on the border ring of its 4 x 4 grid of
// 70 x 50 cells, clockwise from the top-left corner. Breeding derives the variants from
// the current pattern, rolling makes twelve random ones, and clicking a variant makes it
// the current pattern.
#pragma once

#include <array>
#include <cstdint>

#include "base/dib_section.h"
#include "mutaflux/breed_random.h"
#include "mutaflux/mutaflux_generator.h"

namespace tessel {

// Eight parameters (0..255) and a gene (below 0 while Mutaflux is off).
struct CMutafluxPattern {
  std::array<int, MutafluxGenerator::kParamCount> params{};
  int gene = 0;

  // Unpacks P0..P7 from the words (bits 16-23 of c are not read).
  static CMutafluxPattern FromWords(const CMutafluxWords& words, int gene);
  // Packs P0..P7 into A, B, C; with withGene the gene (at least 0) goes into bits 16-23
  // of C, as libraries keep it.
  CMutafluxWords Words(bool withGene = false) const;
};

class CMutafluxBreeder {
 public:
  static constexpr int kVariantCount = 12;
  static constexpr int kCellWidth = 70, kCellHeight = 50, kGridSide = 4;
  static constexpr int kPreviewWidth = kCellWidth * kGridSide, kPreviewHeight = kCellHeight * kGridSide;

  // Nothing is generated until SetCurrent, Breed or Roll.
  explicit CMutafluxBreeder(uint32_t seed) : m_random(seed) {}

  // Makes the pattern current and regenerates the centre preview (140 x 100).
  void SetCurrent(const CMutafluxPattern& pattern);
  const CMutafluxPattern& Current() const { return m_current; }
  const CMutafluxPattern& Variant(int i) const { return m_variants[size_t(i)]; }
  const CDIBSection& CentrePreview() const { return m_centre; }
  const CDIBSection& VariantPreview(int i) const { return m_previews[size_t(i)]; }

  // Twelve variants from the current pattern: each parameter moves by a fresh
  // U(R) - R/2 and is clamped to 0..255, with R = 50 for genes 0, 4, 5 and 6 (and while
  // off) and 100 for the others; the gene stays.
  void Breed();
  // Twelve random variants: A, B and C are each U(16777214), and U(15) picks the gene
  // (8 -> 1, 4 -> 2, 5 -> 3, 10 -> 4, 5 or 6 by U(3), 9 -> 10, 11 -> 11, 12 -> 12,
  // 13 -> 13, else 0), so genes 7, 8 and 9 never come out of a roll.
  void Roll();

  enum class Click { kIgnored, kBred, kPicked };
  // A click at (x, y) in the 280 x 200 preview: strictly inside the centre breeds, on a
  // border cell picks that variant (the others stay), anywhere else nothing. *picked
  // receives the variant index.
  Click ClickAt(int x, int y, int* picked = nullptr);
  // The variant index of grid cell (column, row), or -1 for the centre and outside.
  static int VariantAtCell(int column, int row);
  // The grid cell of variant i as column and row.
  static void CellOfVariant(int i, int* column, int* row);

 private:
  void SetVariant(int i, const CMutafluxPattern& pattern);

  CBreedRandom m_random;
  CMutafluxPattern m_current;
  std::array<CMutafluxPattern, kVariantCount> m_variants{};
  std::array<CDIBSection, kVariantCount> m_previews;
  CDIBSection m_centre;
};

// Fills a new opaque 32-bit picture of the given size with the pattern.
CDIBSection MutafluxPreview(const CMutafluxPattern& pattern, int width, int height);

}  // namespace tessel
