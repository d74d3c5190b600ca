#pragma once
// The diagnostics windows stand beside the full-screen main window: tied to it and kept above
// it, or the slideshow would cover them.

#include <Qt>

inline constexpr Qt::WindowFlags kDiagnosticsWindow = Qt::Tool | Qt::WindowStaysOnTopHint;
