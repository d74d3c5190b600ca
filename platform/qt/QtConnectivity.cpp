#include "platform/qt/QtConnectivity.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace platform {
namespace {

QNetworkInformation* reachabilityBackend() {
    // Loading is tried once: without a backend (no NetworkManager, a container) it stays null.
    static const bool loaded =
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    return loaded ? QNetworkInformation::instance() : nullptr;
}

} // namespace

bool anyNetworkInterfaceUp() {
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto flags = i.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            flags.testFlag(QNetworkInterface::IsRunning) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack))
            return true;
    }
    return false;
}

bool QtConnectivity::isConnected() {
    // Like the classic test, a local network counts as a connection; the catalogue probe
    // finds out whether the service answers.
    if (QNetworkInformation* info = reachabilityBackend()) {
        switch (info->reachability()) {
        case QNetworkInformation::Reachability::Disconnected:
            return false;
        case QNetworkInformation::Reachability::Local:
        case QNetworkInformation::Reachability::Site:
        case QNetworkInformation::Reachability::Online:
            return true;
        case QNetworkInformation::Reachability::Unknown:
            break;
        }
    }
    return anyNetworkInterfaceUp();
}

} // namespace platform
