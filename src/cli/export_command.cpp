// tessel-cli export IN OUT --type T [options]
//
// Writes the document through the export engine exactly as the export dialog's Export
// button does, with the dialog's controls given as options.
#include <cstdio>
#include <cstdlib>
#include <strings.h>
#include <string>
#include <vector>

#include "base/app_context.h"
#include "cli/cli_app.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "document/vellum_doc.h"
#include "export/export_engine.h"
#include "export/export_module_loader.h"
#include "export/output_size.h"

namespace tessel::cli {

namespace {

// How a --type name sets up the engine. `colours` is the colour mode used when
// --colors is not given.
struct CliExportType {
  const char* name;
  ExportType type;
  ColourMode colours;
};

constexpr CliExportType kExportTypes[] = {
    {"jpeg", ExportType::kJpeg, ColourMode::kTrueColour},
    {"bmp", ExportType::kBmp, ColourMode::kTrueColour},
    {"png", ExportType::kPng, ColourMode::kTrueColour},
    {"png8", ExportType::kPng, ColourMode::k256},
    {"pngt", ExportType::kPngTransparent, ColourMode::kTrueColour},
    {"rjpg", ExportType::kRichJpeg, ColourMode::kTrueColour},
    {"tga", ExportType::kTga, ColourMode::kTrueColour},
    {"hires", ExportType::kHighResolution, ColourMode::kTrueColour},
    {"psd", ExportType::kPsd, ColourMode::kTrueColour},
    {"svg", ExportType::kSvg, ColourMode::kTrueColour},
};

// The export type of a module named (in any letter case) like a module file, or false.
bool FindModuleType(const std::string& name, ExportType* type) {
  const std::vector<CExportModuleFile> modules = FindExportModules(ExportModuleFolders(App().Paths()));
  for (size_t i = 0; i < modules.size(); ++i)
    if (strcasecmp(modules[i].name.c_str(), name.c_str()) == 0) {
      *type = ExportType(int(ExportType::kFirstModule) + int(i));
      return true;
    }
  return false;
}

constexpr struct {
  const char* name;
  ResampleFilter filter;
} kFilters[] = {{"box", ResampleFilter::kBox},
                {"bilinear", ResampleFilter::kBilinear},
                {"bicubic", ResampleFilter::kBicubic},
                {"hamming", ResampleFilter::kHamming},
                {"blackman", ResampleFilter::kBlackman}};

constexpr struct {
  const char* name;
  DitherMode mode;
} kDithers[] = {{"none", DitherMode::kNone}, {"diffusion", DitherMode::kErrorDiffusion}, {"fs", DitherMode::kFloydSteinberg}};

bool ParseSize(const std::string& text, int* w, int* h) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return false;
  char* end = nullptr;
  const long a = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + x) return false;
  const long b = std::strtol(text.c_str() + x + 1, &end, 10);
  if (*end || x + 1 == text.size() || a < 0 || b < 0 || a > 1000000 || b > 1000000) return false;
  *w = int(a);
  *h = int(b);
  return true;
}

// RRGGBB to the 0x00BBGGRR colour value.
bool ParseColour(const std::string& text, uint32_t* colour) {
  if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
  const unsigned long rgb = std::strtoul(text.c_str(), nullptr, 16);
  *colour = uint32_t((rgb >> 16) & 0xFF) | uint32_t(rgb & 0xFF00) | uint32_t((rgb & 0xFF) << 16);
  return true;
}

}  // namespace

int RunExport(CliArgs& args, const CliOptions& opt) {
  const auto typeName = args.Value("--type");
  const auto quality = args.Int("--quality", 0, 100);
  const bool progressive = args.Flag("--progressive");
  const bool grayscale = args.Flag("--grayscale");
  const bool subsampling = args.Flag("--subsampling");
  const auto sizeText = args.Value("--size");
  const bool keepAspect = args.Flag("--keep-aspect");
  const auto filterName = args.Value("--filter");
  const auto sharpen = args.Int("--sharpen", 0, 100);
  const auto colours = args.Int("--colors", 1, 100000);
  const auto ditherName = args.Value("--dither");
  const auto background = args.Value("--background");
  const bool alphaMask = args.Flag("--alpha-mask");
  const bool negative = args.Flag("--negative");
  const auto scale = args.Int("--scale", 1, 16);
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 2) return UsageError("export takes a project file and an output file");
  if (!typeName) return UsageError("export needs --type");

  CliApp app(opt);
  CExportSettings s;
  const CliExportType* type = nullptr;
  for (const auto& t : kExportTypes)
    if (*typeName == t.name) type = &t;
  if (type) {
    s.type = type->type;
    s.colourMode = type->colours;
  } else if (!FindModuleType(*typeName, &s.type)) {
    return UsageError("unknown export type " + *typeName);
  }
  if (filterName) {
    bool found = false;
    for (const auto& f : kFilters)
      if (*filterName == f.name) s.filter = f.filter, found = true;
    if (!found) return UsageError("unknown filter " + *filterName);
  }
  if (ditherName) {
    bool found = false;
    for (const auto& d : kDithers)
      if (*ditherName == d.name) s.dither = d.mode, found = true;
    if (!found) return UsageError("unknown dither mode " + *ditherName);
  }
  if (background && !ParseColour(*background, &s.background)) return UsageError("--background needs RRGGBB");
  int w = 0, h = 0;
  if (sizeText && !ParseSize(*sizeText, &w, &h)) return UsageError("--size needs WxH");
  if (colours) {
    s.colourMode = ColourMode::kCustom;
    s.customColours = int(*colours);
  }
  s.quality = int(quality.value_or(s.quality));
  s.progressive = progressive;
  s.grayscale = grayscale;
  s.subsampling = subsampling;
  s.sharpen = int(sharpen.value_or(0));
  s.alphaMaskOnly = alphaMask;
  s.negative = negative;
  s.renderScale = int(scale.value_or(s.renderScale));
  CVellumDoc doc;
  if (!LoadProject(doc, pos[0])) return kExitFailure;
  // Without --background the picture keeps the document's own background.
  if (!background) s.background = doc.m_background;
  // The size edits follow the dialog's rules: W first, then H, each limited to 1.5 x
  // the canvas, the other side following when the aspect is kept.
  COutputSize size(doc.m_width, doc.m_height, keepAspect);
  if (w > 0) size.SetWidth(w);
  if (h > 0 && !(keepAspect && w > 0)) size.SetHeight(h);
  s.width = size.Width();
  s.height = size.Height();
  if (s.width < 1 || s.height < 1) return UsageError("--size gives an empty picture");

  CExportEngine engine(doc, s);
  if (s.type != ExportType::kHighResolution && !engine.BuildSource()) {
    std::fprintf(stderr, "The canvas of %d x %d cannot be rendered.\n", doc.m_width, doc.m_height);
    return kExitFailure;
  }
  if (!engine.Export(true, pos[1])) return kExitFailure;
  SettingsToDocument(engine.Settings(), doc);
  return kExitOk;
}

}  // namespace tessel::cli
