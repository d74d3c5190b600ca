#pragma once
// The connection frame: direct connection or a proxy server with its details.

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct ConnectionFrame {
    QGroupBox* Frame_Select_Connection = nullptr;
    QRadioButton* No_Proxy = nullptr;
    QRadioButton* Proxy = nullptr;
    QLineEdit* Proxy_Address = nullptr;
    QLineEdit* Proxy_Port = nullptr;
    QLineEdit* Proxy_Username = nullptr;
    QLineEdit* Proxy_Password = nullptr;
    QPushButton* Connection_Selected = nullptr;
};

ConnectionFrame createConnectionFrame(QWidget* form);
