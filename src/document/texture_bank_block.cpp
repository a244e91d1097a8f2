#include "document/texture_bank_block.h"

#include <cstring>

#include "base/archive.h"
#include "render/texture_bank.h"

namespace tessel {

namespace {
constexpr int kStoredBytesPerPixel = 3;

bool Stored(const CTextureEntry& e) { return e.category == "TXT" || e.category == "SKN" || e.category == "BUM"; }
}  // namespace

void WriteTextureBankBlock(CArchive& ar, const CTextureBank& bank) {
  uint32_t count = 0;
  for (const auto& e : bank.Entries()) count += Stored(e) ? 1 : 0;
  ar.WriteU32(count);
  for (const auto& e : bank.Entries()) {
    if (!Stored(e)) continue;
    const CDIBSection& pic = e.picture;
    const int rowBytes = pic.Width() * kStoredBytesPerPixel;
    ar.WriteString(e.name);
    ar.WriteU32(uint32_t(pic.Width()));
    ar.WriteU32(uint32_t(pic.Height()));
    ar.WriteU32(uint32_t(rowBytes) * uint32_t(pic.Height()));
    // Rows go out without the four-byte padding of the bitmap in memory.
    for (int y = 0; y < pic.Height(); ++y) ar.WriteBytes(pic.RowFromBottom(y), size_t(rowBytes));
    ar.WriteU32(0);
    ar.WriteString(e.category);
    ar.WriteEndMarker();
  }
  ar.WriteEndMarker();
}

void ReadTextureBankBlock(CArchive& ar, CTextureBank& bank) {
  bank.Clear();
  const uint32_t count = ar.ReadU32();
  ar.CheckCount(count, 16);
  for (uint32_t i = 0; i < count; ++i) {
    std::string name = ar.ReadString();
    const uint32_t width = ar.ReadU32(), height = ar.ReadU32(), bytes = ar.ReadU32();
    ar.CheckCount(bytes, 1);
    CDIBSection pic;
    if (bytes != 0 || (width != 0 && height != 0)) {
      if (uint64_t(width) * height * kStoredBytesPerPixel != bytes || !pic.Create(int(width), int(height), 24))
        throw CArchiveException("Texture " + name + " has a size that does not fit its data");
      const size_t rowBytes = size_t(width) * kStoredBytesPerPixel;
      for (int y = 0; y < int(height); ++y) ar.ReadBytes(pic.RowFromBottom(y), rowBytes);
    }
    std::string category;
    if (ar.ReadU32() != CArchive::kEndMarker) {
      category = ar.ReadString();
      ar.ReadU32();  // end marker of the entry
    }
    bank.Add(name, category, std::move(pic));
  }
  ar.ReadU32();  // end marker of the block
}

}  // namespace tessel
