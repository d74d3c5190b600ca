// The connection settings: scrambling, the proxy file and its backup, reading back, the
// connection frame and its wait, and what the HTTP control is given.

#include "FormFixture.h"

#include "platform/HttpControl.h"
#include "platform/TwipsGeometry.h"
#include "storage/ProxySettings.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <sys/stat.h>

namespace {

const QString kProxy = ProxySettings::kProxyFile;
const QString kBackup = ProxySettings::kProxyBackupFile;

class ProxySettingsTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
    }
    ProxySettings& proxy() { return form().proxySettings(); }
    ConnectionFrame& frame() { return form().connectionFrame; }
    QList<QLineEdit*> boxes() {
        return {frame().Proxy_Address, frame().Proxy_Port, frame().Proxy_Username,
                frame().Proxy_Password};
    }
    void chooseProxy(const QString& host, const QString& port, const QString& user,
                     const QString& password) {
        frame().Proxy->click();
        frame().Proxy_Address->setText(host);
        frame().Proxy_Port->setText(port);
        frame().Proxy_Username->setText(user);
        frame().Proxy_Password->setText(password);
    }
    void clearBoxes() {
        for (QLineEdit* box : boxes())
            box->setText("placeholder");
    }
    // Confirms the connection frame at the `n`-th wait step, as the user would.
    void confirmAtSleep(int n) {
        clock().onSleep = [this, n](int) {
            if (clock().sleeps() == n)
                frame().Connection_Selected->click();
        };
    }
    int modeBits(const QString& name) {
        struct stat st {};
        const QByteArray path = QFile::encodeName(workPath(name));
        return ::stat(path.constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    }
};

} // namespace

TEST_F(ProxySettingsTest, ScramblingTurnsEachCodeIntoItsComplement) {
    const QString scrambled = ProxySettings::ScramblePassword("abc");
    ASSERT_EQ(scrambled.size(), 3);
    EXPECT_EQ(scrambled[0].unicode(), 158);
    EXPECT_EQ(scrambled[1].unicode(), 157);
    EXPECT_EQ(scrambled[2].unicode(), 156);
    QString all;
    for (int code = 0; code <= 255; ++code)
        all += QChar(code);
    EXPECT_EQ(ProxySettings::ScramblePassword(ProxySettings::ScramblePassword(all)), all);
}

TEST_F(ProxySettingsTest, ProxyChoiceIsWrittenToBothFilesAndReadBack) {
    chooseProxy("proxy.lan", "3128", "mario", "abc");
    proxy().ApplyProxySettings();
    const QByteArray expected("proxy.lan\r\n3128\r\nmario\r\n\x9e\x9d\x9c\r\n1\r\n");
    EXPECT_EQ(readWorkFile(kProxy), expected);
    EXPECT_EQ(readWorkFile(kBackup), expected);
    EXPECT_EQ(state().Wait_Type_Connection, kTrue);

    clearBoxes();
    frame().No_Proxy->click();
    ASSERT_TRUE(proxy().ReadProxyFile());
    EXPECT_EQ(frame().Proxy_Address->text(), "proxy.lan");
    EXPECT_EQ(frame().Proxy_Port->text(), "3128");
    EXPECT_EQ(frame().Proxy_Username->text(), "mario");
    EXPECT_EQ(frame().Proxy_Password->text(), "abc");
    EXPECT_TRUE(frame().Proxy->isChecked());
    EXPECT_EQ(state().Proxy_Enabled, kTrue);
    for (QLineEdit* box : boxes())
        EXPECT_TRUE(box->isEnabled());
}

TEST_F(ProxySettingsTest, ProxyFilesAreForTheOwnerOnly) {
    chooseProxy("proxy.lan", "8080", "u", "secret");
    proxy().ApplyProxySettings();
    EXPECT_EQ(modeBits(kProxy), 0600);
    EXPECT_EQ(modeBits(kBackup), 0600);
}

