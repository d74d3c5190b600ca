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
        {25, kBase + 25,
         "An error occurred occurred whilst trying to open or print the selected file."},
    };
    for (const Case& c : cases) {
        const ShellError e = shellErrorOf(c.code);
        EXPECT_EQ(e.number, c.number) << c.code;
        EXPECT_EQ(e.message, QString::fromLatin1(c.message)) << c.code;
        EXPECT_FALSE(shellSucceeded(c.code));
    }
    EXPECT_TRUE(shellErrorOf(2).source.endsWith(".GShell"));
}

class ShellActionsTest : public FormFixture {};

TEST_F(ShellActionsTest, ShellOpenReportsTheShellsResult) {
    shell().openResult = 31;
    ShellError e;
    EXPECT_EQ(form().parts().shellActions->ShellOpen("http://help.example/page", &e), kFalse);
    EXPECT_EQ(e.number, kBase + 31);
    EXPECT_EQ(shell().opened, std::vector<QString>{"http://help.example/page"});
    for (int success : {33, -5}) {
        shell().openResult = success;
        EXPECT_EQ(form().parts().shellActions->ShellOpen("http://help.example/page"), kTrue)
            << success;
    }
}

TEST_F(ShellActionsTest, RemoteHelpWarnsThenStartsTheProgramOfItsLanguageOrSaysItIsMissing) {
    prepareDirectoriesOnly();
    state().Lingua = 3;
    shell().startResult = true;
    form().parts().shellActions->RunTeamViewer_Click();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_TRUE(messages().shown[0].text.startsWith(
        "You are incoming to run TeamViewer, a Remote Control software.\r\n"
        "It is freeware fon no profit use. \r\n"));
    ASSERT_EQ(shell().started.size(), 1u);
    EXPECT_EQ(shell().started[0].program, programDir() + "/TeamViewerEng.exe");

    messages().clear();
    state().Lingua = 2;
    shell().startResult = false;
    form().parts().shellActions->RunTeamViewer_Click();
    ASSERT_EQ(messages().shown.size(), 2u);
    EXPECT_TRUE(messages().shown[0].text.startsWith(
        "Stai per lanciare il software di assistenza Remota TeamViewer"));
    EXPECT_EQ(messages().shown[1].text, "Il programma di assistenza remota non è disponibile:\r\n" +
                                            programDir() + "/TeamViewer.exe");
}
