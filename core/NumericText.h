#pragma once
// Numbers typed into the panel's text boxes.

#include <QString>

// True when the whole text reads as a finite number, in the user's locale or in the C locale.
bool parseNumber(const QString& text, double& value);
// The text's number, or 0 when the text is not a number.
double numericValue(const QString& text);
// The slideshow seconds after which a download pass is due: the download minutes times 30.
// The product goes through its decimal text and back, as the limit always did.
double downloadLimitSeconds(const QString& downloadMinutesText);
