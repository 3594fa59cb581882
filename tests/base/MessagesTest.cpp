#include <filesystem>
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Prompt.h"
#include "base/Text.h"

using namespace balsar;

TEST(Prompt, ScriptedAnswersFitTheOfferedButtons) {
    RecordingPrompt prompt;
    prompt.Script(Answer::Yes);
    prompt.Script(Answer::Cancel);
    EXPECT_EQ(prompt.Ask("first?", Buttons::OkCancel), Answer::Ok);
    EXPECT_EQ(prompt.Ask("second?", Buttons::YesNo), Answer::No);
    // Unscripted: the safe answer.
    EXPECT_EQ(prompt.Ask("third?", Buttons::YesNoCancel), Answer::Cancel);
    ASSERT_EQ(prompt.Questions().size(), 3u);
    EXPECT_EQ(prompt.Questions()[1].text, "second?");
    FixedPrompt yes(Answer::Yes);
    EXPECT_EQ(yes.Ask("?", Buttons::OkCancel), Answer::Ok);
}

TEST(MessageSink, RecordsTextKindAndCaption) {
    RecordingMessageSink sink;
    sink.Message(Format("[CommuUtils::BaudRateCompileValue]Not support: %d", 9), MessageKind::Error, "Balsar");
    EXPECT_TRUE(sink.Contains("[CommuUtils::BaudRateCompileValue]Not support: 9"));
    EXPECT_EQ(sink.Entries()[0].caption, "Balsar");
}

TEST(ProgramPaths, HomeVariableOverridesTheExecutableFolder) {
    const char* saved = std::getenv("BALSAR_HOME");
    const std::string keep = saved ? saved : "";
    ::setenv("BALSAR_HOME", "/opt/balsar", 1);
    EXPECT_EQ(ProgramFolder(), "/opt/balsar");
    EXPECT_EQ(LibraryFolder(), "/opt/balsar/lib");
    // A relative value keeps naming the same folder when the current folder
    // changes (opening a project makes its folder the current one).
    const std::filesystem::path start = std::filesystem::current_path();
    ::setenv("BALSAR_HOME", "relative/home", 1);
    EXPECT_EQ(ProgramFolder(), start / "relative/home");
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    EXPECT_EQ(LibraryFolder(), start / "relative/home/lib");
    std::filesystem::current_path(start);
    ::unsetenv("BALSAR_HOME");
    // Without the override: the folder of the running test program.
    EXPECT_EQ(ProgramFolder().filename(), "bin");
    if (saved) {
        ::setenv("BALSAR_HOME", keep.c_str(), 1);
    }
}
