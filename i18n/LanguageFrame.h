#pragma once
// The language choice frame: four visible options and a hidden one that deselects them all.

class QGroupBox;
class QRadioButton;
class QWidget;

struct LanguageFrame {
    QGroupBox* Frame_Select_Language = nullptr;
    QRadioButton* English_01 = nullptr;
    QRadioButton* Italian_02 = nullptr;
    QRadioButton* French_03 = nullptr;
    QRadioButton* Spanish_04 = nullptr;
    QRadioButton* Default_Language = nullptr; // hidden
};

LanguageFrame createLanguageFrame(QWidget* form);
