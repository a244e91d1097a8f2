// libFuzzer target for brush files: the input is read as a .brs library and as a single
// .br1 brush record. A damaged file must end in CArchiveException (the message path),
// never in a crash, a sanitizer report or a huge allocation; a brush that loads must
// survive building its dab and stamping it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/archive.h"
#include "paint/brush.h"
#include "paint/brush_library.h"

using namespace tessel;

namespace {

void Exercise(CBrush& b) {
  b.Build(kLibraryPreviewSide);
  b.SetColour(0x123456);
  (void)b.DabStep();
  for (int angle = 0; angle < 360; angle += 45) (void)b.NextDab(angle);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  try {
    CArchive ar(bytes);
    std::vector<CBrush> brushes = ReadBrushList(ar);
    for (CBrush& b : brushes) Exercise(b);
  } catch (const CArchiveException&) {
  }
  try {
    CArchive ar(bytes);
    CBrush b;
    b.Load(ar);
    Exercise(b);
  } catch (const CArchiveException&) {
  }
  return 0;
}
