#pragma once
// The main window as its own machinery sees it (the start-up, the clock loop, the panel-control
// timer, the end): the widget, the state, the system's services and the parts. They work on it
// without depending on the window class that builds them.

class QWidget;
struct AppState;
struct WindowParts;
namespace platform {
struct Platform;
}

struct Window {
    QWidget& widget;
    AppState& state;
    platform::Platform& platform;
    WindowParts& parts;
};
