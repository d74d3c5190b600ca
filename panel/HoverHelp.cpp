#include "panel/HoverHelp.h"

#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "i18n/TextTables.h"
#include "panel/PanelControls.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

HoverHelp::HoverHelp(QWidget* root, PanelControls& controls, AppState& state)
    : QObject(root), controls_(controls), state_(state) {
    for (int i = 0; i < i18n::kHoverRowCount; ++i) {
        QWidget* control =
            root->findChild<QWidget*>(QString::fromLatin1(i18n::kHoverRows[i].control));
        if (!control)
            continue;
        rows_.insert(control, i);
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
}

bool HoverHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        hover(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void HoverHelp::hover(QWidget* control) {
    const auto row = rows_.constFind(control);
    if (row == rows_.cend() || state_.WizardActive == kFalse)
        return;
    if (const auto text = i18n::fourLanguage(i18n::kHoverRows[*row].texts, state_.Lingua))
        controls_.WizardText->setText(*text);
    // The owner-picture label has no picture of its own: it shows the own-picture icon's.
    const auto* label = qobject_cast<QLabel*>(
        control == controls_.LabelOwnerImage ? controls_.SSTCfg_FileUser : control);
    controls_.WizardPicture->setPixmap(label ? label->pixmap() : QPixmap());
}
