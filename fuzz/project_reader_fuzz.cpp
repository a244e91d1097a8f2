// libFuzzer target for the project reader: every input is taken as the bytes of a .tsl
// file and read into a fresh document under a fresh application context, as opening a
// file does. Damaged data must end in CArchiveException or a refusal, never in a crash,
// a sanitizer report, a leak or a runaway allocation.
//
//   scripts/fuzz.sh [SECONDS]
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/app_context.h"
#include "base/archive.h"
#include "document/project_file.h"
#include "document/vellum_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tessel::CAppContext context;  // in-memory profile, recording messages, no folders
  tessel::CVellumDoc doc;
  tessel::CArchive ar(std::vector<uint8_t>(data, data + size));
  try {
    tessel::ReadProject(ar, doc);
  } catch (const tessel::CArchiveException&) {
    // A truncated or impossible file: the load ends here and the document is dropped.
  }
  return 0;
}
