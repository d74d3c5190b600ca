#include "platform/qt/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace platform {

QString QtFileDialogs::getOpenFileName(const QString& title, const QString& directory,
                                       const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, directory, filter);
}

} // namespace platform
