// libFuzzer target for the SVG importer: every input is read as SVG text, as the import
// command reads a file. Malformed XML, path data, numbers, colours and transforms must
// end in a refusal or in objects of bounded size, never in a crash, a sanitizer report,
// a leak or a runaway allocation.
//
//   scripts/fuzz.sh --target svg_import [SECONDS]
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/app_context.h"
#include "export/svg_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tessel::CAppContext context;  // in-memory profile, recording messages, no folders
  tessel::ReadSvgText(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
