#pragma once
// The developer's panel: the values other parts of the program show there, the proxy settings
// in force, a log, the array dump and a few buttons that look at or change the running state.

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class DisplayDebug : public QWidget {
public:
    // The log keeps this many lines: the window may stay loaded for days.
    static constexpr int kLogLines = 500;

    explicit DisplayDebug(QWidget* owner);

    // The proxy settings, as the connection frame holds them (the password masked).
    QLabel* Text_Proxy_Address = nullptr;
    QLabel* Text_Proxy_Port = nullptr;
    QLabel* Text_Proxy_Username = nullptr;
    QLabel* Text_Proxy_Password = nullptr;
    QLineEdit* Proxy_Address = nullptr;
    QLineEdit* Proxy_Port = nullptr;
    QLineEdit* Proxy_Username = nullptr;
    QLineEdit* Proxy_Password = nullptr;

    QLabel* labelLst = nullptr;      // pictures in the store
    QLabel* ImgTimerValue = nullptr; // the slideshow timer's interval
    QLabel* DisplaypanControl_Timer = nullptr;
    QPlainTextEdit* Text1 = nullptr; // the log
    QCheckBox* Aggiorna = nullptr;   // ticked: the array dump runs
    QPlainTextEdit* ArrayDebug = nullptr;
    QTimer dbDisplay;

    QPushButton* dbSetDwload = nullptr;
    QPushButton* FlagflagCmdButton = nullptr;
    QLineEdit* DisplayflagCmdButton = nullptr;
    QPushButton* ViewClockStatus = nullptr;
    QLineEdit* ValueClockStatus = nullptr;
    QPushButton* RunCalcolaSchermo = nullptr;
    QPushButton* Delete_Help_box = nullptr;
    // The screen metrics: the screen's width and height in HIMETRIC, the status label's height,
    // the vertical twips per pixel and the width-to-height ratio.
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
