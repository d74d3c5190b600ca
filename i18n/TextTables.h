#pragma once
// Every localised text of the panel, the bar's tooltips and the messages, as constant data.
// Texts are UTF-8; lines inside a text are separated by CR LF, with no break after the last.

#include <QString>
#include <optional>

namespace i18n {

// One text per language code: [0] English (1), [1] Italian (2), [2] French (3), [3] Spanish (4).
struct FourLanguageRow {
    const char* text[4];
};

// Italian for code 2, English for every other code (none chosen yet included).
struct TwoLanguageRow {
    const char* english;
    const char* italian;
};

// Nothing for a code outside 1..4: the caller then leaves its target alone.
std::optional<QString> fourLanguage(const FourLanguageRow& row, int lingua);
QString twoLanguage(const TwoLanguageRow& row, int lingua);

// ---- Messages ----
extern const FourLanguageRow kWarningTitle;
extern const FourLanguageRow kMsgInvalidDownloadTime;
extern const FourLanguageRow kMsgDownloadTimeTooSmall;
extern const FourLanguageRow kMsgInvalidSlideShowTime;
extern const FourLanguageRow kMsgSlideShowTimeTooSmall;
extern const FourLanguageRow kMsgConfigWriteError;
extern const FourLanguageRow kMsgProgramEnded;
extern const TwoLanguageRow kMsgOwnPicturesLine1;
extern const TwoLanguageRow kMsgOwnPicturesLine2; // the folder path follows it directly

// ---- Help texts ----
extern const TwoLanguageRow kLabel11;
extern const FourLanguageRow kBoxHelpDisplayTimer;
extern const FourLanguageRow kBoxHelpRunExit;
extern const FourLanguageRow kLeftTipText;

// ---- Tab captions of SSTCfg, in page order ----
constexpr int kTabCount = 4;
extern const FourLanguageRow kTabCaptions[kTabCount];

// ---- Captions and tooltips, in the order they are applied ----
enum class TextProperty { Caption, ToolTip };

struct CaptionRow {
    const char* control; // the control's name in PanelControls or BarControls
    TextProperty property;
    FourLanguageRow texts;
};

extern const CaptionRow kCaptionRows[];
extern const int kCaptionRowCount;

// ---- The connection wait and the download progress ----
extern const FourLanguageRow kConnectionWait;  // the countdown follows it directly
extern const FourLanguageRow kConnectionRetry; // a reply without the marker: a new probe
extern const FourLanguageRow kProgressPhrase;
extern const FourLanguageRow kProgressOf; // between the count and the total

// ---- The connection choice's options ----
extern const FourLanguageRow kDirectConnection;
extern const FourLanguageRow kProxyConnection;

// ---- The configuration clean-up ----
extern const FourLanguageRow kCleanupQuestionTitle;
extern const FourLanguageRow kCleanupQuestion;
extern const FourLanguageRow kCleanupHeading; // below the question, after an empty line
extern const FourLanguageRow kCleanupInfoTitle;
extern const FourLanguageRow kCleanupDone;
extern const FourLanguageRow kCleanupNotDone;

// ---- The fetch pass ----
extern const FourLanguageRow kMsgNoSelection;

// ---- The remote help ----
extern const TwoLanguageRow kMsgRemoteHelp;
extern const TwoLanguageRow kMsgRemoteHelpMissing; // the program's path follows it directly

// ---- Display-mode names ----
extern const FourLanguageRow kFullScreenName;
extern const FourLanguageRow kNormalName;

// ---- Opening the configuration panel ----
extern const FourLanguageRow kWaitFrameToolTip;  // FormWait
extern const FourLanguageRow kWaitFrameCaption;  // LabelWait
extern const FourLanguageRow kPreviewCaption;    // TextPictureSelection, beside the check box
extern const FourLanguageRow kHoverIntroduction; // the help button's text in the help frame

// ---- Hover help: what each icon of the panel does ----
struct HoverRow {
    const char* control; // the control's name in PanelControls
    FourLanguageRow texts;
};
extern const HoverRow kHoverRows[];
extern const int kHoverRowCount;

// ---- The picture-selection page ----
extern const TwoLanguageRow kMsgListCleared;

// ---- Collections ----
extern const FourLanguageRow kMsgCollectionSaved; // the file's path follows on the next line
extern const FourLanguageRow kMsgTableReloaded;

// ---- Pages of the online help, by icon ----
extern const FourLanguageRow kHelpPagesDisplayTimers; // helpTime
extern const FourLanguageRow kHelpPagesPictures;      // helpImg
extern const FourLanguageRow kHelpPagesRunExit;       // helpEsegui and zepStatusBar

// ---- The collections update ----
extern const TwoLanguageRow kMsgCollectionsUpgraded;
// Asked before a published collections package is installed; %1 is its id.
extern const FourLanguageRow kAskInstallCollections;
// A package that was not installed; %1 is the reason.
extern const FourLanguageRow kMsgCollectionsRefused;

} // namespace i18n
