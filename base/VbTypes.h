#pragma once
// The value widths the program's state is defined with.

#include <QtGlobal>

using Integer = qint16; // a signed 16-bit count, code or flag
using Long = qint32;    // a signed 32-bit count
using Boolean = qint16; // True is -1, False is 0

constexpr Boolean kTrue = -1;
constexpr Boolean kFalse = 0;

inline Boolean toBoolean(bool b) {
    return b ? kTrue : kFalse;
}

// Narrows a count to an Integer, stopping at the ends instead of wrapping.
inline Integer saturatedInteger(long long v) {
    return static_cast<Integer>(qBound(-32768LL, v, 32767LL));
}
