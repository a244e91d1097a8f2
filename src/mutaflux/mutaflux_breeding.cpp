#include "mutaflux/mutaflux_breeding.h"

#include <algorithm>

#include "mutaflux/mutaflux_fill.h"

namespace tessel {

namespace {
constexpr int kCentreWidth = 140, kCentreHeight = 100;
constexpr int kMaxParam = 255;
constexpr int kWideRange = 100, kNarrowRange = 50;
constexpr int kMaxWord = 16777214;  // 0xFFFFFE
constexpr int kRollGeneChoices = 15;
constexpr int kRollFamilyChoices = 3;

// Clockwise from the top-left corner: the top row, down the right column, the bottom
// row from right to left, up the left column.
constexpr int kCellOfVariant[CMutafluxBreeder::kVariantCount][2] = {
    {0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}};

int BreedRange(int gene) { return (gene <= 0 || (gene >= 4 && gene <= 6)) ? kNarrowRange : kWideRange; }

int RolledGene(CBreedRandom& random) {
  switch (random.U(kRollGeneChoices)) {
    case 8: return 1;
    case 4: return 2;
    case 5: return 3;
    case 10: {
      const int u = random.U(kRollFamilyChoices);
      return u == 1 ? 4 : u == 2 ? 5 : 6;
    }
    case 9: return 10;
    case 11: return 11;
    case 12: return 12;
    case 13: return 13;
    default: return 0;
  }
}
}  // namespace

CMutafluxPattern CMutafluxPattern::FromWords(const CMutafluxWords& words, int gene) {
  MutafluxGenerator unpack;
  unpack.SetParams(words);
  CMutafluxPattern p;
  for (int k = 0; k < MutafluxGenerator::kParamCount; ++k) p.params[size_t(k)] = unpack.GetParam(k);
  p.gene = gene;
  return p;
}

CMutafluxWords CMutafluxPattern::Words(bool withGene) const {
  MutafluxGenerator pack;
  for (int k = 0; k < MutafluxGenerator::kParamCount; ++k) pack.SetParam(k, params[size_t(k)]);
  return pack.Words(withGene ? std::clamp(gene, 0, kMaxParam) : 0);
}

CDIBSection MutafluxPreview(const CMutafluxPattern& pattern, int width, int height) {
  CDIBSection picture;
  if (!picture.Create(width, height, 32)) return picture;
  for (int y = 0; y < height; ++y) {
    uint8_t* p = picture.RowFromBottom(y) + 3;
    for (int x = 0; x < width; ++x, p += 4) *p = 255;
  }
  FillMutaflux(picture, pattern.gene, pattern.Words());
  return picture;
}

void CMutafluxBreeder::SetCurrent(const CMutafluxPattern& pattern) {
  m_current = pattern;
  m_centre = MutafluxPreview(pattern, kCentreWidth, kCentreHeight);
}

void CMutafluxBreeder::SetVariant(int i, const CMutafluxPattern& pattern) {
  m_variants[size_t(i)] = pattern;
  m_previews[size_t(i)] = MutafluxPreview(pattern, kCellWidth, kCellHeight);
}

void CMutafluxBreeder::Breed() {
  const int range = BreedRange(m_current.gene);
  for (int i = 0; i < kVariantCount; ++i) {
    CMutafluxPattern child = m_current;
    for (int& p : child.params) p = std::clamp(p + m_random.U(range) - range / 2, 0, kMaxParam);
    SetVariant(i, child);
  }
}

void CMutafluxBreeder::Roll() {
  for (int i = 0; i < kVariantCount; ++i) {
    CMutafluxWords words;
    words.a = uint32_t(m_random.U(kMaxWord));
    words.b = uint32_t(m_random.U(kMaxWord));
    words.c = uint32_t(m_random.U(kMaxWord));
    SetVariant(i, CMutafluxPattern::FromWords(words, RolledGene(m_random)));
  }
}

int CMutafluxBreeder::VariantAtCell(int column, int row) {
  for (int i = 0; i < kVariantCount; ++i)
    if (kCellOfVariant[i][0] == column && kCellOfVariant[i][1] == row) return i;
  return -1;
}

void CMutafluxBreeder::CellOfVariant(int i, int* column, int* row) {
  i = std::clamp(i, 0, kVariantCount - 1);
  *column = kCellOfVariant[i][0];
  *row = kCellOfVariant[i][1];
}

CMutafluxBreeder::Click CMutafluxBreeder::ClickAt(int x, int y, int* picked) {
  if (x > kCellWidth && x < kCellWidth * 3 && y > kCellHeight && y < kCellHeight * 3) {
    Breed();
    return Click::kBred;
  }
  if (x < 0 || y < 0) return Click::kIgnored;
  const int i = VariantAtCell(x / kCellWidth, y / kCellHeight);
  if (i < 0) return Click::kIgnored;
  SetCurrent(m_variants[size_t(i)]);
  if (picked) *picked = i;
  return Click::kPicked;
}

}  // namespace tessel
