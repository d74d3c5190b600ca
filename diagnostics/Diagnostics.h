#pragma once
// The diagnostics windows and what the running program shows in them: the developer's panel
// `DisplayDebug` (shown with a "DEBUG_CODE" start, loaded hidden otherwise), whose timer ends
// the program once its end has begun, whatever windows are still open; the list window
// `DisplayDebug2`; the four text boxes of `FormDebug3`.

#include <QStringList>
#include <functional>
#include <memory>

struct AppState;
class DisplayDebug;
class DisplayDebug2;
class FormDebug3;
class QLineEdit;
class QWidget;
struct Timers;
namespace platform {
struct Platform;
}

// What the diagnostics read of the parts above them.
struct DiagnosticsLinks {
    QLineEdit* SSTCfg_timeDwLoad = nullptr; // the download minutes
    QWidget* whoWeAre = nullptr;            // the status label, whose height is measured
    // The proxy address, port, user name and password as the connection frame holds them.
    std::function<QStringList()> proxyFields;
    std::function<void()> ApplyHelpTexts;
    // Ends the program at once.
    std::function<void()> endNow;
};

class Diagnostics {
public:
    Diagnostics(QWidget* window, AppState& state, platform::Platform& platform, Timers& timers,
                DiagnosticsLinks links);
    ~Diagnostics();

    DisplayDebug& displayDebug() { return *displayDebug_; }
    DisplayDebug2& displayDebug2() { return *displayDebug2_; }
    FormDebug3& formDebug3() { return *formDebug3_; }

    // Shows the developer's panel, not modal (a "DEBUG_CODE" start).
    void ShowDisplayDebug();
    // Puts the developer's panel away at the end of the program; its timer stops with it.
    void UnloadDisplayDebug();
    // The status bar's hidden label: the four text boxes at the top of the screen.
    void Label12_Click();

    // With "Aggiorna" ticked, writes the first slots of the catalogue arrays into ArrayDebug.
    void ArrayDump();
    // The panel-control timer's tick count and command (a "DEBUG_CODE" start only).
    void showPanelTick();
    // Logs the address of the picture the slideshow shows (a "DEBUG_CODE" start only).
    void showPictureAddress(int slot);

    void dbDisplay_Timer();
    void dbSetDwload_Click();
    void FlagflagCmdButton_Click();
    void ViewClockStatus_Click();
    void RunCalcolaSchermo_Click();
    void Delete_Help_box_Click();
    void Command_Nascondi_Click();
    void ListData_txt_Click(int index);

private:
    bool debugging() const;

    AppState& state_;
    platform::Platform& platform_;
    Timers& timers_;
    DiagnosticsLinks links_;
    std::unique_ptr<DisplayDebug> displayDebug_;
    std::unique_ptr<DisplayDebug2> displayDebug2_;
    std::unique_ptr<FormDebug3> formDebug3_;
};
