#pragma once
// The codes a catalogue list item (" - " and the entry's description) is known by in a
// collection file.

#include <QString>

// The code a backup writes: the word after the first space at or beyond the item's 6th
// character, without any "-".
QString CollectionCodeOf(const QString& itemText);
// The code a restore looks for: the word after the first space at or beyond the item's 4th
// character (the description's second word), "-" kept.
QString ListCodeOf(const QString& itemText);
