#pragma once
// Splitting a text at "-" into numbered fields: the command line and the credit records.

#include <QString>

// Splits `text` at every "-" into fields[0..lastSlot]. Fields 0..clearCount-1 are emptied
// first; the others keep their text. Characters that would belong to a field after lastSlot
// are dropped. Returns how many "-" moved the field index past `clearCount - 1`: each one is
// reported to the user as too many fields.
int splitAtDashes(const QString& text, QString* fields, int clearCount, int lastSlot);
