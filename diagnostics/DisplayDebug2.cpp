#include "diagnostics/DisplayDebug2.h"

#include "diagnostics/WindowFlags.h"

#include "base/ClickLabel.h"

#include <QPushButton>
#include <QVBoxLayout>

DisplayDebug2::DisplayDebug2(QWidget* owner) : QWidget(owner, kDiagnosticsWindow) {
    setObjectName(QStringLiteral("DisplayDebug2"));
    setWindowTitle(QStringLiteral("DisplayDebug2"));
    auto* column = new QVBoxLayout(this);
    for (int i = 0; i < kLabels; ++i) {
        auto* label = new ClickLabel(QString(), this);
        label->setObjectName(QStringLiteral("ListData_txt_%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        ListData_txt.push_back(label);
        column->addWidget(label);
    }
    Command_Nascondi = new QPushButton(QStringLiteral("Nascondi"), this);
    Command_Nascondi->setObjectName(QStringLiteral("Command_Nascondi"));
    column->addWidget(Command_Nascondi);
}
