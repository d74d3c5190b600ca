#include "base/FitText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

namespace {

const char* const kBasePoints = "nimbriscoBasePointSize";
constexpr double kStepPoints = 0.5;

} // namespace

bool textFits(const QLabel* label) {
    const int margins = 2 * label->margin();
    const QRect room(0, 0, label->width() - margins, label->height() - margins);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void shrinkFontToFit(QLabel* label, double minimumPoints) {
    QVariant base = label->property(kBasePoints);
    if (!base.isValid()) {
        base = label->font().pointSizeF();
        label->setProperty(kBasePoints, base);
    }
    QFont font = label->font();
    for (double points = base.toDouble(); points >= minimumPoints; points -= kStepPoints) {
        font.setPointSizeF(points);
        label->setFont(font);
        if (textFits(label))
            return;
    }
}
