// A folder of the site's own pictures served to every screen: the entries its file names make,
// the files served at their addresses and nothing outside the folder, and changes to the folder
// seen once the minute turns.
#include "ServiceFixture.h"
#include "SitePictures.h"

#include <QDir>
#include <QFile>
#include <QImage>

using namespace catalogueservice;

namespace {

QByteArray PictureBytes(const char* format, QRgb colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class SiteFolderTest : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath(folder()));
        server_->setClock([this] { return now_; });
        server_->memory().site = std::make_unique<SitePictures>(
            folder(), [this](const QString& line) { warnings_ << line; });
    }
    QString folder() const { return dir_.filePath("site"); }
    void put(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(WriteFile(folder() + "/" + name, bytes)) << name.toStdString();
    }

    QDateTime now_{QDate(2024, 12, 8), QTime(9, 0, 10)};
    QStringList warnings_;
};

} // namespace

TEST_F(SiteFolderTest, NamedFilesBecomeEntriesAfterTheCatalogueInTheOrderOfTheirIds) {
    const QByteArray harbour = PictureBytes("JPG", qRgb(20, 60, 120));
    put("130_Harbour webcam.jpg", harbour);
    put("125_Wind-chart_of_the_bay.PNG", PictureBytes("PNG", qRgb(200, 30, 30)));
    put("notes.txt", "not a picture");
    const int demoEntries = int(DemoCatalogue().entries.size());

    const QStringList descriptions = ask("p=1&x00=x7777");
    ASSERT_EQ(descriptions.size(), demoEntries + 2);
    EXPECT_EQ(descriptions[demoEntries], "Site SITE125 Wind-chart of the bay");
    EXPECT_EQ(descriptions[demoEntries + 1], "Site SITE130 Harbour webcam");
    EXPECT_EQ(ask("p=1&x00=x6666").mid(demoEntries), (QStringList{"125", "130"}));
    // A credit record splits at "-": the title's own dashes would make extra fields.
    EXPECT_EQ(ask("p=1&x00=x9999").value(demoEntries),
              "-Wind chart of the bay--Picture of this site-");

    const QStringList addresses = ask("p=1&x00=y2222[_130_]");
    ASSERT_EQ(addresses.size(), 1);
    EXPECT_EQ(addresses[0], url("/site/130_Harbour%20webcam.jpg"));
    const HttpReply picture = HttpGet(addresses[0]);
    EXPECT_EQ(picture.status, 200);
    EXPECT_EQ(picture.contentType, "image/jpeg");
    EXPECT_EQ(picture.body, harbour);
    EXPECT_EQ(get("/site/125_Wind-chart_of_the_bay.PNG").contentType, "image/png");
    EXPECT_TRUE(warnings_.isEmpty()) << warnings_.join('\n').toStdString();
}

TEST_F(SiteFolderTest, FilesThatCannotBeEntriesAreServedAndTheOperatorIsToldWhy) {
    put("7_Clash with the demo.jpg", PictureBytes("JPG", qRgb(0, 0, 0)));
    put("40000_Too big an id.jpg", PictureBytes("JPG", qRgb(0, 0, 0)));
    put("logo.png", PictureBytes("PNG", qRgb(0, 0, 0)));
    EXPECT_EQ(ask("p=1&x00=x6666").size(), DemoCatalogue().entries.size());
    ASSERT_EQ(warnings_.size(), 2) << warnings_.join('\n').toStdString();
    EXPECT_TRUE(warnings_.filter("7_Clash").value(0).contains("already in the catalogue"));
    EXPECT_TRUE(warnings_.filter("40000_").value(0).contains("from 1 to 32767"));
    // Said once, not at every reading of an unchanged folder.
    now_ = now_.addSecs(120);
    ask("p=1&x00=x6666");
    EXPECT_EQ(warnings_.size(), 2);
    // A picture without an entry is still there for a catalogue that names it.
    EXPECT_EQ(get("/site/logo.png").status, 200);
    EXPECT_EQ(get("/site/7_Clash%20with%20the%20demo.jpg").status, 200);
}

TEST_F(SiteFolderTest, NothingOutsideTheFolderIsServed) {
    ASSERT_TRUE(WriteFile(dir_.filePath("secret.jpg"), PictureBytes("JPG", qRgb(1, 2, 3))));
    put("1_x.jpg", PictureBytes("JPG", qRgb(1, 2, 3)));
    for (const char* path :
         {"/site/../secret.jpg", "/site/%2e%2e/secret.jpg", "/site/..%2fsecret.jpg",
          "/site/%2Fsecret.jpg", "/site/", "/site/missing.jpg"})
        EXPECT_EQ(get(path).status, 404) << path;
}

TEST_F(SiteFolderTest, AddedAndReplacedPicturesReachTheScreensWhenTheMinuteTurns) {
    const int demoEntries = int(DemoCatalogue().entries.size());
    const QByteArray blue = PictureBytes("PNG", qRgb(0, 0, 255));
    put("200_Queue at the gate.png", blue);
    EXPECT_EQ(ask("p=1&x00=x6666").size(), demoEntries + 1);
    EXPECT_EQ(get("/site/200_Queue%20at%20the%20gate.png").body, blue);

    const QByteArray red = PictureBytes("PNG", qRgb(255, 0, 0));
    put("200_Queue at the gate.png", red);
    put("201_Car park.png", blue);
    now_ = now_.addSecs(30);
    // Within the minute the folder is not read again.
    EXPECT_EQ(ask("p=1&x00=x6666").size(), demoEntries + 1);
    EXPECT_EQ(get("/site/200_Queue%20at%20the%20gate.png").body, blue);

    now_ = now_.addSecs(30);
    EXPECT_EQ(ask("p=1&x00=x6666").mid(demoEntries), (QStringList{"200", "201"}));
    EXPECT_EQ(get("/site/200_Queue%20at%20the%20gate.png").body, red);

    ASSERT_TRUE(QFile::remove(folder() + "/200_Queue at the gate.png"));
    now_ = now_.addSecs(60);
    EXPECT_EQ(ask("p=1&x00=x6666").mid(demoEntries), QStringList{"201"});
    EXPECT_EQ(get("/site/200_Queue%20at%20the%20gate.png").status, 404);
}
