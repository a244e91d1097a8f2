// Writing PSD files: big-endian words, PackBits rows, lengths patched once the data
// they cover has been written.
#include "export/psd_writer.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "base/program_constants.h"
#include "base/safe_file.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "render/compositor.h"

namespace tessel {

namespace {
constexpr size_t kMaxPiece = 127;  // source bytes per PackBits piece
constexpr int kChannels = 4;
constexpr uint16_t kTransparencyChannel = 0xFFFF;
constexpr uint32_t kExtraDataLength = 92;
constexpr uint32_t kBlendingRangesLength = 40;
constexpr size_t kNameLength = 24;
constexpr int kLayerIdBase = 2;
constexpr uint16_t kRle = 1;
constexpr uint16_t kModeRgb = 3;
// Picture channels in file order: red, green, blue, alpha.
constexpr int kChannelByte[kChannels] = {kRed, kGreen, kBlue, kAlpha};
constexpr uint16_t kChannelId[kChannels] = {0, 1, 2, kTransparencyChannel};

class BigEndianOut {
 public:
  explicit BigEndianOut(std::vector<uint8_t>& out) : m_out(out) {}
  void U8(uint8_t v) { m_out.push_back(v); }
  void U16(uint16_t v) { U8(uint8_t(v >> 8)), U8(uint8_t(v)); }
  void U32(uint32_t v) { U16(uint16_t(v >> 16)), U16(uint16_t(v)); }
  void Text(const char* s) { while (*s) U8(uint8_t(*s++)); }
  // Reserves a u32 to be patched with Patch32 and returns its position.
  size_t Hole32() { U32(0); return m_out.size() - 4; }
  void Patch32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) m_out[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
  }
  void Patch16(size_t at, uint16_t v) { m_out[at] = uint8_t(v >> 8), m_out[at + 1] = uint8_t(v); }
  size_t Size() const { return m_out.size(); }
  std::vector<uint8_t>& Bytes() { return m_out; }

 private:
  std::vector<uint8_t>& m_out;
};

// One channel of a picture as packed rows (top row first) with their byte counts.
void PackChannel(const CDIBSection& bmp, int channelByte, std::vector<uint8_t>& row, std::vector<uint16_t>& counts,
                 std::vector<uint8_t>& packed) {
  const int w = bmp.Width();
  row.resize(size_t(w));
  for (int y = 0; y < bmp.Height(); ++y) {
    const uint8_t* p = bmp.RowFromTop(y) + channelByte;
    for (int x = 0; x < w; ++x, p += 4) row[size_t(x)] = *p;
    counts.push_back(uint16_t(PackBitsRow(row.data(), row.size(), packed)));
  }
}

// Layer channel data: per channel the compression word, the row table and the rows.
// Returns the length of each channel's data.
std::array<uint32_t, kChannels> WriteLayerChannels(BigEndianOut& out, const CDIBSection& bmp) {
  std::array<uint32_t, kChannels> lengths{};
  std::vector<uint8_t> row, packed;
  std::vector<uint16_t> counts;
  for (int c = 0; c < kChannels; ++c) {
    counts.clear(), packed.clear();
    PackChannel(bmp, kChannelByte[c], row, counts, packed);
    const size_t start = out.Size();
    out.U16(kRle);
    for (uint16_t n : counts) out.U16(n);
    out.Bytes().insert(out.Bytes().end(), packed.begin(), packed.end());
    lengths[size_t(c)] = uint32_t(out.Size() - start);
  }
  return lengths;
}

// The layer record; returns the positions of the four channel lengths to patch.
std::array<size_t, kChannels> WriteLayerRecord(BigEndianOut& out, const CPsdLayer& layer, int index) {
  const int w = layer.bitmap->Width(), h = layer.bitmap->Height();
  out.U32(uint32_t(layer.top)), out.U32(uint32_t(layer.left));
  out.U32(uint32_t(layer.top + h)), out.U32(uint32_t(layer.left + w));
  out.U16(kChannels);
  std::array<size_t, kChannels> holes{};
  for (int c = 0; c < kChannels; ++c) {
    out.U16(kChannelId[c]);
    holes[size_t(c)] = out.Hole32();
  }
  out.Text("8BIM");
  out.Text(PsdBlendKey(layer.blendMode));
  out.U8(255), out.U8(0), out.U8(0), out.U8(0);  // opacity, clipping, flags, filler
  out.U32(kExtraDataLength);
  out.U32(0);  // no layer mask
  out.U32(kBlendingRangesLength);
  for (uint32_t i = 0; i < kBlendingRangesLength / 4; ++i) out.U8(0), out.U8(0), out.U8(0xFF), out.U8(0xFF);
  std::string name = layer.name.substr(0, kNameLength);
  name.resize(kNameLength, ' ');
  out.U8(uint8_t(kNameLength));
  out.Text(name.c_str());
  out.U8(0), out.U8(0), out.U8(0);
  out.Text("8BIM"), out.Text("lyid");
  out.U32(4), out.U32(uint32_t(index + kLayerIdBase));
  return holes;
}

void WriteLayerInfo(BigEndianOut& out, const std::vector<CPsdLayer>& layers) {
  const size_t infoLength = out.Hole32();
  out.U16(uint16_t(layers.size()));
  std::vector<std::array<size_t, kChannels>> holes;
  for (size_t i = 0; i < layers.size(); ++i) holes.push_back(WriteLayerRecord(out, layers[i], int(i)));
  for (size_t i = 0; i < layers.size(); ++i) {
    const auto lengths = WriteLayerChannels(out, *layers[i].bitmap);
    for (int c = 0; c < kChannels; ++c) out.Patch32(holes[i][size_t(c)], lengths[size_t(c)]);
  }
  if ((out.Size() - infoLength - 4) % 2) out.U8(0);
  out.Patch32(infoLength, uint32_t(out.Size() - infoLength - 4));
}

void WriteMergedImage(BigEndianOut& out, const CDIBSection& merged) {
  out.U16(kRle);
  const size_t table = out.Size();
  for (int i = 0; i < merged.Height() * kChannels; ++i) out.U16(0);
  std::vector<uint8_t> row, packed;
  std::vector<uint16_t> counts;
  for (int c = 0; c < kChannels; ++c) PackChannel(merged, kChannelByte[c], row, counts, packed);
  for (size_t i = 0; i < counts.size(); ++i) out.Patch16(table + 2 * i, counts[i]);
  out.Bytes().insert(out.Bytes().end(), packed.begin(), packed.end());
}

bool SideAllowed(const CDIBSection& bmp) { return bmp.Width() <= kPsdMaxSide && bmp.Height() <= kPsdMaxSide; }
}  // namespace

