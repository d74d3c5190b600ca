#pragma once
// The town frame: the fourteen fields forecast pages use, and the temperature unit.

#include <array>

class ClickLabel;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct TownFrame {
    QGroupBox* FormYourTown = nullptr;
    std::array<QLineEdit*, 14> PARAM{};
    QRadioButton* Farenaith = nullptr;
    QRadioButton* Centigradi = nullptr;
    QPushButton* OkYourTown = nullptr;
    ClickLabel* Label5 = nullptr; // the country hint; a click leads to the panel's Tools page
};

TownFrame createTownFrame(QWidget* form);
