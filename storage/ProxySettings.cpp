#include "storage/ProxySettings.h"

#include "base/AppState.h"
#include "i18n/Language.h"
#include "i18n/TextTables.h"
#include "platform/HttpControl.h"
#include "platform/Platform.h"
#include "platform/ScreenPlacement.h"
#include "platform/TwipsGeometry.h"
#include "storage/DelimitedReader.h"
#include "storage/ProxyAddress.h"
#include "storage/TextFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

constexpr int kWaitStepMs = 200;

} // namespace

ProxySettings::ProxySettings(QWidget* window, QWidget* anchor, QWidget* countdown, AppState& state,
                             platform::Platform& platform, Language& language,
                             platform::HttpControl& Inet1)
    : anchor_(anchor), countdown_(countdown), state_(state), platform_(platform),
      language_(language), Inet1_(Inet1), frame_(createConnectionFrame(window)) {}

QString ProxySettings::ScramblePassword(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        // Beyond Latin-1 the same turn stays within the code's block of 256, so every text
        // comes back, surrogate pairs included.
        const char16_t code = c.unicode();
        out += QChar(char16_t((code & 0xFF00) | (0xFF - (code & 0xFF))));
    }
    return out;
}

bool ProxySettings::readSettingsFile(const QString& name) {
    storage::DelimitedReader reader =
        storage::DelimitedReader::fromFile(state_.WORK_PATH_FILE_LIST + name);
    QString fields[5];
    for (QString& field : fields) {
        // A short file (cut off, or edited by hand) counts as missing, so the user is asked.
        if (!reader.readField(field))
            return false;
    }
    const ConnectionFrame& f = frame_;
    f.Proxy_Address->setText(fields[0]);
    f.Proxy_Port->setText(fields[1]);
    f.Proxy_Username->setText(fields[2]);
    f.Proxy_Password->setText(ScramblePassword(fields[3]));
    if (fields[4].trimmed() == QLatin1String("1")) {
        f.Proxy->setChecked(true);
        Proxy_Click();
        state_.Proxy_Enabled = kTrue;
    } else {
        f.No_Proxy->setChecked(true);
        No_Proxy_Click();
        state_.Proxy_Enabled = kFalse;
    }
    return true;
}

bool ProxySettings::ReadProxyFile() {
    return readSettingsFile(kProxyFile);
}

bool ProxySettings::RestoreProxyBackup() {
    return readSettingsFile(kProxyBackupFile);
}

void ProxySettings::LoadProxySettings() {
    if (!ReadProxyFile()) {
        RestoreProxyBackup();
        AskConnectionType();
    }
    ApplyProxySettings();
}

void ProxySettings::AskConnectionType(int closesAfterMs, const std::function<bool()>& stillNeeded) {
    AppState& s = state_;
    const ConnectionFrame& f = frame_;
    if (const auto direct = i18n::fourLanguage(i18n::kDirectConnection, s.Lingua)) {
        f.No_Proxy->setText(*direct);
        f.Proxy->setText(*i18n::fourLanguage(i18n::kProxyConnection, s.Lingua));
        f.Frame_Select_Connection->adjustSize();
    }
    const platform::Units u = platform_.units();
    platform::twips::move(f.Frame_Select_Connection, u, platform::twips::left(anchor_, u),
                          platform::twips::top(anchor_, u));
    platform::keepOnScreen(f.Frame_Select_Connection, platform_.screen->sizePixels());
    s.Wait_Type_Connection = kFalse;
    const QDateTime closesAt = platform_.clock->now().addMSecs(closesAfterMs);
    platform_.clock->sleepAndYield(kWaitStepMs);
    // Closing the window ends the wait; nothing is stored then.
    auto answeredOrMoot = [&] {
        return s.Wait_Type_Connection != kFalse || s.ExitToProgram != 0 ||
               (closesAfterMs >= 0 && platform_.clock->now() >= closesAt) ||
               (stillNeeded && !stillNeeded());
    };
    platform::waitUntil(
        *platform_.clock, *platform_.ending,
        [&] {
            if (answeredOrMoot())
                return true;
            f.Frame_Select_Connection->raise();
            f.Frame_Select_Connection->show();
            countdown_->raise();
            return false;
        },
        -1, kWaitStepMs);
    f.Frame_Select_Connection->hide();
}

void ProxySettings::ApplyProxySettings() {
    AppState& s = state_;
    if (s.ExitToProgram != 0)
        return;
    const ConnectionFrame& f = frame_;
    platform::HttpControl* inet = &Inet1_;
    if (s.Proxy_Enabled != kFalse) {
        const ProxyAddress address = proxyAddress(f.Proxy_Address->text(), f.Proxy_Port->text());
        inet->setProxy(address.host);
        inet->setProxyPort(address.port);
        inet->setUserName(f.Proxy_Username->text());
        inet->setPassword(f.Proxy_Password->text());
    } else {
        inet->setProxy(QString());
        inet->setProxyPort(0);
        inet->setUserName(QString());
        inet->setPassword(QString());
    }
    s.Wait_Type_Connection = kTrue;
    // Unsaved, the question comes back at every start: say why, in one box for both files.
    QStringList failed;
    if (!WriteProxyFile())
        failed << state_.WORK_PATH_FILE_LIST + kProxyFile;
    if (!WriteProxyBackup())
        failed << state_.WORK_PATH_FILE_LIST + kProxyBackupFile;
    if (!failed.isEmpty())
        language_.MsgConfigWriteError(failed);
}

bool ProxySettings::writeSettingsFile(const QString& name) {
    const ConnectionFrame& f = frame_;
    QStringList lines;
    if (state_.Proxy_Enabled != kFalse) {
        lines << f.Proxy_Address->text() << f.Proxy_Port->text() << f.Proxy_Username->text()
              << ScramblePassword(f.Proxy_Password->text()) << QStringLiteral("1");
    } else {
        lines << QString() << QString() << QString() << QString() << QStringLiteral("0");
    }
    // Read back as delimited values, so a comma or a line end in a value (a scrambled password
    // holds any code) must not end its field.
    return storage::writeLines(state_.WORK_PATH_FILE_LIST + name, lines,
                               storage::FileAccess::OwnerOnly, storage::LineUse::Field);
}

bool ProxySettings::WriteProxyFile() {
    return writeSettingsFile(kProxyFile);
}

bool ProxySettings::WriteProxyBackup() {
    return writeSettingsFile(kProxyBackupFile);
}

void ProxySettings::setDetailsEnabled(bool enabled) {
    const ConnectionFrame& f = frame_;
    for (QLineEdit* box : {f.Proxy_Address, f.Proxy_Port, f.Proxy_Username, f.Proxy_Password})
        box->setEnabled(enabled);
    f.Connection_Selected->show();
}

void ProxySettings::Proxy_Click() {
    setDetailsEnabled(true);
    state_.Proxy_Enabled = kTrue;
}

void ProxySettings::No_Proxy_Click() {
    setDetailsEnabled(false);
    state_.Proxy_Enabled = kFalse;
}

void ProxySettings::Connection_Selected_Click() {
    frame_.Frame_Select_Connection->hide();
    state_.Wait_Type_Connection = kTrue;
    state_.Mirror_Type_Connection = kTrue;
}

void ProxySettings::Connection_Click() {
    ReadProxyFile();
    AskConnectionType();
    ApplyProxySettings();
}

void ProxySettings::TestReadProxy_Click() {
    ReadProxyFile();
}
