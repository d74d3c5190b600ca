#pragma once
// One control shown exactly when another is: the bar's help button follows its setup button.

#include <QWidget>

inline void setVisibleLike(QWidget* w, const QWidget* model) {
    w->setVisible(!model->isHidden());
}
