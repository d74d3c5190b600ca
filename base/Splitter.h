#pragma once
// Splitting a text at "-" into numbered fields: the command line and the credit records.

#include <QString>

// Splits `text` at every "-" into fields[0..count-1], which are emptied first. Characters that
// would belong to a field after them are dropped, so whatever lies beyond those fields keeps
// its text from call to call. Returns how many "-" moved the field index past `count - 1`: each
// one is reported to the user as too many fields.
int splitAtDashes(const QString& text, QString* fields, int count);
