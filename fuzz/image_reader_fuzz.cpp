// libFuzzer target for the image loader: every input is taken as the bytes of an image
// file of any format. Damaged data must end in a refusal with a reason and an empty
// bitmap, never in a crash, a sanitizer report, a leak or a runaway allocation.
//
//   scripts/fuzz.sh --target image_reader [SECONDS]
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/dib_section.h"
#include "codecs/image_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tessel::CDIBSection out;
  std::string error;
  const bool ok = tessel::ReadImageMemory(data, size, out, &error);
  // The contract: success gives pixels, failure gives a reason and nothing else.
  if (ok ? out.IsEmpty() || out.BitsPerPixel() != 32 : error.empty() || !out.IsEmpty()) __builtin_trap();
  return 0;
}
