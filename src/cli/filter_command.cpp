// tessel-cli filter IN OUT.png NAME [key=value ...]
// tessel-cli filter --list
//
// Runs one bitmap filter or colour tweak effect on an image file and writes the result
// as an RGBA PNG. NAME and the keys are compared by their letters and digits only, case
// ignored ("Hue && Saturation", "hue-saturation" and "huesaturation" are the same);
// tweak effect parameters may also be named p0..p7. Values outside a parameter's range
// are clamped to it; "seed=N" seeds the random marks of "Effect -Aged Photo".
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "codecs/image_reader.h"
#include "filters/filter_catalog.h"
#include "filters/tweak_effects.h"
#include "io/png_writer.h"

namespace tessel::cli {

namespace {

std::string FormatValue(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

void PrintList() {
  for (const CFilterEntry& e : FilterCatalog()) {
    std::printf("%s\t\"%s\"", e.key.c_str(), e.name.c_str());
    if (e.tweakSlot >= 0) std::printf("\ttweak slot %d", e.tweakSlot);
    std::printf("\n");
    for (const CFilterParam& p : e.params)
      std::printf("  %s=%s\t(%s..%s%s) \"%s\"\n", p.key.c_str(), FormatValue(p.def).c_str(),
                  FormatValue(p.lo).c_str(), FormatValue(p.hi).c_str(), p.integer ? "" : ", decimal",
                  p.label.c_str());
  }
}

bool ParseNumber(const std::string& text, double* out) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (*end || errno == ERANGE || !std::isfinite(v)) return false;
  *out = v;
  return true;
}

}  // namespace

int RunFilter(CliArgs& args, const CliOptions& opt) {
  const bool list = args.Flag("--list");
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (list) {
    if (!pos.empty()) return UsageError("filter --list takes no other arguments");
    PrintList();
    return kExitOk;
  }
  if (pos.size() < 3) return UsageError("filter takes IN OUT.png NAME [key=value ...] (or --list)");
  const CFilterEntry* filter = FindFilter(pos[2]);
  if (!filter) return UsageError("unknown filter \"" + pos[2] + "\" (tessel-cli filter --list shows them)");
  std::vector<double> values = DefaultValues(*filter);
  uint32_t seed = CTweakEngine::kDefaultSeed;
  for (size_t i = 3; i < pos.size(); ++i) {
    const std::string& arg = pos[i];
    const size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) return UsageError("expected key=value, not \"" + arg + "\"");
    const std::string key = arg.substr(0, eq);
    double v = 0.0;
    if (!ParseNumber(arg.substr(eq + 1), &v)) return UsageError("\"" + arg + "\": the value is not a number");
    if (FilterKey(key) == "seed") {
      if (v < 0 || v > 4294967295.0 || v != std::trunc(v))
        return UsageError("seed needs a whole number 0 to 4294967295");
      seed = uint32_t(v);
      continue;
    }
    const int index = FindParam(*filter, key);
    if (index < 0) return UsageError("\"" + filter->name + "\" has no parameter \"" + key + "\"");
    values[size_t(index)] = ClampParam(filter->params[size_t(index)], v);
  }

  CDIBSection picture;
  std::string error;
  if (!ReadImageFile(pos[0], picture, &error)) {
    std::fprintf(stderr, "tessel-cli: cannot read %s: %s\n", pos[0].c_str(), error.c_str());
    return kExitFailure;
  }
  if (!opt.quiet) std::fprintf(stderr, "Applying %s\n", filter->name.c_str());
  if (!filter->run(picture, values, seed)) {
    std::fprintf(stderr, "tessel-cli: %s failed on %s\n", filter->name.c_str(), pos[0].c_str());
    return kExitFailure;
  }
  if (!WritePngBgra(pos[1], picture, true, &error)) {
    std::fprintf(stderr, "tessel-cli: %s\n", error.c_str());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tessel::cli
