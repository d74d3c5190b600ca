#pragma once
// The connection settings: direct or through a proxy, kept in "Nimbrisco7_Proxy.dat" and its
// backup, asked for in the connection frame, and handed to the HTTP control.

#include "storage/ConnectionFrame.h"

#include <QString>
#include <functional>

struct AppState;
class Language;
class QWidget;
namespace platform {
class HttpControl;
struct Platform;
} // namespace platform

class ProxySettings {
public:
    static inline const QString kProxyFile = QStringLiteral("Nimbrisco7_Proxy.dat");
    static inline const QString kProxyBackupFile = QStringLiteral("Nimbrisco7_Proxy.bak");

    // The connection frame is made on `window` and shown at `anchor`'s top-left corner, with
    // `countdown` kept in front of it; the settings go to the HTTP control `Inet1`.
    ProxySettings(QWidget* window, QWidget* anchor, QWidget* countdown, AppState& state,
                  platform::Platform& platform, Language& language, platform::HttpControl& Inet1);

    void LoadProxySettings();
    // Both readers return false when the file is missing or holds fewer than five fields.
    bool ReadProxyFile();
    bool RestoreProxyBackup();
    // Shows the connection frame and waits until the user confirms a choice. With
    // `closesAfterMs` >= 0 the frame also closes by itself after that long, leaving the choice
    // in the boxes as it is; `stillNeeded` runs at every step of the wait and closes the frame
    // when it returns false. The end of the run closes it too.
    void AskConnectionType(int closesAfterMs = -1, const std::function<bool()>& stillNeeded = {});
    void ApplyProxySettings();
    bool WriteProxyFile();
    bool WriteProxyBackup();
    // Turns every code into 255 minus itself (its own inverse), so the password is not read at
    // a glance.
    static QString ScramblePassword(const QString& text);

    void Proxy_Click();
    void No_Proxy_Click();
    void Connection_Selected_Click();
    void Connection_Click();
    void TestReadProxy_Click();

    const ConnectionFrame& frame() const { return frame_; }

private:
    bool readSettingsFile(const QString& name);
    bool writeSettingsFile(const QString& name);
    // Enables or disables the four detail boxes and shows the confirm button.
    void setDetailsEnabled(bool enabled);

    QWidget* anchor_;
    QWidget* countdown_;
    AppState& state_;
    platform::Platform& platform_;
    Language& language_;
    platform::HttpControl& Inet1_;
    ConnectionFrame frame_;
};
