#include "base/LocalFileName.h"

namespace localname {

QString extensionOf(const QString& address) {
    const int dot = address.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : address.mid(dot);
}

bool isSafeExtension(const QString& extension) {
    if (!extension.startsWith(QLatin1Char('.')) || extension.size() > kMaxExtensionLength ||
        extension.contains(QLatin1String("..")))
        return false;
    for (const QChar c : extension) {
        const char16_t u = c.unicode();
        const bool allowed = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                             (u >= '0' && u <= '9') || u == '.' || u == '_' || u == '-';
        if (!allowed)
            return false;
    }
    return true;
}

} // namespace localname
