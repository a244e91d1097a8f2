// Gene 9: sines of sines of the position. With u and v running from -511 at the first
// column and row to 512 at the last (u = Lerp(x, 0, w-1, -511, 512), v likewise; a
// buffer one pixel wide or high has u or v = 512 throughout) and k = S(0, 2, 255):
//   blue  = Lerp(Sin512(Sin512(Sin512(u+2k) + Sin512(v+4k)) - Sin512(Sin512(u+8k) + Sin512(v+16k))) / 2,
//                0, 255, 0, S(1,1,255))
//   green = Lerp(Sin512(Sin512(Sin512(u+2k) + Sin512(v+4k)) - Sin512(Sin512(v+8k) + Sin512(u+4k))) / 2,
//                0, 255, 0, S(2,1,255))
//   red   = Lerp(Sin512(Sin512(Sin512(v+2k) + Sin512(u+8k)) - Sin512(Sin512(u+4k) + Sin512(v+16k))) / 2,
//                0, 255, 0, S(3,1,255))
// The innermost sines depend on x or y alone and are taken once per column or row.
#include <vector>

#include "mutaflux/mutaflux_genes.h"
#include "mutaflux/mutaflux_trig.h"

namespace tessel::mutaflux {

void RunGene9(const CGeneFrame& f) {
  const int* P = f.p;
  const CStepTrig trig = CStepTrig::Get();
  const int32_t w = f.width, h = f.height;
  const int32_t k = ScaleParam(P[0], 2, 255);
  const CFixedLerp blue(0, 255, 0, ScaleParam(P[1], 1, 255)), green(0, 255, 0, ScaleParam(P[2], 1, 255));
  const CFixedLerp red(0, 255, 0, ScaleParam(P[3], 1, 255));

  // Sin512(u + 2k), Sin512(u + 4k), Sin512(u + 8k) of each column.
  std::vector<int32_t> columns(size_t(w) * 3);
  for (int32_t x = 0; x < w; ++x) {
    const int32_t u = Lerp(x, 0, w - 1, -511, 512);
    columns[size_t(x) * 3 + 0] = trig.Sin512(u + 2 * k);
    columns[size_t(x) * 3 + 1] = trig.Sin512(u + 4 * k);
    columns[size_t(x) * 3 + 2] = trig.Sin512(u + 8 * k);
  }
  for (int32_t y = 0; y < h; ++y) {
    uint8_t* px = f.Row(y);
    const int32_t v = Lerp(y, 0, h - 1, -511, 512);
    const int32_t v2 = trig.Sin512(v + 2 * k), v4 = trig.Sin512(v + 4 * k);
    const int32_t v8 = trig.Sin512(v + 8 * k), v16 = trig.Sin512(v + 16 * k);
    const int32_t* c = columns.data();
    for (int32_t x = 0; x < w; ++x, px += 4, c += 3) {
      const int32_t u2 = c[0], u4 = c[1], u8 = c[2];
      const int32_t shared = trig.Sin512(u2 + v4);
      WriteChannel(px, kBlue, blue(trig.Sin512(shared - trig.Sin512(u8 + v16)) / 2));
      WriteChannel(px, kGreen, green(trig.Sin512(shared - trig.Sin512(v8 + u4)) / 2));
      WriteChannel(px, kRed, red(trig.Sin512(trig.Sin512(v2 + u8) - trig.Sin512(u4 + v16)) / 2));
    }
  }
}

}  // namespace tessel::mutaflux
