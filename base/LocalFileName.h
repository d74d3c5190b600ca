#pragma once
// The extension a picture address gives its local file, and whether a file named with it stays
// inside the work directory.

#include <QString>

namespace localname {

// The longest extension accepted, its dot included.
constexpr int kMaxExtensionLength = 16;

// The text from the address's last "." to its end, dot included, in the address's own case.
// Empty when the address holds no ".".
QString extensionOf(const QString& address);

// True when `extension` can end a file name in the work directory without leaving it: a dot
// followed only by letters, digits, ".", "_" or "-", no "..", and no longer than
// kMaxExtensionLength. Anything else (a path separator, a query, a blank) is refused.
bool isSafeExtension(const QString& extension);

} // namespace localname
