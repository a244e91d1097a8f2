// tessel-cli mutaflux: the PNG it writes holds the generator's pattern, bottom row
// first in memory order; bad arguments and unwritable files give their exit codes.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mutaflux/mutaflux_generator.h"
#include "test_util.h"

namespace tessel {
namespace {

int Cli(const std::string& args) {
  const int raw = std::system((std::string(TESSEL_CLI_PATH) + " " + args).c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A PNG read as 8-bit rows, top row first.
struct CPng {
  int width = 0, height = 0, colorType = -1;
  std::vector<std::vector<uint8_t>> rows;
};

bool ReadPng(const std::string& path, CPng* png) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  png_structp p = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(p);
  if (setjmp(png_jmpbuf(p))) {
    png_destroy_read_struct(&p, &info, nullptr);
    std::fclose(f);
    return false;
  }
  png_init_io(p, f);
  png_read_info(p, info);
  png->width = int(png_get_image_width(p, info));
  png->height = int(png_get_image_height(p, info));
  png->colorType = png_get_color_type(p, info);
  png->rows.assign(size_t(png->height), std::vector<uint8_t>(png_get_rowbytes(p, info)));
  for (auto& row : png->rows) png_read_row(p, row.data(), nullptr);
  png_destroy_read_struct(&p, &info, nullptr);
  std::fclose(f);
  return true;
}

TEST(MutafluxCli, WritesTheGeneratorsPatternAsAnOpaquePng) {
  test::TempDir dir;
  const std::string out = dir.File("gene7.png");
  ASSERT_EQ(Cli("mutaflux -q --gene 7 --words 0x804020,12345678,-1 --size 13x9 " + out), 0);
  CPng png;
  ASSERT_TRUE(ReadPng(out, &png));
  EXPECT_EQ(png.width, 13);
  EXPECT_EQ(png.height, 9);
  EXPECT_EQ(png.colorType, PNG_COLOR_TYPE_RGB);

  std::vector<uint8_t> bgra(13 * 9 * 4, 255);
  MutafluxGenerator gen;
  gen.SetTarget(bgra.data(), 13, 9);
  gen.SetParams(0x804020u, 12345678u, 0xFFFFFFFFu);
  gen.SetGene(7);
  gen.Generate();
  // Generator row y is picture row height - 1 - y.
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 13; ++x) {
      const uint8_t* g = &bgra[size_t(y * 13 + x) * 4];
      const uint8_t* rgb = &png.rows[size_t(8 - y)][size_t(x) * 3];
      ASSERT_EQ(rgb[0], g[2]) << x << "," << y;
      ASSERT_EQ(rgb[1], g[1]) << x << "," << y;
      ASSERT_EQ(rgb[2], g[0]) << x << "," << y;
    }
}

TEST(MutafluxCli, RefusesBadArgumentsAndUnwritableFiles) {
  test::TempDir dir;
  const std::string out = dir.File("p.png");
  const std::string ok = " --gene 3 --words 1,2,3 --size 4x4 ";
  EXPECT_EQ(Cli("mutaflux" + ok + out + " 2>/dev/null"), 0);
  EXPECT_EQ(Cli("mutaflux --gene 99 --words 1,2,3 --size 1x1 " + out + " 2>/dev/null"), 0);  // acts as gene 0
  const char* bad[] = {
      "--words 1,2,3 --size 4x4",           // no gene
      "--gene 1 --size 4x4",                // no words
      "--gene 1 --words 1,2,3",             // no size
      "--gene x --words 1,2,3 --size 4x4",  // gene not a number
      "--gene 1 --words 1,2 --size 4x4",    // two words
      "--gene 1 --words 1,2,0x100000000 --size 4x4",
      "--gene 1 --words 1,2,3 --size 0x4",
      "--gene 1 --words 1,2,3 --size 4",
      "--gene 1 --words 1,2,3 --size 70000x1",
      "--gene 1 --words 1,2,3 --size 4x4 --frobnicate",
  };
  for (const char* b : bad) EXPECT_EQ(Cli(std::string("mutaflux ") + b + " " + out + " 2>/dev/null"), 2) << b;
  EXPECT_EQ(Cli("mutaflux" + ok + "2>/dev/null"), 2);  // no output file
  EXPECT_EQ(Cli("mutaflux" + ok + dir.File("no/such/folder/p.png") + " 2>/dev/null"), 1);
}

}  // namespace
}  // namespace tessel
