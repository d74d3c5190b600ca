#pragma once
// A label whose place and size are fixed, holding a text that is longer in some languages: the
// font is made smaller, down to a legible minimum, until the whole text fits.

class QLabel;

// The label's own font size is remembered at the first call, so that a shorter text (another
// language) gets it back.
void shrinkFontToFit(QLabel* label, double minimumPoints = 6.5);
// True when the label's text fits its size in its font (wrapped when the label wraps).
bool textFits(const QLabel* label);
