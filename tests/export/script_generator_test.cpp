#include <gtest/gtest.h>

#include "base/app_context.h"
#include "document/draw_object.h"
#include "document/vellum_doc.h"
#include "export/script_generator.h"

namespace tessel {
namespace {

class ScriptTest : public ::testing::Test {
 protected:
  CAppContext context;
  CVellumDoc doc;
  CScriptInputs in;
  void SetUp() override {
    doc.m_width = 200, doc.m_height = 100;
    in = {200, 100, "page", "jpg", &doc};
  }
  CDrawObject* Button(int left, int top, int w, int h, const char* name) {
    CDrawObject* o = doc.NewObject();
    o->m_left = left, o->m_top = top, o->m_width = w, o->m_height = h;
    o->m_name = name;
    o->m_hasHighlightedFrame = 1;
    return o;
  }
  std::string Run(const std::string& templ) {
    std::string error;
    const auto text = GenerateScript(templ, in, &error);
    EXPECT_TRUE(text.has_value()) << error;
    return text.value_or("");
  }
};

TEST_F(ScriptTest, EveryTagOfButtons) {
  Button(10, 20, 30, 40, "Home");
  doc.NewObject()->m_name = "plain";  // no frames: not a button
  Button(1, 2, 3, 4, "glued")->m_glueWithPrevious = 1;
  Button(150, 90, 50, 30, "Low")->m_hasHighlightedFrame = 0;
  doc.ObjectAt(3)->m_hasPushedFrame = 1;  // a pushed frame alone makes a button too
  const std::string out = Run(
      "header dropped <#EXTENSION>png;\r\n<#SCRIPTSTART>\r\n<#BGWIDTH>x<#BGHEIGHT> <#BGFILE>\n<#LOOP>\r\n"
      "<#OBJECT>|<#OBJECTNUM>|<#FILE0>|<#FILE1>|<#FILE2>|<#WIDTH>|<#HEIGHT>|<#LEFT>|<#TOP>|<#RIGHT>|<#BOTTOM>|"
      "<#LABEL>\n<#END>end");
  EXPECT_EQ(out,
            "200x100 page.png\n"
            "page0|1|page0a.png|page0b.png|page0c.png|30|40|10|20|40|60|Home\n"
            "page1|2|page1a.png|page1b.png|page1c.png|50|30|150|90|200|100|Low\n"
            "end");
}

TEST_F(ScriptTest, LoopsWithoutButtonsOrDocument) {
  EXPECT_EQ(Run("<#SCRIPTSTART>a<#LOOP>[<#OBJECT>]<#END>b<#LOOP>\n(<#LEFT>)<#END>c"), "abc");
  Button(5, 6, 7, 8, "x");
  Button(9, 9, 1, 1, "<#LOOP>");  // a label that looks like a tag is not expanded again
  EXPECT_EQ(Run("<#SCRIPTSTART>a<#LOOP>[<#OBJECT>]<#END>b<#LOOP>\n(<#LABEL>)<#END>c"),
            "a[page0][page1]b(x)(<#LOOP>)c");
  EXPECT_EQ(Run("<#SCRIPTSTART><#LOOP>(<#LEFT>)"), "(5)(9)");  // a loop without its end runs to the end
  in.doc = nullptr;
  EXPECT_EQ(Run("<#SCRIPTSTART><#LOOP>[<#OBJECT>]<#END>"), "[<#OBJECT>]");
}

TEST_F(ScriptTest, MissingStartTag) {
  std::string error;
  EXPECT_FALSE(GenerateScript("<#LOOP><#END>", in, &error).has_value());
  EXPECT_EQ(error, "Can't find <#SCRIPTSTART>");
}

}  // namespace
}  // namespace tessel
