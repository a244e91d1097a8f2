// MutafluxGenerator: fills a 32-bit pixel buffer with one of fourteen procedural
// colour patterns (genes 0 to 13), shaped by eight byte-sized parameters P0..P7.
//
//   MutafluxGenerator gen;
//   gen.SetTarget(pixels, width, height);   // 4 bytes a pixel: blue, green, red, alpha
//   gen.SetParams(a, b, c);                 // the three packed words
//   gen.SetGene(gene);
//   gen.Generate();                         // alpha bytes are left as they are
//
// Pixel (x, y) lives at byte offset (width · y + x) · 4: y counts memory rows, whichever
// way up the owner shows them. Pixels are visited row by row from y = 0, left to right,
// and a register file of 256 integers is carried from pixel to pixel (gene 0 reads the
// previous pixel's values), so the result depends on that order.
#pragma once

#include <array>
#include <cstdint>

namespace tessel {

// The parameters and gene as three 32-bit words: A holds P0, P1, P2 in bits 0-7, 8-15,
// 16-23; B holds P3, P4, P5; C holds P6, P7 and, in gene libraries, the gene number in
// bits 16-23.
struct CMutafluxWords {
  uint32_t a = 0;
  uint32_t b = 0;
  uint32_t c = 0;
};

class MutafluxGenerator {
 public:
  static constexpr int kParamCount = 8;
  static constexpr int kRegisterCount = 256;
  // Genes 0..13 have formulas of their own; higher numbers use gene 0's.
  static constexpr int kGeneCount = 14;

  // Sets the buffer (width × height pixels of 4 bytes); nothing is copied or allocated.
  void SetTarget(uint8_t* pixels, int width, int height);
  // Unpacks P0..P7 from the three words; bits 16-23 of c (the gene) are ignored.
  void SetParams(uint32_t a, uint32_t b, uint32_t c);
  void SetParams(const CMutafluxWords& words) { SetParams(words.a, words.b, words.c); }
  // Stores value clamped to 0..255 as Pk; k outside 0..7 is ignored.
  void SetParam(int k, int value);
  // Pk, or 0 for k outside 0..7.
  int GetParam(int k) const;
  // Packs P0..P7 into words; gene (0..255) goes into bits 16-23 of c, as libraries keep it.
  CMutafluxWords Words(int gene = 0) const;
  // Stores the gene, negative numbers as 0.
  void SetGene(int32_t gene);
  int32_t Gene() const { return m_gene; }

  // Clears the registers, then runs the gene's formula for every pixel. Does nothing
  // without a buffer.
  void Generate();
  // The same pixels through a plain transcription of every formula, one pixel at a time
  // with nothing precomputed: the reference the fast Generate is tested against.
  void GenerateReference();

  // Register i as the last Generate left it (0 for i outside 0..255).
  int32_t Register(int i) const;

 private:
  /// First byte of the buffer, or null when no buffer is set.
  uint8_t* m_pixels = nullptr;
  /// Buffer size in pixels.
  int m_width = 0;
  int m_height = 0;
  /// Gene number, never negative.
  int32_t m_gene = 0;
  /// P0..P7, each 0..255.
  std::array<int, kParamCount> m_params{};
  /// R[0]..R[255], cleared at the start of each Generate and carried between pixels.
  std::array<int32_t, kRegisterCount> m_registers{};
};

// The gene packed into bits 16-23 of a library's third word.
inline int MutafluxLibraryGene(uint32_t c) { return int((c >> 16) & 0xFF); }

}  // namespace tessel
