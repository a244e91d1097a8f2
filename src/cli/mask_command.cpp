// tessel-cli mask: the coverage mask of one object as an 8-bit grey PNG.
#include <cstdio>

#include "cli/cli_app.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "io/png_writer.h"
#include "render/coverage_mask.h"

namespace tessel::cli {

int RunMask(CliArgs& args, const CliOptions& opt) {
  const auto index = args.Int("--object", 0, 1 << 30);
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 2 || !index) return UsageError("mask takes a project file, --object N and an output PNG");
  CliApp app(opt);
  CVellumDoc doc;
  if (!LoadProject(doc, pos[0])) return kExitFailure;
  CDrawObject* object = doc.ObjectAt(int(*index));
  if (!object) {
    std::fprintf(stderr, "The project has %d objects; there is no object %ld.\n", doc.ObjectCount(), *index);
    return kExitFailure;
  }
  CCoverageMask mask;
  PrepareCoverageMask(*object, mask);
  std::string error;
  if (!WritePngGray(pos[1], mask.bytes.data(), mask.width, mask.height, mask.width, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tessel::cli
