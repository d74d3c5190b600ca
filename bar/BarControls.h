#pragma once
// The controls of the one-line bar along the bottom edge of the screen, and the labels that
// share its line.

class ClickLabel;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;
class Shape;

struct BarControls {
    QLabel* BackWhoWeAre = nullptr; // the strip behind the bar
    ClickLabel* btWait = nullptr;
    ClickLabel* btSetup = nullptr;
    ClickLabel* btTermina = nullptr;
    ClickLabel* btHelp = nullptr;
    ClickLabel* ImageConnesso = nullptr;
    ClickLabel* ImageDisconnesso = nullptr;
    ClickLabel* BtAnimation = nullptr; // shown while a picture has a special timing
    ClickLabel* btLogo = nullptr;
    ClickLabel* connectStatus = nullptr; // shows ImageConnesso's or ImageDisconnesso's picture
    ClickLabel* Label12 = nullptr;
    QLabel* whoWeAre = nullptr;   // the two-line status text
    QLabel* lCountDown = nullptr; // countdown and progress line
    QLabel* lGeneric = nullptr;
    QLabel* lblMsgUser = nullptr; // the catalogue service's message to the user
    Shape* timerflag = nullptr;   // red while the panel-control timer is off
    QPushButton* HelpCaller = nullptr;
    QScrollBar* PotBar = nullptr;
};

namespace platform {
class Units;
}

// Creates the bar's controls as children of `form`, at their design-time sizes.
BarControls createBarControls(QWidget* form, const platform::Units& units);