TEST_F(ProxySettingsTest, HttpControlGetsHostPortUserAndPassword) {
    chooseProxy("proxy.lan", "3128", "mario", "p4ss");
    proxy().ApplyProxySettings();
    EXPECT_EQ(form().Inet1->Proxy(), "proxy.lan");
    EXPECT_EQ(form().Inet1->ProxyPort(), 3128);
    EXPECT_EQ(form().Inet1->UserName(), "mario");
    EXPECT_EQ(form().Inet1->Password(), "p4ss");

    frame().No_Proxy->click();
    proxy().ApplyProxySettings();
    EXPECT_EQ(form().Inet1->Proxy(), "");
    EXPECT_EQ(form().Inet1->ProxyPort(), 0);
    EXPECT_EQ(form().Inet1->UserName(), "");
    EXPECT_EQ(form().Inet1->Password(), "");
}

TEST_F(ProxySettingsTest, DirectChoiceWritesFourEmptyLinesAndZeroAndReadsBackAsDirect) {
    chooseProxy("proxy.lan", "3128", "mario", "abc");
    frame().No_Proxy->click();
    proxy().ApplyProxySettings();
    EXPECT_EQ(readWorkFile(kProxy), QByteArray("\r\n\r\n\r\n\r\n0\r\n"));
    EXPECT_EQ(readWorkFile(kBackup), QByteArray("\r\n\r\n\r\n\r\n0\r\n"));

    frame().Proxy->click();
    clearBoxes();
    ASSERT_TRUE(proxy().ReadProxyFile());
    EXPECT_TRUE(frame().No_Proxy->isChecked());
    EXPECT_EQ(state().Proxy_Enabled, kFalse);
    for (QLineEdit* box : boxes()) {
        EXPECT_EQ(box->text(), "");
        EXPECT_FALSE(box->isEnabled());
    }
}

TEST_F(ProxySettingsTest, OnlyAFifthFieldOfOneSelectsTheProxy) {
    const struct {
        QByteArray fifth;
        Boolean enabled;
    } cases[] = {{"1", kTrue}, {"  1", kTrue},  {"0", kFalse},
                 {"", kFalse}, {"yes", kFalse}, {"11", kFalse}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fifth.toStdString());
        writeWorkFile(kProxy, "h\r\n80\r\nu\r\n\x9e\r\n" + c.fifth + "\r\n");
        ASSERT_TRUE(proxy().ReadProxyFile());
        EXPECT_EQ(state().Proxy_Enabled, c.enabled);
        EXPECT_EQ(frame().Proxy->isChecked(), c.enabled == kTrue);
    }
}

TEST_F(ProxySettingsTest, PasswordWhoseScrambledFormHoldsACommaIsSplitOnReading) {
    // 'Ó' (211) scrambles to ',' (44): the reader cuts the password there, and the rest of it
    // takes the place of the fifth field, so the proxy choice is lost too. The user has to
    // confirm the connection again.
    chooseProxy("proxy.lan", "3128", "mario",
                QString::fromLatin1("ab\xd3"
                                    "cd"));
    proxy().ApplyProxySettings();
    EXPECT_EQ(readWorkFile(kProxy),
              QByteArray("proxy.lan\r\n3128\r\nmario\r\n\x9e\x9d,\x9c\x9b\r\n1\r\n"));
    ASSERT_TRUE(proxy().ReadProxyFile());
    EXPECT_EQ(frame().Proxy_Password->text(), "ab");
    EXPECT_EQ(state().Proxy_Enabled, kFalse);
    EXPECT_TRUE(frame().No_Proxy->isChecked());
}

TEST_F(ProxySettingsTest, FileWithFewerThanFiveFieldsCountsAsMissing) {
    writeWorkFile(kProxy, "cut.lan\r\n3128\r\nuser\r\n");
    clearBoxes();
    EXPECT_FALSE(proxy().ReadProxyFile());
    for (QLineEdit* box : boxes())
        EXPECT_EQ(box->text(), "placeholder");
}

TEST_F(ProxySettingsTest, ShortFileAsksAgainOfferingTheBackupValues) {
    writeWorkFile(kProxy, "cut.lan\r\n3128\r\nuser\r\n");
    writeWorkFile(kBackup, "saved.lan\r\n8080\r\nanna\r\n\x9e\x9d\x9c\r\n1\r\n");
    bool frameShown = false;
    QString offeredHost;
    clock().onSleep = [&](int) {
        if (clock().sleeps() < 2)
            return;
        frameShown = !frame().Frame_Select_Connection->isHidden();
        offeredHost = frame().Proxy_Address->text();
        frame().Connection_Selected->click();
    };
    proxy().LoadProxySettings();
    EXPECT_TRUE(frameShown);
    EXPECT_EQ(offeredHost, "saved.lan");
    EXPECT_TRUE(frame().Frame_Select_Connection->isHidden());
    EXPECT_EQ(state().Mirror_Type_Connection, kTrue);
    const QByteArray expected("saved.lan\r\n8080\r\nanna\r\n\x9e\x9d\x9c\r\n1\r\n");
    EXPECT_EQ(readWorkFile(kProxy), expected);
    EXPECT_EQ(form().Inet1->ProxyPort(), 8080);
}

