#pragma once
// Numbers typed into the panel's timer boxes. Every reader of those boxes goes through here, so
// the save's check and the counters that run on the saved text can never disagree. The reading
// is the same under every locale: a point or a comma is the decimal separator, and there is no
// group separator, so "1.000" is one, not a thousand.

#include <QString>

// The number the text starts with, read leniently: blanks are skipped, reading stops at the
// first character that cannot continue the number, and a text without a leading number is 0.
double numericValue(const QString& text);

// True when the whole text is one finite number; `value` is then what numericValue reads.
bool parseNumber(const QString& text, double& value);
