#include "diagnostics/FormDebug3.h"

#include "diagnostics/WindowFlags.h"

#include <QLineEdit>
#include <QVBoxLayout>

FormDebug3::FormDebug3(QWidget* owner) : QWidget(owner, kDiagnosticsWindow) {
    setObjectName(QStringLiteral("FormDebug3"));
    setWindowTitle(QStringLiteral("FormDebug3"));
    auto* column = new QVBoxLayout(this);
    QLineEdit** boxes[] = {&Debug3Text1, &Debug3Text2, &Debug3Text3, &Debug3Text4};
    for (int i = 0; i < 4; ++i) {
        *boxes[i] = new QLineEdit(this);
        (*boxes[i])->setObjectName(QStringLiteral("Debug3Text%1").arg(i + 1));
        column->addWidget(*boxes[i]);
    }
}
