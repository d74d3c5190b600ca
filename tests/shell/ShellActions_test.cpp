// Shell result codes and the remote-help launcher.
#include "FormFixture.h"

#include "shell/ShellActions.h"

namespace {
constexpr qint32 kBase = -2147220456;
}

TEST(ShellResultCodes, MapEveryErrorCode) {
    struct Case {
        int code;
        qint32 number;
        const char* message;
    };
    const Case cases[] = {
        {0, 7, "Out of memory"},
        {2, 53, "File not found"},
        {3, 76, "Path not found"},
        {5, 75, "Path/file access error"},
        {8, 7, "Out of memory"},
        {11, kBase + 11, "The executable file is invalid or corrupt"},
        {26, 75, "A sharing violation occurred."},
        {27, kBase + 27, "This file type does not have a valid file association."},
        {28, 286, "The file could not be opened due to time out.  Please try again in a moment."},
        {29, 285,
         "The file could not be opened because the DDE transaction failed.  Please try again in a "
         "moment."},
        {30, 285,
         "The file could not be opened because the target application is busy.  Please try again "
         "in a moment."},
        {31, kBase + 31, "No application is associated with this file type."},
        {32, 48, "The specified dynamic-link library was not found."},
    };
    for (const Case& c : cases) {
        const ShellError e = shellErrorOf(c.code);
        EXPECT_EQ(e.number, c.number) << c.code;
        EXPECT_EQ(e.message, QString::fromLatin1(c.message)) << c.code;
        EXPECT_TRUE(e.source.endsWith(".GShell"));
        EXPECT_FALSE(shellSucceeded(c.code));
    }
    for (int code : {1, 4, 6, 7, 9, 10, 12, 25}) {
        EXPECT_EQ(shellErrorOf(code).number, kBase + code);
        EXPECT_EQ(shellErrorOf(code).message,
                  "An error occurred occurred whilst trying to open or print the selected file.");
    }
    EXPECT_TRUE(shellSucceeded(33));
    EXPECT_TRUE(shellSucceeded(-1));
}

class ShellActionsTest : public FormFixture {};

TEST_F(ShellActionsTest, ShellOpenReportsTheShellsResult) {
    shell().openResult = 31;
    ShellError e;
    EXPECT_EQ(form().shellActions().ShellOpen("http://help.example/page", &e), kFalse);
    EXPECT_EQ(e.number, kBase + 31);
    ASSERT_EQ(shell().opened.size(), 1u);
    EXPECT_EQ(shell().opened[0], "http://help.example/page");
    shell().openResult = 33;
    EXPECT_EQ(form().shellActions().ShellOpen("http://help.example/page"), kTrue);
    shell().openResult = -5;
    EXPECT_EQ(form().shellActions().ShellOpen("http://help.example/page"), kTrue);
}

TEST_F(ShellActionsTest, RemoteHelpWarnsThenStartsTheEnglishProgram) {
    prepareDirectoriesOnly();
    state().Lingua = 3;
    shell().startResult = true;
    form().shellActions().RunTeamViewer_Click();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_TRUE(messages().shown[0].text.startsWith(
        "You are incoming to run TeamViewer, a Remote Control software.\r\n"
        "It is freeware fon no profit use. \r\n"));
    EXPECT_EQ(messages().shown[0].text.count("\r\n"), 4);
    ASSERT_EQ(shell().started.size(), 1u);
    EXPECT_EQ(shell().started[0].program, programDir() + "/TeamViewerEng.exe");
    EXPECT_TRUE(shell().started[0].minimized);
}

TEST_F(ShellActionsTest, MissingRemoteHelpProgramIsReportedAndTheProgramGoesOn) {
    prepareDirectoriesOnly();
    state().Lingua = 2;
    shell().startResult = false;
    form().shellActions().RunTeamViewer_Click();
    ASSERT_EQ(messages().shown.size(), 2u);
    EXPECT_TRUE(messages().shown[0].text.startsWith(
        "Stai per lanciare il software di assistenza Remota TeamViewer"));
    EXPECT_TRUE(messages().shown[1].text.contains("/TeamViewer.exe"));
    EXPECT_EQ(state().ExitToProgram, 0);
}
