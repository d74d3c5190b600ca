#pragma once
// The screen-saver hold through the desktop's standard interface, org.freedesktop.ScreenSaver on
// the session bus (Inhibit and UnInhibit).

#include "platform/ScreenSaver.h"

#include <QDBusConnection>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

class QtScreenSaver : public ScreenSaver {
public:
    // Receives the one line said when the hold cannot be taken; by default it goes to stderr.
    using Report = std::function<void(const QString& line)>;

    explicit QtScreenSaver(QDBusConnection bus = QDBusConnection::sessionBus(), Report report = {},
                           int callTimeoutMs = kCallTimeoutMs);
    ~QtScreenSaver() override;

    bool hold() override;
    void release() override;
    bool isHeld() const override { return held_; }

    // A desktop answers at once; the bound only keeps a stuck one from stopping the show.
    static constexpr int kCallTimeoutMs = 3000;

private:
    void reportOnce(const QString& why);

    QDBusConnection bus_;
    Report report_;
    int callTimeoutMs_;
    QString path_;
    uint cookie_ = 0;
    bool held_ = false;
    bool reported_ = false;
};

std::unique_ptr<ScreenSaver> makeQtScreenSaver();

} // namespace platform