TEST_F(ProxySettingsTest, FirstStartAsksAndStoresTheDirectChoice) {
    state().Lingua = 1;
    clock().onSleep = [this](int) {
        if (clock().sleeps() == 2) {
            frame().No_Proxy->click();
            frame().Connection_Selected->click();
        }
    };
    proxy().LoadProxySettings();
    EXPECT_EQ(frame().No_Proxy->text(), "Internet Connection: Adsl, Wi-Fi, Modem, Lan");
    EXPECT_EQ(frame().Proxy->text(), "Internet Connection: Proxy Server");
    EXPECT_EQ(readWorkFile(kProxy), QByteArray("\r\n\r\n\r\n\r\n0\r\n"));
    EXPECT_EQ(state().Wait_Type_Connection, kTrue);
}

TEST_F(ProxySettingsTest, StoredFileIsAppliedWithoutAsking) {
    writeWorkFile(kProxy, "proxy.lan\r\n3128\r\nmario\r\n\x9e\x9d\x9c\r\n1\r\n");
    proxy().LoadProxySettings();
    EXPECT_EQ(clock().sleeps(), 0);
    EXPECT_EQ(form().Inet1->Proxy(), "proxy.lan");
    EXPECT_EQ(form().Inet1->Password(), "abc");
    EXPECT_TRUE(workFileExists(kBackup));
}

TEST_F(ProxySettingsTest, ConnectionButtonShowsTheFrameWithTheStoredDirectChoice) {
    writeWorkFile(kProxy, "\r\n\r\n\r\n\r\n0\r\n");
    state().Lingua = 2;
    frame().Proxy->click();
    bool shown = false, directSelected = false, boxesDisabled = false;
    clock().onSleep = [&](int) {
        if (clock().sleeps() < 2)
            return;
        shown = !frame().Frame_Select_Connection->isHidden();
        directSelected = frame().No_Proxy->isChecked();
        boxesDisabled = true;
        for (QLineEdit* box : boxes())
            boxesDisabled = boxesDisabled && !box->isEnabled();
        frame().Connection_Selected->click();
    };
    form().panel.Connection->click();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(directSelected);
    EXPECT_TRUE(boxesDisabled);
    EXPECT_EQ(frame().No_Proxy->text(), "Connessione via Adsl, Wi-Fi, Modem, Lan");
    const platform::Units u = form().units();
    EXPECT_EQ(platform::twips::left(frame().Frame_Select_Connection, u),
              platform::twips::left(form().panel.SSTCfg, u));
    EXPECT_EQ(platform::twips::top(frame().Frame_Select_Connection, u),
              platform::twips::top(form().panel.SSTCfg, u));
    EXPECT_TRUE(frame().Frame_Select_Connection->isHidden());
}

TEST_F(ProxySettingsTest, TestReadProxyButtonReadsTheFile) {
    writeWorkFile(kProxy, "read.lan\r\n81\r\nbob\r\n\r\n1\r\n");
    form().panel.TestReadProxy->click();
    EXPECT_EQ(frame().Proxy_Address->text(), "read.lan");
    EXPECT_EQ(state().Proxy_Enabled, kTrue);
}

TEST_F(ProxySettingsTest, ClosingTheWindowEndsTheConnectionQuestionWithoutFiles) {
    clock().onSleep = [this](int) {
        if (clock().sleeps() == 3)
            form().close();
    };
    form().proxySettings().LoadProxySettings();
    EXPECT_EQ(state().Wait_Type_Connection, kFalse);
    EXPECT_FALSE(workFileExists(ProxySettings::kProxyFile));
    EXPECT_FALSE(workFileExists(ProxySettings::kProxyBackupFile));
    EXPECT_TRUE(form().connectionFrame.Frame_Select_Connection->isHidden());
}
