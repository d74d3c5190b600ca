#include "platform/qt/QtMessageBoxes.h"

#include "platform/Ending.h"
#include "platform/Trace.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace platform {
namespace {

QMessageBox::Icon toQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// `closedAs` is the answer of a box that closes without a click; `autoCloseMs` <= 0 waits.
QMessageBox::StandardButton run(const QString& text, const QString& title, MsgIcon icon,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton,
                                QMessageBox::StandardButton closedAs, const Ending* ending,
                                int autoCloseMs) {
    if (ending && ending->requested())
        return closedAs;
    QMessageBox box(toQt(icon), title.isEmpty() ? kAppTitle : title, text, buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    // The program's texts are plain, some hold '<' from web replies.
    box.setTextFormat(Qt::PlainText);
    QTimer autoClose;
    autoClose.setSingleShot(true);
    QObject::connect(&autoClose, &QTimer::timeout, &box, [&box, closedAs] {
        trace(QStringLiteral("message box closed by itself"));
        box.done(closedAs);
    });
    if (autoCloseMs > 0)
        autoClose.start(autoCloseMs);
    if (ending)
        QObject::connect(ending, &Ending::started, &box, [&box, closedAs] { box.done(closedAs); });
    trace(QStringLiteral("message box open: ") + text.section(QLatin1Char('\n'), 0, 0).trimmed());
    const int result = box.exec();
    // A box closed by the window manager answers like one that closed by itself.
    return result == QMessageBox::Ok || result == QMessageBox::Yes || result == QMessageBox::No
               ? static_cast<QMessageBox::StandardButton>(result)
               : closedAs;
}

} // namespace

void QtMessageBoxes::showMessage(const QString& text, const QString& title, MsgIcon icon) {
    run(text, title, icon, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok, ending_,
        autoCloseMs_);
}

bool QtMessageBoxes::askYesNo(const QString& text, const QString& title, MsgIcon icon) {
    return run(text, title, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
               QMessageBox::No, ending_, 0) == QMessageBox::Yes;
}

bool QtMessageBoxes::askYesNoWithin(const QString& text, int boundMs, const QString& title,
                                    MsgIcon icon) {
    // A bound of 0 would mean no bound at all.
    return run(text, title, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
               QMessageBox::No, ending_, qMax(1, boundMs)) == QMessageBox::Yes;
}

void QtMessageBoxes::beep() {
    QApplication::beep();
}

} // namespace platform
