// tessel-cli mutaflux --gene G --words A,B,C --size WxH OUT.png
//
// Fills an opaque 32-bit object bitmap of W × H pixels with the Mutaflux pattern of gene
// G and the packed parameter words, exactly as the render engine fills an object's colour
// layer, and writes it as an RGB PNG (the bitmap is opaque, so no alpha channel is
// written). The bitmap is bottom-up like every object bitmap: the generator's row 0 is
// the bottom row of the picture.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/dib_section.h"
#include "cli/cli_args.h"
#include "cli/cli_commands.h"
#include "cli/cli_messages.h"
#include "io/png_writer.h"
#include "mutaflux/mutaflux_fill.h"

namespace tessel::cli {

namespace {

// "WxH" with both sides a size a 32-bit bitmap may have.
bool ParseSize(const std::string& text, int* width, int* height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const std::string parts[2] = {text.substr(0, x), text.substr(x + 1)};
  long v[2];
  for (int i = 0; i < 2; ++i) {
    char* end = nullptr;
    v[i] = std::strtol(parts[i].c_str(), &end, 10);
    if (parts[i].empty() || *end || v[i] < 1 || v[i] > CDIBSection::kMaxDimension) return false;
  }
  if (!CDIBSection::SizeAllowed(v[0], v[1], 32)) return false;
  *width = int(v[0]);
  *height = int(v[1]);
  return true;
}

// Three 32-bit words, each given unsigned (0..4294967295) or as the signed value a
// drawing object stores (down to -2147483648), in decimal or 0x hexadecimal.
bool ParseWords(const std::string& text, CMutafluxWords* words) {
  std::vector<long> v;
  if (!ParseIntList(text, &v) || v.size() != 3) return false;
  for (long w : v)
    if (w < INT32_MIN || w > long(UINT32_MAX)) return false;
  *words = {uint32_t(v[0]), uint32_t(v[1]), uint32_t(v[2])};
  return true;
}

}  // namespace

int RunMutaflux(CliArgs& args, const CliOptions& opt) {
  const auto gene = args.Int("--gene", INT32_MIN, INT32_MAX);
  const auto wordsText = args.Value("--words");
  const auto sizeText = args.Value("--size");
  const auto& pos = args.Positional();
  if (!args.Ok()) return UsageError(args.Error());
  if (pos.size() != 1) return UsageError("mutaflux takes one output PNG file");
  if (!gene) return UsageError("mutaflux needs --gene G (0 to 13)");
  if (!wordsText) return UsageError("mutaflux needs --words A,B,C");
  if (!sizeText) return UsageError("mutaflux needs --size WxH");
  CMutafluxWords words;
  if (!ParseWords(*wordsText, &words))
    return UsageError("--words needs three 32-bit numbers A,B,C, not \"" + *wordsText + "\"");
  int width = 0, height = 0;
  if (!ParseSize(*sizeText, &width, &height))
    return UsageError("--size needs WIDTHxHEIGHT of 1 to " + std::to_string(CDIBSection::kMaxDimension) +
                      " pixels each and at most 1 GiB of pixels, not \"" + *sizeText + "\"");

  CCliMessages messages(opt.quiet, opt.yes, opt.password);
  CDIBSection bitmap;
  if (!bitmap.Create(width, height, 32)) {
    std::fprintf(stderr, "tessel-cli: out of memory for a %d x %d bitmap\n", width, height);
    return kExitFailure;
  }
  // Opaque before the pattern goes in; the generator leaves alpha alone.
  uint8_t* bits = bitmap.Bits();
  for (size_t i = 3; i < bitmap.SizeBytes(); i += 4) bits[i] = 255;
  messages.Status("Aplying Mutaflux");
  FillMutaflux(bitmap, int32_t(*gene), words);
  std::string error;
  if (!WritePngBgra(pos[0], bitmap, false, &error)) {
    std::fprintf(stderr, "tessel-cli: %s\n", error.c_str());
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace tessel::cli
