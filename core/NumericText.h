#pragma once
// Numbers typed into the panel's text boxes.

#include <QString>

// True when the whole text reads as a finite number, in the user's locale or in the C locale.
bool parseNumber(const QString& text, double& value);
