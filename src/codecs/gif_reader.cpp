// GIF through giflib: the first frame only, placed on the logical screen, with the
// transparent index of its graphic control extension read as alpha 0. Records are read
// one by one (not with DGifSlurp) so that the frames after the first are never decoded;
// interlaced rows are put in place here.
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "base/dib_section.h"
#include "codecs/format_readers.h"

namespace tessel::codecs {

namespace {

struct CGifSource {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

int ReadProc(GifFileType* gif, GifByteType* buf, int n) {
  auto* src = static_cast<CGifSource*>(gif->UserData);
  if (n <= 0) return 0;
  const size_t count = std::min(size_t(n), src->size - src->pos);
  std::memcpy(buf, src->data + src->pos, count);
  src->pos += count;
  return int(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int err = 0;
    DGifCloseFile(gif, &err);
  }
};

std::string Reason(int code) {
  if (code == D_GIF_ERR_READ_FAILED || code == D_GIF_ERR_EOF_TOO_SOON) return "Truncated GIF file";
  const char* text = GifErrorString(code);
  return std::string("Damaged GIF file: ") + (text ? text : "unknown error");
}

}  // namespace

bool ReadGif(const uint8_t* data, size_t size, CDIBSection& out, std::string* error) {
  CGifSource src{data, size, 0};
  int err = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&src, ReadProc, &err));
  if (!gif) return Fail(error, Reason(err));
  GifFileType* g = gif.get();
  int transparent = -1;
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(g, &record) == GIF_ERROR) return Fail(error, Reason(g->Error));
    if (record == TERMINATE_RECORD_TYPE) return Fail(error, "GIF file without a picture");
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* ext = nullptr;
      if (DGifGetExtension(g, &code, &ext) == GIF_ERROR) return Fail(error, Reason(g->Error));
      // Graphic control extension: flags, delay (2 bytes), transparent index.
      if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4) transparent = (ext[1] & 1) ? ext[4] : -1;
      while (ext)
        if (DGifGetExtensionNext(g, &ext) == GIF_ERROR) return Fail(error, Reason(g->Error));
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) continue;

    if (DGifGetImageDesc(g) == GIF_ERROR) return Fail(error, Reason(g->Error));
    const GifImageDesc& desc = g->Image;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : g->SColorMap;
    if (!map) return Fail(error, "GIF file without a colour table");
    if (desc.Width <= 0 || desc.Height <= 0 || desc.Left < 0 || desc.Top < 0)
      return Fail(error, "Invalid GIF picture size " + std::to_string(desc.Width) + " x " + std::to_string(desc.Height));
    // The screen grows when the frame does not fit on it.
    const int64_t screenW = std::max<int64_t>(g->SWidth, int64_t(desc.Left) + desc.Width);
    const int64_t screenH = std::max<int64_t>(g->SHeight, int64_t(desc.Top) + desc.Height);
    if (!CDIBSection::SizeAllowed(desc.Width, desc.Height, 32) ||
        uint64_t(desc.Width) * uint64_t(desc.Height) > uint64_t(size) * kMaxPixelsPerByte)
      return Fail(error, "GIF picture too large: " + std::to_string(desc.Width) + " x " + std::to_string(desc.Height));
    if (!CreateChecked(out, screenW, screenH, true, size, "GIF", error)) return false;

    std::array<uint32_t, 256> pal;
    pal.fill(0xFF000000u);
    for (int i = 0; i < std::min(map->ColorCount, 256); ++i) {
      const GifColorType& c = map->Colors[i];
      pal[size_t(i)] = uint32_t(c.Blue) | uint32_t(c.Green) << 8 | uint32_t(c.Red) << 16 | 0xFF000000u;
    }
    if (transparent >= 0) pal[size_t(transparent)] = 0;

    // Interlaced frames store rows 0, 8, 16 ... then 4, 12 ... then 2, 6 ... then 1, 3 ...
    static const int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
    std::vector<GifPixelType> line(size_t(desc.Width));
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
      const int start = desc.Interlace ? kStart[pass] : 0, step = desc.Interlace ? kStep[pass] : 1;
      for (int y = start; y < desc.Height; y += step) {
        if (DGifGetLine(g, line.data(), desc.Width) == GIF_ERROR) {
          out.Release();
          return Fail(error, Reason(g->Error));
        }
        auto* d = reinterpret_cast<uint8_t*>(out.RowFromTop(desc.Top + y)) + 4 * size_t(desc.Left);
        for (int x = 0; x < desc.Width; ++x) std::memcpy(d + 4 * x, &pal[line[size_t(x)]], 4);
      }
    }
    // The record after the frame must be there too: a file cut right after the
    // picture data is truncated.
    if (DGifGetRecordType(g, &record) == GIF_ERROR) {
      out.Release();
      return Fail(error, Reason(g->Error));
    }
    return true;
  }
}

}  // namespace tessel::codecs
