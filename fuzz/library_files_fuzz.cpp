// libFuzzer target for the library files: every input is written to a scratch file and
// read as a style or object file (one object record) and as a gene library (.dna), whose
// gene entries are then split. Damaged data must end in a refusal, never in a crash, a
// sanitizer report, a leak or a runaway allocation.
//
//   scripts/fuzz.sh [SECONDS]
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "library/library_files.h"
#include "mutaflux/gene_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/tessel_library_fuzz_" + std::to_string(::getpid());
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  tessel::CAppContext context;
  std::string error;
  (void)tessel::ReadObjectFile(path, &error);
  std::vector<std::string> entries;
  if (tessel::ReadGeneLibrary(path, &entries, &error)) {
    std::string name;
    tessel::CMutafluxWords words;
    for (const std::string& e : entries) tessel::ParseGeneEntry(e, &name, &words);
  }
  return 0;
}
