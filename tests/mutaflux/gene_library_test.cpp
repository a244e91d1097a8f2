#include <gtest/gtest.h>

#include "base/archive.h"
#include "mutaflux/gene_library.h"
#include "mutaflux/mutaflux_dialog_model.h"
#include "../library/library_test_util.h"

namespace tessel {
namespace {

using test::LibraryContext;

std::vector<std::string> ReadEntries(const std::string& path) {
  std::vector<std::string> entries;
  std::string error;
  EXPECT_TRUE(ReadGeneLibrary(path, &entries, &error)) << error;
  return entries;
}

TEST(GeneLibrary, FileFormatAndEntries) {
  LibraryContext ctx;
  const std::string path = ctx.dir.File("user/Tiny.dna");
  ASSERT_TRUE(WriteGeneLibrary(path, {"..", "Sun|1|2|65539"}, nullptr));
  const std::string bytes = test::ReadText(path);
  EXPECT_EQ(bytes, std::string("\x02\0\0\0\x02..\x0DSun|1|2|65539", 4 + 3 + 14));
  EXPECT_EQ(ReadEntries(path), (std::vector<std::string>{"..", "Sun|1|2|65539"}));

  std::string name;
  CMutafluxWords w;
  ASSERT_TRUE(ParseGeneEntry("Sun|1|2|65539", &name, &w));
  EXPECT_EQ(name, "Sun");
  EXPECT_EQ(w.c, 65539u);
  EXPECT_EQ(FormatGeneEntry("a|b", {0xFFFFFF, 0, 0x0D0201}), "a/b|16777215|0|852481");
  for (const char* bad : {"Sun|1|2", "Sun|x|2|3", "Sun|1|2|3|4", "Sun|1|2|99999999999", "Sun|1| 2|3"})
    EXPECT_FALSE(ParseGeneEntry(bad, &name, &w)) << bad;

  EXPECT_EQ(GeneLibraryTitle("favourites.dna"), "Mutaflux : Favourites");
  EXPECT_EQ(GeneLibraryTitle("ab.dna"), "Mutaflux : Ab");
  EXPECT_EQ(GeneLibraryTitle("z.dna"), "Mutaflux : Z");
  EXPECT_EQ(GeneLibraryTitle("q.dn"), "Mutaflux : Q");

  // Hostile files: refused, never allocated from.
  for (const std::string& hostile : {std::string(), std::string("\xFF\xFF\xFF\x7F", 4),
                                     std::string("\x01\0\0\0\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 11),
                                     std::string("\x02\0\0\0\x02..", 7)}) {
    test::WriteText(path, hostile);
    std::vector<std::string> entries{"kept"};
    EXPECT_FALSE(ReadGeneLibrary(path, &entries, nullptr));
    EXPECT_EQ(entries, std::vector<std::string>{"kept"});
  }
  // A library without its ".." gets one.
  ASSERT_TRUE(WriteGeneLibrary(path, {"Moon|1|2|3"}, nullptr));
  EXPECT_EQ(ReadEntries(path).front(), "..");
}

TEST(GeneLibrary, DialogBrowsesAddsAndDeletes) {
  LibraryContext ctx;
  ASSERT_TRUE(WriteGeneLibrary(ctx.dir.File("program/Shipped.dna"), {"..", "Ring|66051|263430|460039"}, nullptr));
  CMutafluxDialogModel dialog({0x030201, 0x060504, 0x0807}, 3, 11);
  EXPECT_EQ(dialog.Title(), "Mutaflux Library");
  EXPECT_EQ(dialog.Entries(), std::vector<std::string>{"Shipped.dna"});
  EXPECT_EQ(dialog.Breeder().Current().gene, 2);
  EXPECT_EQ(dialog.Breeder().Current().params[7], 8);

  EXPECT_FALSE(dialog.AddGene(kDefaultGeneName));
  EXPECT_EQ(ctx.Messages().MessageTexts(),
            std::vector<std::string>{"First you have to select a library or create a new one."});

  ASSERT_TRUE(dialog.CreateLibrary("/somewhere/else/mine"));
  EXPECT_EQ(ReadEntries(ctx.dir.File("user/mine.dna")), std::vector<std::string>{".."});
  EXPECT_EQ(dialog.Entries(), (std::vector<std::string>{"Shipped.dna", "mine.dna"}));
  EXPECT_FALSE(dialog.CreateLibrary("Shipped"));  // never emptied by a new group
  EXPECT_EQ(ctx.Messages().MessageTexts().back(), "The library Shipped.dna already exists.");

  dialog.Select(0);  // the shipped library opens from the program folder
  EXPECT_EQ(dialog.Title(), "Mutaflux : Shipped");
  dialog.Select(1);  // its gene becomes current: gene 7 from bits 16-23 of C
  EXPECT_EQ(dialog.Breeder().Current().gene, 7);
  EXPECT_EQ(dialog.Breeder().Current().params[0], 3);
  EXPECT_EQ(dialog.Breeder().Variant(0).gene, 7);
  ASSERT_TRUE(dialog.AddGene("Copy|of ring"));
  // Saved at once, into the user folder.
  EXPECT_EQ(ReadEntries(ctx.dir.File("user/Shipped.dna")).back(), "Copy/of ring|66051|263430|460039");
  EXPECT_FALSE(dialog.DeleteGene(0));
  ASSERT_TRUE(dialog.DeleteGene(1));
  EXPECT_EQ(ReadEntries(ctx.dir.File("user/Shipped.dna")).size(), 3u);  // not yet written
  dialog.Select(0);  // ".." saves
  EXPECT_EQ(ReadEntries(ctx.dir.File("user/Shipped.dna")),
            (std::vector<std::string>{"..", "Copy/of ring|66051|263430|460039"}));
  EXPECT_EQ(dialog.LibraryName(), "");

  dialog.Select(1);
  const CMutafluxDialogModel::Result result = dialog.Ok();
  EXPECT_EQ(result.storedGene, 8);
  EXPECT_EQ(result.words.a, 66051u);
  EXPECT_EQ(result.words.c, 460039u & 0xFFFFu);
  EXPECT_EQ(ctx.app.Profile().GetString("DNA", "Last", "?"), "mine.dna");

  // The next opening finds the last library; a missing one shows the list.
  CMutafluxDialogModel next({0, 0, 0}, 0, 1);
  EXPECT_EQ(next.Title(), "Mutaflux : Mine");
  EXPECT_EQ(next.Ok().storedGene, 1);  // Mutaflux off comes back as gene 0 switched on
  ctx.app.Profile().WriteString("DNA", "Last", "gone.dna");
  CMutafluxDialogModel missing({0, 0, 0}, 0, 1);
  EXPECT_EQ(missing.LibraryName(), "");
  EXPECT_EQ(missing.Entries().size(), 2u);
  EXPECT_EQ(CMutafluxDialogModel::Remove().storedGene, 0);
}

}  // namespace
}  // namespace tessel
