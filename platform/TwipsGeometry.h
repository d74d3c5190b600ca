#pragma once
// Control geometry in twips. The program computes positions in twips; widgets live in pixels.
// Every value set here is remembered on the widget, so reading it back gives exactly the twips
// the code set, not a value rounded through pixels.

#include "platform/Screen.h"

class QWidget;

namespace platform::twips {

void setLeft(QWidget* w, const Units& u, int twips);
void setTop(QWidget* w, const Units& u, int twips);
void setWidth(QWidget* w, const Units& u, int twips);
void setHeight(QWidget* w, const Units& u, int twips);
void move(QWidget* w, const Units& u, int left, int top);
void setGeometry(QWidget* w, const Units& u, int left, int top, int width, int height);

int left(const QWidget* w, const Units& u);
int top(const QWidget* w, const Units& u);
int width(const QWidget* w, const Units& u);
int height(const QWidget* w, const Units& u);

} // namespace platform::twips
