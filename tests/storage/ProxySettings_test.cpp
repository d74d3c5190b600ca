// The connection settings: scrambling, the proxy file and its backup, reading back, the
// connection question with the stored choice, what the HTTP control is given, and a failed save.

#include "FileSizeLimit.h"
#include "FormFixture.h"

#include "platform/HttpControl.h"
#include "storage/ProxySettings.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kProxy = ProxySettings::kProxyFile;
const QString kBackup = ProxySettings::kProxyBackupFile;
const QByteArray kDirectFile = "\r\n\r\n\r\n\r\n0\r\n";
// Mode 0600 as Qt reports it to the owner.
const QFile::Permissions kOwnerOnly =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

class ProxySettingsTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        prepareDirectoriesOnly();
    }
    ProxySettings& proxy() { return *form().parts().proxySettings; }
    const ConnectionFrame& frame() { return form().parts().proxySettings->frame(); }
    QList<QLineEdit*> boxes() {
        return {frame().Proxy_Address, frame().Proxy_Port, frame().Proxy_Username,
                frame().Proxy_Password};
    }
    void setBoxes(const QStringList& texts) {
        for (int i = 0; i < 4; ++i)
            boxes()[i]->setText(texts[i]);
    }
    // What the HTTP control was given: host, port, user, password.
    QStringList httpSettings() {
        const platform::HttpControl* inet = form().parts().Inet1;
        return {inet->Proxy(), QString::number(inet->ProxyPort()), inet->UserName(),
                inet->Password()};
    }
};

} // namespace

TEST_F(ProxySettingsTest, ProxyChoiceGoesToTheHttpControlAndBothOwnerOnlyFiles) {
    frame().Proxy->click();
    setBoxes({"proxy.lan", "3128", "mario", "abc"});
    proxy().ApplyProxySettings();
    EXPECT_EQ(httpSettings(), (QStringList{"proxy.lan", "3128", "mario", "abc"}));
    // The password is stored with each code turned into its complement.
    const QByteArray expected("proxy.lan\r\n3128\r\nmario\r\n\x9e\x9d\x9c\r\n1\r\n");
    for (const QString& name : {kProxy, kBackup}) {
        EXPECT_EQ(readWorkFile(name), expected) << name.toStdString();
        EXPECT_EQ(QFile::permissions(workPath(name)), kOwnerOnly) << name.toStdString();
    }
    EXPECT_EQ(state().Wait_Type_Connection, kTrue);

    // At the next start the stored file is applied without asking.
    setBoxes({"x", "x", "x", "x"});
    frame().No_Proxy->click();
    proxy().LoadProxySettings();
    EXPECT_EQ(clock().sleeps(), 0);
    EXPECT_EQ(frame().Proxy_Address->text(), "proxy.lan");
    EXPECT_EQ(frame().Proxy_Password->text(), "abc");
    EXPECT_EQ(state().Proxy_Enabled, kTrue);

    // The direct choice clears the control and stores four empty lines and a zero.
    frame().No_Proxy->click();
    proxy().ApplyProxySettings();
    EXPECT_EQ(httpSettings(), (QStringList{"", "0", "", ""}));
    EXPECT_EQ(readWorkFile(kProxy), kDirectFile);
    EXPECT_EQ(readWorkFile(kBackup), kDirectFile);
}

TEST_F(ProxySettingsTest, AddressTypedWithItsPortGivesTheControlHostAndPort) {
    const struct {
        const char* address;
        const char* port;
        QString host;
        int controlPort;
    } cases[] = {
        {"127.0.0.1:3128", "", "127.0.0.1", 3128},
        {" localhost:8080 ", "abc", "localhost", 8080},
        {"127.0.0.1:3128", "8080", "127.0.0.1", 8080}, // the port box wins
        {"[::1]:3128", "", "::1", 3128},
        {"[::1]", "8080", "::1", 8080},
        {"::1", "", "::1", 0},
        {"localhost", "3128", "localhost", 3128},
        {"localhost:99999", "", "localhost:99999", 0}, // no port: left as typed
    };
    frame().Proxy->click();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.address) + " / " + c.port);
        setBoxes({c.address, c.port, "mario", "abc"});
        proxy().ApplyProxySettings();
        EXPECT_EQ(form().parts().Inet1->Proxy(), c.host);
        EXPECT_EQ(form().parts().Inet1->ProxyPort(), c.controlPort);
    }
    // The file keeps the boxes as typed.
    EXPECT_TRUE(readWorkFile(kProxy).startsWith("localhost:99999\r\n\r\nmario\r\n"));
}

TEST_F(ProxySettingsTest, FilesThatCannotBeWrittenAreNamedInOneBox) {
    state().Lingua = 3;
    frame().Proxy->click();
    setBoxes({"proxy.lan", "3128", "mario", "abc"});
    {
        FileSizeLimit diskFull(0);
        proxy().ApplyProxySettings();
    }
    EXPECT_EQ(messages().texts(),
              QStringList{"ERREUR D'ÉCRITURE SUR LES FICHIERS DE CONFIGURATION!\r\n" +
                          workPath(kProxy) + "\r\n" + workPath(kBackup)});
    // The choice is in force for this run all the same.
    EXPECT_EQ(form().parts().Inet1->Proxy(), "proxy.lan");
}

