// tessel-make-samples: builds the sample projects shipped in data/Samples and, on
// request, a handful of small project files that seed the project-reader fuzzer.
//
//   tessel-make-samples [SAMPLES_DIR]      writes every sample into SAMPLES_DIR
//                                          (default: data/Samples of the source tree)
//   tessel-make-samples --fuzz-seeds DIR   writes small seed projects into DIR
//
// The object identities are drawn from a generator seeded with a fixed value, so the
// files come out the same on every run.
#include <cstdio>
#include <cstring>
#include <string>

#include "base/app_context.h"
#include "base/user_messages.h"
#include "document/project_file.h"
#include "sample_util.h"

using namespace tessel;
using namespace tessel::samples;

namespace {
constexpr uint32_t kIdentitySeed = 20240601;

// Welcome first: the run script opens the first sample.
const Sample kSamples[] = {{"Welcome.tsl", BuildWelcome},       {"Bevels.tsl", BuildBevels},
                           {"Effects.tsl", BuildEffects},       {"Lenses.tsl", BuildLenses},
                           {"Blend Modes.tsl", BuildBlendModes}, {"Textures.tsl", BuildTextures},
                           {"Mutaflux.tsl", BuildMutaflux},     {"Text.tsl", BuildText},
                           {"Packages.tsl", BuildPackages},     {"Poster.tsl", BuildPoster}};
}  // namespace

int main(int argc, char** argv) {
  CAppContext ctx;
  ctx.Random().seed(kIdentitySeed);

  if (argc == 3 && std::strcmp(argv[1], "--fuzz-seeds") == 0) return WriteFuzzSeeds(argv[2]) ? 0 : 1;
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fprintf(stderr, "usage: tessel-make-samples [SAMPLES_DIR]\n"
                         "       tessel-make-samples --fuzz-seeds DIR\n");
    return 2;
  }
  const std::string dir = argc == 2 ? argv[1] : TESSEL_SAMPLES_DIR;
  for (const Sample& sample : kSamples) {
    CVellumDoc doc;
    sample.build(doc);
    const std::string path = dir + "/" + sample.file;
    if (!SaveProjectFile(doc, path)) {
      for (const std::string& m : static_cast<CRecordingMessages&>(App().Messages()).MessageTexts())
        std::fprintf(stderr, "tessel-make-samples: %s\n", m.c_str());
      return 1;
    }
    std::printf("%s: %d objects\n", path.c_str(), doc.ObjectCount());
  }
  return 0;
}
