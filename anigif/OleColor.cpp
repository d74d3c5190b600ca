#include "anigif/OleColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace anigif {

namespace {

// Indices 0..30 of the classic system colour table, mapped to the nearest palette role.
constexpr std::array<QPalette::ColorRole, 31> systemColorRoles = {
    QPalette::Mid,             // scroll bar
    QPalette::Dark,            // desktop
    QPalette::Highlight,       // active caption
    QPalette::Mid,             // inactive caption
    QPalette::Window,          // menu
    QPalette::Base,            // window
    QPalette::WindowText,      // window frame
    QPalette::WindowText,      // menu text
    QPalette::Text,            // window text
    QPalette::HighlightedText, // caption text
    QPalette::Button,          // active border
    QPalette::Button,          // inactive border
    QPalette::Dark,            // application workspace
    QPalette::Highlight,       // highlight
    QPalette::HighlightedText, // highlighted text
    QPalette::Button,          // button face
    QPalette::Dark,            // button shadow
    QPalette::PlaceholderText, // grey text
    QPalette::ButtonText,      // button text
    QPalette::Text,            // inactive caption text
    QPalette::Light,           // button highlight
    QPalette::Shadow,          // 3-D dark shadow
    QPalette::Midlight,        // 3-D light
    QPalette::ToolTipText,     // info text
    QPalette::ToolTipBase,     // info background
    QPalette::Button,          // (unused slot)
    QPalette::Link,            // hot light
    QPalette::Highlight,       // gradient active caption
    QPalette::Mid,             // gradient inactive caption
    QPalette::Highlight,       // menu highlight
    QPalette::Window,          // menu bar
};

} // namespace

QColor resolveOleColor(quint32 value) {
    if (value & SystemColorFlag) {
        const quint32 index = value & 0xFFu;
        if (index >= systemColorRoles.size())
            return QColor(Qt::black);
        return QGuiApplication::palette().color(QPalette::Active, systemColorRoles[index]);
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

} // namespace anigif
