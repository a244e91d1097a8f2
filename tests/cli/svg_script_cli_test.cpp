#include <gtest/gtest.h>

#include "cli_runner.h"
#include "test_util.h"

namespace tessel {
namespace {

TEST(SvgScriptCli, ImportSvgThenScript) {
  test::TempDir dir;
  test::WriteText(dir.File("a.svg"),
                  "<?xml version=\"1.0\"?><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"90\">"
                  "<rect x=\"10\" y=\"10\" width=\"40\" height=\"30\" fill=\"teal\"/>"
                  "<path d=\"M60 60 l20 0 l0 20 z\" fill=\"red\"/></svg>");
  const auto run = test::Cli("import-svg " + dir.File("a.svg") + " " + dir.File("a.tsl") + " 2>&1");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("Total number of objects read: 2"), std::string::npos) << run.out;
  const auto info = test::Cli("info " + dir.File("a.tsl") + " --json -q");
  ASSERT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("\"m_width\": 120"), std::string::npos);

  // The shipped templates by name: the imported shapes have no button frames.
  const auto page = test::Cli("script \"Rollover Image Map\" " + dir.File("a.tsl") + " site gif -q");
  ASSERT_EQ(page.status, 0) << page.out;
  EXPECT_EQ(page.out.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(page.out.find("<img src=\"site.png\" width=\"120\" height=\"90\""), std::string::npos) << page.out;
  EXPECT_EQ(page.out.find("<area"), std::string::npos);

  test::WriteText(dir.File("bad.mms"), "no start tag");
  const auto bad = test::Cli("script " + dir.File("bad.mms") + " " + dir.File("a.tsl") + " x png 2>&1");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("Can't find <#SCRIPTSTART>"), std::string::npos);

  test::WriteText(dir.File("b.svg"), "<svg><rect/></svg>");
  const auto refused = test::Cli("import-svg " + dir.File("b.svg") + " " + dir.File("b.tsl") + " 2>&1");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.out.find("Couldn't find XML header"), std::string::npos) << refused.out;
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.svg", "a.tsl", "b.svg", "bad.mms"}));
  EXPECT_EQ(test::Cli("import-svg only-one-argument").status, 2);
}

}  // namespace
}  // namespace tessel
