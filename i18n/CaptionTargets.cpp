#include "i18n/CaptionTargets.h"

#include "base/FitText.h"

#include <QAbstractButton>
#include <QLabel>

void setCaption(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        // Captions have fixed places, and some languages say more.
        shrinkFontToFit(label);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}
