#pragma once
// The controls the language texts go to. The window hands them over, so that the texts need not
// know the panel they stand on.

#include <array>

class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;
class Shape;

struct LanguageTargets {
    QTabWidget* SSTCfg = nullptr;
    // The pages of SSTCfg, in tab order.
    std::array<QWidget*, 4> pages{};
    QLabel* Label11 = nullptr;
    Shape* Pallino_Rosso_Timers = nullptr;
    Shape* Pallino_Rosso_Run_Exit = nullptr;
    Shape* Pallino_Rosso_Tools = nullptr;
    QLabel* Box_Help_Display_Timer = nullptr;
    QLabel* Box_Help_Run_Exit = nullptr;
    QLabel* LeftTipText = nullptr;
    QLineEdit* txtDisplay = nullptr;  // the display-mode key
    QLineEdit* txtDisplay2 = nullptr; // its name in the user's language
    // The controls the caption table names are found below it by their object names.
    QWidget* captionRoot = nullptr;
};
