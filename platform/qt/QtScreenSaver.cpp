#include "platform/qt/QtScreenSaver.h"

#include <QDBusMessage>
#include <QStringList>

#include <cstdio>

namespace platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kInterface = QStringLiteral("org.freedesktop.ScreenSaver");
// Most desktops serve the standard path; some older ones only the short one.
const QStringList kPaths = {QStringLiteral("/org/freedesktop/ScreenSaver"),
                            QStringLiteral("/ScreenSaver")};

void toStderr(const QString& line) {
    std::fprintf(stderr, "nimbrisco: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

QtScreenSaver::QtScreenSaver(QDBusConnection bus, Report report, int callTimeoutMs)
    : bus_(std::move(bus)), report_(report ? std::move(report) : Report(toStderr)),
      callTimeoutMs_(callTimeoutMs) {}

QtScreenSaver::~QtScreenSaver() {
    release();
}

bool QtScreenSaver::hold() {
    if (held_)
        return true;
    if (!bus_.isConnected()) {
        reportOnce(QStringLiteral("there is no D-Bus session bus"));
        return false;
    }
    QString error;
    for (const QString& path : kPaths) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, path, kInterface, QStringLiteral("Inhibit"));
        call << QStringLiteral("Nimbrisco") << QStringLiteral("weather slideshow on screen");
        // Blocking without running the event loop: nothing of the program runs in between.
        const QDBusMessage reply = bus_.call(call, QDBus::Block, callTimeoutMs_);
        if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1 &&
            reply.arguments().constFirst().canConvert<uint>()) {
            cookie_ = reply.arguments().constFirst().toUInt();
            path_ = path;
            held_ = true;
            return true;
        }
        error = reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
        // Only a missing object is worth the other path; any other answer is final.
        if (reply.errorName() != QLatin1String("org.freedesktop.DBus.Error.UnknownObject") &&
            reply.errorName() != QLatin1String("org.freedesktop.DBus.Error.UnknownMethod"))
            break;
    }
    reportOnce(error);
    return false;
}

void QtScreenSaver::release() {
    if (!held_)
        return;
    held_ = false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, path_, kInterface, QStringLiteral("UnInhibit"));
    call << cookie_;
    // A failure leaves nothing to do: the desktop drops the holds of a program that has gone.
    bus_.call(call, QDBus::Block, callTimeoutMs_);
}

void QtScreenSaver::reportOnce(const QString& why) {
    if (reported_)
        return;
    reported_ = true;
    report_(QStringLiteral("the screen saver cannot be held off (%1, %2); the screen may blank "
                           "during the slideshow")
                .arg(kService, why));
}

std::unique_ptr<ScreenSaver> makeQtScreenSaver() {
    return std::make_unique<QtScreenSaver>();
}

} // namespace platform
