#pragma once
// The main window. It owns the application state and what the program is made of (its parts:
// controls, timers, subsystems), builds them in one set-up step per subsystem, and connects every
// event to its handler. The subsystems never see the window: each is given what it uses.

#include "base/AppState.h"
#include "core/Window.h"
#include "core/WindowParts.h"
#include "platform/Platform.h"

#include <QWidget>

class FormPicture : public QWidget {
    Q_OBJECT
public:
    // `commandLine` is the program's arguments as one text, separated by single blanks.
    FormPicture(platform::Platform& platform, const QString& commandLine,
                QWidget* parent = nullptr);
    ~FormPicture() override;

    // The load handler: puts the state in its initial form and starts the general clock.
    void Form_Load();

    AppState state;

    WindowParts& parts() { return parts_; }
    platform::Platform& platform() { return platform_; }
    // The window as the start-up, the clock loop, the panel control and the end work on it.
    Window& window() { return window_; }

protected:
    // A window closed from outside (the window manager, a logout) ends the program at once,
    // like the bar's exit button: the waits of a pass, a page render or a first-run question
    // must not outlive it, and nothing is saved.
    void closeEvent(QCloseEvent* event) override;

private:
    void setupWindow();
    void setupPanelControls();
    void setupBar();
    void setupDiagnostics();
    void setupLanguage();
    void setupStorage();
    void setupPresentation();
    void setupShell();
    void setupCatalogue();
    void setupSlideshow();
    void setupUpdates();
    void setupPanel();
    void setupCore(const QString& commandLine);

    platform::Platform& platform_;
    WindowParts parts_;
    Window window_{*this, state, platform_, parts_};
};
