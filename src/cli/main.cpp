// tessel-cli: headless work on Tessel projects.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_commands.h"

namespace {

constexpr char kUsage[] =
    "Usage: tessel-cli COMMAND [ARGS] [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  info FILE.tsl --json        Load the project (rendering every object) and print one JSON\n"
    "                              object: magic, version, every stored document field, textures,\n"
    "                              groups, objects with every stored field, and the messages.\n"
    "  resave IN.tsl OUT.tsl       Load and save again (bitmaps compressed, as Save does).\n"
    "  render IN.tsl OUT.png [--transparent] [--scale N] [--lenses-off] [--wireframe]\n"
    "                              Write the document composite as an RGBA PNG.\n"
    "  mutaflux --gene G --words A,B,C --size WxH OUT.png\n"
    "                              Write the Mutaflux pattern of gene G (0-13; others act as 0)\n"
    "                              and parameter words A,B,C (decimal or 0x hex) at W x H pixels\n"
    "                              as an opaque RGB PNG, row 0 of the pattern at the bottom.\n"
    "  mask IN.tsl --object N OUT.png\n"
    "                              Write the coverage mask of object N (0 = bottom) as an\n"
    "                              8-bit grey PNG.\n"
    "  filter IN OUT.png NAME [key=value ...]\n"
    "                              Run a bitmap filter or colour tweak effect (\"Gaussian Blur\",\n"
    "                              \"Art - Oceanic\", ...) on an image file and write an RGBA PNG.\n"
    "                              Names and keys ignore case, spaces and punctuation; values\n"
    "                              are clamped to each parameter's range; seed=N seeds random\n"
    "                              marks. Unknown names or keys are bad usage.\n"
    "  filter --list               Print every filter with its parameters, ranges and defaults.\n"
    "  import-svg IN.svg OUT.tsl   Read an SVG drawing (rectangles, ellipses, circles, lines,\n"
    "                              polygons, polylines, paths, text) into a new project whose\n"
    "                              canvas is the drawing's size, and save it.\n"
    "  script TEMPLATE IN.tsl BASENAME EXT [-o OUT]\n"
    "                              Fill a script template (.mms file, or a name in the Script\n"
    "                              folders) with the canvas size and the project's buttons,\n"
    "                              images named BASENAME...EXT; print it or write it to OUT.\n"
    "  export IN OUT --type TYPE [OPTIONS]\n"
    "                              Export the document as the Export dialog does. IN is a project\n"
    "                              or an Editable Rich JPG. TYPE is one of jpeg, bmp, png, png8\n"
    "                              (palette PNG), pngt (RGBA PNG), rjpg (Editable Rich JPG: a JPEG\n"
    "                              that carries the project), tga, hires (the document rendered\n"
    "                              --scale N times larger, JPEG or PNG by OUT's extension), psd\n"
    "                              (layered Photoshop file), svg, or the name of an export module\n"
    "                              (for example WebP or GIF).\n"
    "      --quality N             JPEG quality 0-100 (default 95).\n"
    "      --progressive --grayscale --subsampling\n"
    "                              Progressive JPEG, grey JPEG, every component sampled 1 x 1.\n"
    "      --size WxH              Output size (0 keeps a side; each at most 1.5 x the canvas).\n"
    "      --keep-aspect           The height follows the width.\n"
    "      --filter F              box, bilinear (default), bicubic, hamming or blackman.\n"
    "      --sharpen N             Sharpen the output, 0-100.\n"
    "      --colors N              bmp, png8: reduce to N colours (at most 256); a BMP of 16\n"
    "                              or fewer colours is 4-bit.\n"
    "      --dither D              none, diffusion or fs (Floyd-Steinberg, default).\n"
    "      --background RRGGBB     Background colour (default: the document's).\n"
    "      --alpha-mask --negative Grey from the alpha (inverted with --negative).\n"
    "      --scale N               Render scale of hires, 1-16 (default 2).\n"
    "\n"
    "Options:\n"
    "  -q                          Do not print status lines.\n"
    "  --password TEXT             Answer the password prompt of a protected project.\n"
    "  --yes                       Answer Yes to questions (such as overwriting a locked file).\n"
    "  -h, --help                  Show this text.\n"
    "\n"
    "Exit status: 0 success, 1 failure (the message is printed to stderr), 2 bad usage.\n";

using Command = int (*)(tessel::cli::CliArgs&, const tessel::cli::CliOptions&);

struct CommandEntry {
  const char* name;
  Command run;
};

constexpr CommandEntry kCommands[] = {
    {"info", tessel::cli::RunInfo},
    {"resave", tessel::cli::RunResave},
    {"render", tessel::cli::RunRender},
    {"mutaflux", tessel::cli::RunMutaflux},
    {"mask", tessel::cli::RunMask},
    {"filter", tessel::cli::RunFilter},
    {"import-svg", tessel::cli::RunImportSvg},
    {"script", tessel::cli::RunScript},
    {"export", tessel::cli::RunExport},
};

}  // namespace

int main(int argc, char** argv) {
  using namespace tessel::cli;
  CliArgs args(std::vector<std::string>(argv + 1, argv + argc));
  if (args.Flag("-h") || args.Flag("--help")) {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  // Options every command takes may stand anywhere; the command word comes first of
  // what is left.
  CliOptions opt;
  opt.quiet = args.Flag("-q");
  opt.yes = args.Flag("--yes");
  opt.password = args.Value("--password");
  if (!args.Error().empty()) return UsageError(args.Error());
  const auto command = args.TakeFront();
  if (!command) return UsageError("no command given");
  for (const CommandEntry& c : kCommands)
    if (*command == c.name) return c.run(args, opt);
  return UsageError("unknown command " + *command);
}
