#include "base/BackColor.h"

#include "base/Shape.h"

#include <QLabel>
#include <QRegularExpression>

namespace {
const char* const kProperty = "BackColor";
}

void setBackColor(QLabel* label, int bgr) {
    static const QRegularExpression background(QStringLiteral("background(-color)?\\s*:[^;]*;?"));
    QString sheet = label->styleSheet();
    sheet.remove(background);
    if (!sheet.isEmpty() && !sheet.trimmed().endsWith(QLatin1Char(';')))
        sheet += QLatin1Char(';');
    label->setStyleSheet(sheet.trimmed() +
                         QStringLiteral(" background: %1;").arg(Shape::toQColor(bgr).name()));
    label->setProperty(kProperty, bgr);
}

int backColor(const QLabel* label) {
    const QVariant value = label->property(kProperty);
    return value.isValid() ? value.toInt() : -1;
}
