#include "mutaflux/mutaflux_generator.h"

#include "mutaflux/mutaflux_genes.h"

namespace tessel {

using namespace mutaflux;

namespace {
// Genes above 13 use gene 0's formula.
int FormulaOf(int32_t gene) { return gene < MutafluxGenerator::kGeneCount ? int(gene) : 0; }
}  // namespace

void MutafluxGenerator::SetTarget(uint8_t* pixels, int width, int height) {
  m_pixels = pixels;
  m_width = width;
  m_height = height;
}

void MutafluxGenerator::SetParams(uint32_t a, uint32_t b, uint32_t c) {
  const uint32_t words[3] = {a, b, c};
  // P0..P7 are the low three bytes of A and B and the low two of C.
  for (int k = 0; k < kParamCount; ++k) m_params[k] = int((words[k / 3] >> (8 * (k % 3))) & 0xFF);
}

void MutafluxGenerator::SetParam(int k, int value) {
  if (k < 0 || k >= kParamCount) return;
  m_params[k] = value < 0 ? 0 : value > 255 ? 255 : value;
}

int MutafluxGenerator::GetParam(int k) const { return k < 0 || k >= kParamCount ? 0 : m_params[k]; }

CMutafluxWords MutafluxGenerator::Words(int gene) const {
  uint32_t words[3] = {0, 0, uint32_t(gene & 0xFF) << 16};
  for (int k = 0; k < kParamCount; ++k) words[k / 3] |= uint32_t(m_params[k]) << (8 * (k % 3));
  return {words[0], words[1], words[2]};
}

void MutafluxGenerator::SetGene(int32_t gene) { m_gene = gene < 0 ? 0 : gene; }

int32_t MutafluxGenerator::Register(int i) const { return i < 0 || i >= kRegisterCount ? 0 : m_registers[i]; }

void MutafluxGenerator::Generate() {
  if (!m_pixels) return;
  m_registers.fill(0);
  if (m_width < 1 || m_height < 1) return;
  const CGeneFrame f{m_pixels, m_width, m_height, m_params.data(), m_registers.data()};
  const int gene = FormulaOf(m_gene);
  const CChannelOrder order = kGeneChannels[gene];
  switch (gene) {
    case 1:
    case 8:
    case 13: return RunGene1(f, order);
    case 2:
    case 12: return RunGene2(f, order);
    case 3: return RunGene3(f);
    case 4:
    case 5:
    case 6: return RunGene4(f, gene);
    case 7: return RunGene7(f);
    case 9: return RunGene9(f);
    default: return RunGene0(f, order);  // 0, 10, 11
  }
}

void MutafluxGenerator::GenerateReference() {
  if (!m_pixels) return;
  m_registers.fill(0);
  const CGeneFrame f{m_pixels, m_width, m_height, m_params.data(), m_registers.data()};
  const int gene = FormulaOf(m_gene);
  for (int y = 0; y < m_height; ++y)
    for (int x = 0; x < m_width; ++x) ReferencePixel(f, gene, x, y);
}

}  // namespace tessel
