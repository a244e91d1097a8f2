#include "base/app_context.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/profile.h"
#include "base/user_messages.h"

namespace tessel {
namespace {

using Texts = std::vector<std::string>;

TEST(UserMessages, RecorderKeepsOrderAndAnswersFromItsScript) {
  CRecordingMessages m;
  m.ScriptAnswer(MsgAnswer::kYes);
  m.ScriptAnswer(MsgAnswer::kCancel);
  m.ScriptText(std::string("secret"));
  EXPECT_EQ(m.Message("Recover?", MsgButtons::kYesNo), MsgAnswer::kYes);
  m.Status("Reading Textures...");
  EXPECT_EQ(m.Message("Save?", MsgButtons::kYesNoCancel), MsgAnswer::kCancel);
  m.Progress(1, 3, "Rendering Object 1 of 3");
  m.Progress(2, 3, "Rendering Object 2 of 3");
  // Script used up: Ok boxes answer Ok, questions No, text prompts cancel.
  EXPECT_EQ(m.Message("Done", MsgButtons::kOk), MsgAnswer::kOk);
  EXPECT_EQ(m.Message("Replace?", MsgButtons::kYesNoCancel), MsgAnswer::kNo);
  EXPECT_EQ(m.AskText("Password", "Enter:"), std::optional<std::string>("secret"));
  EXPECT_EQ(m.AskText("Password", "Enter:"), std::nullopt);
  EXPECT_EQ(m.MessageTexts(), (Texts{"Recover?", "Save?", "Done", "Replace?"}));
  EXPECT_EQ(m.StatusTexts(), Texts{"Reading Textures..."});
  ASSERT_EQ(m.Entries().size(), 5u);
  EXPECT_EQ(m.Entries()[1].kind, CRecordingMessages::Entry::kStatus);
  EXPECT_EQ(m.ProgressCalls(), 2);

  CStderrMessages loud(false), quiet(true);
  loud.SetDefaultAnswer(MsgAnswer::kYes);
  loud.PresetText("pw");
  testing::internal::CaptureStderr();
  EXPECT_EQ(loud.Message("Cannot open", MsgButtons::kOk), MsgAnswer::kOk);
  EXPECT_EQ(loud.Message("Overwrite?", MsgButtons::kYesNoCancel), MsgAnswer::kYes);
  EXPECT_EQ(quiet.Message("Recover?", MsgButtons::kYesNo), MsgAnswer::kNo);
  loud.Status("Doing Backup ...");
  quiet.Status("Rendering Object 1 of 1");
  EXPECT_EQ(loud.AskText("Password", "Enter:"), std::optional<std::string>("pw"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Cannot open\nOverwrite?\nRecover?\nDoing Backup ...\n");
}

TEST(AppContext, NewestContextIsCurrentUntilDestroyed) {
  CAppContext outer;
  EXPECT_EQ(&App(), &outer);
  {
    auto messages = std::make_unique<CRecordingMessages>();
    CRecordingMessages* recorder = messages.get();
    CAppContext inner(std::make_unique<CProfile>(), std::move(messages), AppPaths("/prog", "/user"));
    EXPECT_EQ(&App(), &inner);
    App().Messages().Status("inner");
    EXPECT_EQ(recorder->StatusTexts(), Texts{"inner"});
    EXPECT_EQ(App().Paths().Find("Textures", "Wood.jpg"), "/prog/Textures/Wood.jpg");
  }
  EXPECT_EQ(&App(), &outer);
  // The default context keeps settings in memory and records messages.
  EXPECT_EQ(outer.Profile().Path(), "");
  EXPECT_NE(dynamic_cast<CRecordingMessages*>(&outer.Messages()), nullptr);
}

TEST(AppContextDeathTest, AppWithoutContextAborts) { EXPECT_DEATH(App(), "no application context"); }

}  // namespace
}  // namespace tessel
