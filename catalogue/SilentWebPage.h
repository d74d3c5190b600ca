#pragma once
// A browser page that, in silent mode, answers a page's script dialogs itself instead of
// opening them: nobody stands in front of a wall screen to close them.

#include <QWebEnginePage>

class SilentWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

    void setSilent(bool silent) { silent_ = silent; }
    bool Silent() const { return silent_; }

    // Dialogs suppressed since the page was made.
    int suppressedDialogs() const { return suppressed_; }

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;

private:
    bool silent_ = true;
    int suppressed_ = 0;
};