size_t PackBitsRow(const uint8_t* row, size_t count, std::vector<uint8_t>& out) {
  const size_t start = out.size();
  size_t i = 0;
  while (i < count) {
    size_t run = 1;
    while (i + run < count && run < kMaxPiece && row[i + run] == row[i]) ++run;
    if (run >= 3 || (run == 2 && i + run == count)) {
      out.push_back(uint8_t(1 - int(run)));  // repeat: -(n - 1)
      out.push_back(row[i]);
      i += run;
      continue;
    }
    // A literal piece runs until three equal bytes start or the piece is full.
    size_t n = 0;
    while (i + n < count && n < kMaxPiece) {
      if (i + n + 2 < count && row[i + n] == row[i + n + 1] && row[i + n] == row[i + n + 2]) break;
      ++n;
    }
    out.push_back(uint8_t(n - 1));
    out.insert(out.end(), row + i, row + i + n);
    i += n;
  }
  if ((out.size() - start) % 2) out.push_back(0);
  return out.size() - start;
}

const char* PsdBlendKey(int blendMode) {
  static const char* const kKeys[] = {"norm", "mul ", "diff", "scrn", "over", "dark", "lite", "hLit", "sLit"};
  return blendMode >= 0 && blendMode < int(std::size(kKeys)) ? kKeys[blendMode] : "norm";
}

std::vector<CPsdLayer> BuildPsdLayers(const CVellumDoc& doc) {
  std::vector<CPsdLayer> layers;
  for (const auto& o : doc.m_objects) {
    if (o->m_hidden) continue;
    int left = 0, top = 0;
    if (ShadowOrigin(*o, &left, &top) && !o->m_shadowBitmap.IsEmpty())
      layers.push_back({&o->m_shadowBitmap, left, top, "Shadow " + o->m_name, 0});
    if (!o->m_bitmap.IsEmpty()) layers.push_back({&o->m_bitmap, o->m_left, o->m_top, o->m_name, o->m_shadowOption});
  }
  return layers;
}

bool EncodePsd(const std::vector<CPsdLayer>& layers, const CDIBSection& merged, std::vector<uint8_t>& bytes,
               std::string* error) {
  const auto fail = [&](const std::string& why) { if (error) *error = why; return false; };
  if (merged.BitsPerPixel() != 32 || !SideAllowed(merged))
    return fail("A Photoshop file holds at most 30000 x 30000 pixels.");
  for (const auto& l : layers)
    if (!l.bitmap || l.bitmap->BitsPerPixel() != 32 || !SideAllowed(*l.bitmap))
      return fail("The layer \"" + l.name + "\" is larger than a Photoshop file allows.");
  if (layers.size() > 0xFFFF) return fail("Too many layers for a Photoshop file.");
  bytes.clear();
  BigEndianOut out(bytes);
  out.Text("8BPS");
  out.U16(1);
  for (int i = 0; i < 6; ++i) out.U8(0);
  out.U16(kChannels);
  out.U32(uint32_t(merged.Height())), out.U32(uint32_t(merged.Width()));
  out.U16(8), out.U16(kModeRgb);
  out.U32(0), out.U32(0);  // colour mode data, image resources
  const size_t sectionLength = out.Hole32();
  if (!layers.empty()) {
    WriteLayerInfo(out, layers);
    out.U32(0);  // global layer mask
  }
  out.Patch32(sectionLength, uint32_t(out.Size() - sectionLength - 4));
  WriteMergedImage(out, merged);
  return true;
}

bool WritePsd(CVellumDoc& doc, const std::string& path, std::string* error) {
  CDIBSection merged;
  if (doc.m_width > kPsdMaxSide || doc.m_height > kPsdMaxSide) {
    if (error) *error = "A Photoshop file holds at most 30000 x 30000 pixels.";
    return false;
  }
  if (!ComposeDocument(doc, 1, CompositeOptions{}, merged)) {
    if (error) *error = "Not enough memory";
    return false;
  }
  std::vector<uint8_t> bytes;
  if (!EncodePsd(BuildPsdLayers(doc), merged, bytes, error)) return false;
  std::string why;
  if (!WriteFileSafely(path, bytes.data(), bytes.size(), &why)) {
    if (error) *error = "Can't create the file";
    return false;
  }
  return true;
}

}  // namespace tessel
