// libFuzzer target for Editable Rich JPG files: every input is taken as the bytes of a
// .jpg file; the trailer is looked for and, when one holds together, the project inside
// is read into a fresh document under a fresh application context, as opening the file
// does. Lying lengths must end in a refusal, never in a crash, a sanitizer report, a
// leak or a runaway allocation.
//
//   scripts/fuzz.sh --target rich_jpeg [SECONDS]
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/app_context.h"
#include "document/vellum_doc.h"
#include "export/open_document.h"
#include "export/rich_jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tessel::CAppContext context;  // in-memory profile, recording messages, no folders
  std::vector<uint8_t> project;
  if (tessel::ExtractRichProject(data, size, &project) != tessel::RichJpegResult::kProject) return 0;
  tessel::CVellumDoc doc;
  tessel::LoadProjectBytes(doc, std::move(project), "fuzz.jpg");
  return 0;
}
