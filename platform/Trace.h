#pragma once
// With NIMBRISCO_TRACE set in the environment, one line on stderr for each event an operator or
// a test watches from outside (a picture shown, a message box opened or closed by itself), so
// that it can be seen that the show goes on. Without it nothing is printed.

#include <QString>

namespace platform {

void trace(const QString& line);

} // namespace platform
