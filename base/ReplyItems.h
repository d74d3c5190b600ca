#pragma once
// The pure rules of a catalogue reply and of the saved selection: cutting a reply into items,
// the error and user-message markers, identifiers, and the id list sent for a selection.

#include "base/VbTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace catalogue {

// No list of the state holds more than this many catalogue entries.
constexpr int kMaxReplyItems = 2000;

// The items between "<P>" separators (any case); text before the first and after the last
// separator is dropped, items are kept as they are. At most kMaxReplyItems items.
QStringList cutReplyItems(const QString& reply);

// True when any item begins with "ERR" (exactly these capitals).
bool replyIsError(const QStringList& items);

// The user message after a reply whose first item is `item`: unchanged (`current`) when the item
// is shorter than eight characters, the text from its eighth character when it begins with
// "outmsg", else empty.
QString userMessageFrom(const QString& item, const QString& current);

// A catalogue identifier from its reply item: the number rounded to the nearest integer (halves
// to even); anything that is not a number in the 16-bit range counts as 0.
Integer identifierFrom(const QString& item);

// The text after the last "/" of `s` (all of `s` without one).
QString nameAfterLastSlash(const QString& s);

struct SelectionPair {
    QString position; // list position in the catalogue
    QString id;       // catalogue identifier
};

// The pairs of the selection file's lines: reading stops at a pair whose first line is empty,
// and after a pair whose identifier line is empty (or missing).
QList<SelectionPair> selectionPairs(const QStringList& lines);

// The list-position value recorded for a pair: the position as a number plus 1, rounded to a
// 16-bit integer (a position that is not a number counts as 0).
Integer selectionIndexValue(const SelectionPair& pair);

// "[_" followed by every pair's identifier and "_", then "]".
QString selectionIdList(const QList<SelectionPair>& pairs);

} // namespace catalogue
