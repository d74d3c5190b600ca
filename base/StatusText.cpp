#include "base/StatusText.h"

#include "base/AppState.h"

#include <QLabel>

void ShowStatusText(AppState& s, QLabel* whoWeAre) {
    s.statusLine1 = s.statusLine1.left(95);
    s.statusLine2 = s.statusLine2.left(95);
    whoWeAre->setText(s.statusLine1 + QStringLiteral("\r\n") + s.statusLine2);
}
