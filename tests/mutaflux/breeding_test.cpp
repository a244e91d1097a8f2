#include <gtest/gtest.h>

#include <set>

#include "mutaflux/breed_random.h"
#include "mutaflux/mutaflux_breeding.h"

namespace tessel {
namespace {

TEST(Breeding, RandomNumbersAndTheURule) {
  CBreedRandom r(1);
  EXPECT_EQ(r.Next(), 41);  // the C library's sequence for seed 1
  EXPECT_EQ(r.Next(), 18467);
  EXPECT_EQ(r.Next(), 6334);
  // U(n) = trunc(rand / 32767 * n + 0.5): from the fourth value 26500 on.
  CBreedRandom u(1);
  for (int i = 0; i < 3; ++i) u.Next();
  EXPECT_EQ(u.U(100), 81);  // 26500 / 32767 * 100 = 80.87
  std::set<int> seen;
  for (int i = 0; i < 4000; ++i) seen.insert(u.U(3));
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3}));
}

TEST(Breeding, BredParametersMoveByTheGenesRange) {
  for (int gene : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 9, 13}) {
    CMutafluxBreeder breeder(uint32_t(gene + 100));
    CMutafluxPattern mid;
    mid.params.fill(128);
    mid.gene = gene;
    breeder.SetCurrent(mid);
    const int limit = (gene <= 0 || (gene >= 4 && gene <= 6)) ? 25 : 50;
    int widest = 0;
    for (int round = 0; round < 20; ++round) {
      breeder.Breed();
      for (int i = 0; i < CMutafluxBreeder::kVariantCount; ++i) {
        EXPECT_EQ(breeder.Variant(i).gene, gene);
        for (int p : breeder.Variant(i).params) widest = std::max(widest, std::abs(p - 128));
      }
    }
    EXPECT_EQ(widest, limit) << "gene " << gene;
  }
  // Parameters stay within 0..255.
  CMutafluxBreeder edge(5);
  CMutafluxPattern high;
  high.params.fill(250);
  high.gene = 2;
  edge.SetCurrent(high);
  edge.Breed();
  for (int i = 0; i < 12; ++i)
    for (int p : edge.Variant(i).params) EXPECT_LE(p, 255);
}

TEST(Breeding, RollingAvoidsGenesSevenToNine) {
  CMutafluxBreeder breeder(77);
  std::set<int> genes;
  for (int round = 0; round < 60; ++round) {
    breeder.Roll();
    for (int i = 0; i < 12; ++i) {
      genes.insert(breeder.Variant(i).gene);
      EXPECT_EQ(breeder.VariantPreview(i).Width(), 70);
      EXPECT_EQ(breeder.VariantPreview(i).Height(), 50);
    }
  }
  EXPECT_EQ(genes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13}));
  // The same seed replays the same variants.
  CMutafluxBreeder a(9), b(9);
  a.Roll();
  b.Roll();
  for (int i = 0; i < 12; ++i) EXPECT_EQ(a.Variant(i).params, b.Variant(i).params);
}

TEST(Breeding, ClicksPickBreedOrAreIgnored) {
  const int expected[4][4] = {{0, 1, 2, 3}, {11, -1, -1, 4}, {10, -1, -1, 5}, {9, 8, 7, 6}};
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col) EXPECT_EQ(CMutafluxBreeder::VariantAtCell(col, row), expected[row][col]);

  CMutafluxBreeder breeder(3);
  breeder.SetCurrent(CMutafluxPattern::FromWords({0x010203, 0x040506, 0x0708}, 2));
  breeder.Roll();
  std::array<CMutafluxPattern, 12> before;
  for (int i = 0; i < 12; ++i) before[size_t(i)] = breeder.Variant(i);
  int picked = -1;
  EXPECT_EQ(breeder.ClickAt(3 * 70 + 5, 1 * 50 + 10, &picked), CMutafluxBreeder::Click::kPicked);
  EXPECT_EQ(picked, 4);
  EXPECT_EQ(breeder.Current().params, before[4].params);
  EXPECT_EQ(breeder.Current().gene, before[4].gene);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(breeder.Variant(i).params, before[size_t(i)].params);
  EXPECT_EQ(breeder.CentrePreview().Width(), 140);

  // The centre's edge is no centre; outside the preview nothing happens.
  for (auto [x, y] : std::vector<std::pair<int, int>>{{70, 60}, {100, 50}, {-5, 10}, {285, 10}, {10, 205}})
    EXPECT_EQ(breeder.ClickAt(x, y), CMutafluxBreeder::Click::kIgnored) << x << "," << y;
  EXPECT_EQ(breeder.ClickAt(71, 51), CMutafluxBreeder::Click::kBred);
  EXPECT_EQ(breeder.Variant(0).gene, before[4].gene);
}

}  // namespace
}  // namespace tessel
