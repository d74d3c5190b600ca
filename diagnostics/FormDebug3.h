#pragma once
// A window of four text boxes, shown from the status bar's hidden label.

#include <QWidget>

class QLineEdit;

class FormDebug3 : public QWidget {
public:
    explicit FormDebug3(QWidget* owner);

    QLineEdit* Debug3Text1 = nullptr;
    QLineEdit* Debug3Text2 = nullptr;
    QLineEdit* Debug3Text3 = nullptr;
    QLineEdit* Debug3Text4 = nullptr;
};
