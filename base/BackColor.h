#pragma once
// The background colour of a label whose look comes from its style sheet, as a 24-bit
// blue-green-red value like the other controls' colours.

class QLabel;

// Replaces the style sheet's background and remembers the value.
void setBackColor(QLabel* label, int bgr);
// The value last set, or -1 when none was.
int backColor(const QLabel* label);
