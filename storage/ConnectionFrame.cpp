#include "storage/ConnectionFrame.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

ConnectionFrame createConnectionFrame(QWidget* form) {
    ConnectionFrame f;
    f.Frame_Select_Connection = new QGroupBox("Connection", form);
    auto* layout = new QFormLayout(f.Frame_Select_Connection);
    f.No_Proxy = new QRadioButton("Connect to Internet through Adsl, Wi-Fi, Modem");
    f.Proxy = new QRadioButton("Connect to Internet through Proxy Server - Lan");
    // Placeholders that stay until a connection file has been read.
    f.Proxy_Address = new QLineEdit("proxy.example.net");
    f.Proxy_Port = new QLineEdit("80");
    f.Proxy_Username = new QLineEdit("username");
    f.Proxy_Password = new QLineEdit("password");
    f.Proxy_Password->setEchoMode(QLineEdit::Password);
    f.Connection_Selected = new QPushButton("OK - GO!");
    layout->addRow(f.No_Proxy);
    layout->addRow(f.Proxy);
    layout->addRow("Proxy", f.Proxy_Address);
    layout->addRow("Port", f.Proxy_Port);
    layout->addRow("User", f.Proxy_Username);
    layout->addRow("Password", f.Proxy_Password);
    layout->addRow(f.Connection_Selected);
    // The window is black; the frame keeps the light background of a dialog.
    f.Frame_Select_Connection->setAutoFillBackground(true);
    f.Frame_Select_Connection->adjustSize();
    f.Frame_Select_Connection->hide();
    return f;
}
