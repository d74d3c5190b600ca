#include "catalogue/SilentWebPage.h"

void SilentWebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg) {
    if (silent_) {
        ++suppressed_;
        return;
    }
    QWebEnginePage::javaScriptAlert(securityOrigin, msg);
}

bool SilentWebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) {
    if (silent_) {
        ++suppressed_;
        return false;
    }
    return QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
}

bool SilentWebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                     const QString& defaultValue, QString* result) {
    if (silent_) {
        ++suppressed_;
        return false;
    }
    return QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
}