TEST_F(ProxySettingsTest, OnlyAFifthFieldOfOneSelectsTheProxy) {
    const struct {
        QByteArray fifth;
        Boolean enabled;
    } cases[] = {{"  1", kTrue}, {"0", kFalse}, {"", kFalse}, {"11", kFalse}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fifth.toStdString());
        writeWorkFile(kProxy, "h\r\n80\r\nu\r\n\x9e\r\n" + c.fifth + "\r\n");
        form().parts().panel.TestReadProxy->click();
        EXPECT_EQ(state().Proxy_Enabled, c.enabled);
        EXPECT_EQ(frame().Proxy->isChecked(), c.enabled == kTrue);
    }
}

TEST_F(ProxySettingsTest, EveryPasswordAndUserNameReadsBackWithTheProxyChoice) {
    // Every code at the start, inside and at the end; codes that scramble to a line end, a
    // comma, a quote or a blank; and texts beyond Latin-1.
    QStringList passwords = {QString::fromUtf8("aòbõc"),
                             QString::fromUtf8("ßpass"),
                             QString::fromUtf8("öpass"),
                             QString::fromUtf8("ÝÓx"),
                             QString::fromUtf8("пароль\U0001F511"),
                             QString::fromLatin1("\x10"
                                                 "D@")};
    for (int code = 0; code < 256; ++code) {
        const QChar c(code);
        passwords << QString(c) + 'x' << QStringLiteral("a") + c + 'b' << QStringLiteral("x") + c;
    }
    frame().Proxy->click();
    for (const QString& password : passwords) {
        SCOPED_TRACE(password.toUtf8().toHex().toStdString());
        setBoxes({"127.0.0.1", "3128", QString::fromUtf8("łukasz, ext"), password});
        ASSERT_EQ(frame().Proxy_Password->text(), password);
        proxy().ApplyProxySettings();
        for (const QString& name : {kProxy, kBackup}) {
            setBoxes({"x", "x", "x", "x"});
            frame().No_Proxy->click();
            ASSERT_TRUE(name == kProxy ? proxy().ReadProxyFile() : proxy().RestoreProxyBackup());
            EXPECT_EQ(frame().Proxy_Password->text(), password);
            EXPECT_EQ(frame().Proxy_Username->text(), QString::fromUtf8("łukasz, ext"));
            EXPECT_EQ(frame().Proxy_Port->text(), "3128");
            EXPECT_EQ(state().Proxy_Enabled, kTrue);
            EXPECT_TRUE(frame().Proxy->isChecked());
        }
    }
}

TEST_F(ProxySettingsTest, PasswordsTheOldLayoutHeldReadTheSameAndAreWrittenByteForByte) {
    frame().Proxy->click();
    for (int code = 0; code < 256; ++code) {
        for (const QString& password :
             {QString(QChar(code)) + 'x', QStringLiteral("x") + QChar(code)}) {
            QByteArray scrambled;
            for (const QChar c : password)
                scrambled += char(255 - c.unicode());
            // What the old layout lost: a comma or a line end anywhere, a blank or a quote first.
            if (scrambled.contains(',') || scrambled.contains('\r') || scrambled.contains('\n') ||
                QByteArrayView(" \t\"").contains(scrambled[0]))
                continue;
            SCOPED_TRACE(code);
            const QByteArray oldFile = "h\r\n80\r\nu\r\n" + scrambled + "\r\n1\r\n";
            writeWorkFile(kProxy, oldFile);
            ASSERT_TRUE(proxy().ReadProxyFile());
            EXPECT_EQ(frame().Proxy_Password->text(), password);
            proxy().ApplyProxySettings();
            EXPECT_EQ(readWorkFile(kProxy), oldFile);
        }
    }
}

TEST_F(ProxySettingsTest, ShortFileCountsAsMissingAndTheQuestionOffersTheBackupValues) {
    writeWorkFile(kProxy, "cut.lan\r\n3128\r\nuser\r\n");
    EXPECT_FALSE(proxy().ReadProxyFile());

    const QByteArray backup("saved.lan\r\n8080\r\nanna\r\n\x9e\x9d\x9c\r\n1\r\n");
    writeWorkFile(kBackup, backup);
    state().Lingua = 2;
    QString offeredHost;
    clock().onSleep = [&](int) {
        if (clock().sleeps() < 2)
            return;
        if (!frame().Frame_Select_Connection->isHidden() && frame().Proxy->isChecked())
            offeredHost = frame().Proxy_Address->text();
        frame().Connection_Selected->click();
    };
    proxy().LoadProxySettings();
    EXPECT_EQ(frame().No_Proxy->text(), "Connessione via Adsl, Wi-Fi, Modem, Lan");
    EXPECT_EQ(offeredHost, "saved.lan");
    EXPECT_TRUE(frame().Frame_Select_Connection->isHidden());
    EXPECT_EQ(state().Mirror_Type_Connection, kTrue);
    EXPECT_EQ(readWorkFile(kProxy), backup);
    EXPECT_EQ(form().parts().Inet1->ProxyPort(), 8080);
}

TEST_F(ProxySettingsTest, ClosingTheWindowEndsTheConnectionQuestionWithoutFiles) {
    clock().onSleep = [this](int) {
        if (clock().sleeps() == 3)
            form().close();
    };
    proxy().LoadProxySettings();
    EXPECT_EQ(state().Wait_Type_Connection, kFalse);
    EXPECT_FALSE(workFileExists(kProxy));
    EXPECT_FALSE(workFileExists(kBackup));
    EXPECT_TRUE(frame().Frame_Select_Connection->isHidden());
}
