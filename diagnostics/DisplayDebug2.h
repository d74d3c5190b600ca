#pragma once
// The small list window: a column of labels and a button that hides the window.

#include <QWidget>
#include <vector>

class ClickLabel;
class QPushButton;

class DisplayDebug2 : public QWidget {
public:
    static constexpr int kLabels = 10;

    explicit DisplayDebug2(QWidget* owner);

    std::vector<ClickLabel*> ListData_txt;
    QPushButton* Command_Nascondi = nullptr;
};
