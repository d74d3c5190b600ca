#include "FormFixture.h"

#include "core/Startup.h"
#include "platform/qt/QtMessageBoxes.h"

#include <QDir>
#include <QFile>

void FormFixture::SetUp() {
    ASSERT_TRUE(tempDir_.isValid());
    savedCurrentDir_ = QDir::currentPath();
    root_ = tempDir_.path() + QLatin1Char('/');
    QDir().mkpath(programDir());
    // The placeholder picture lives beside the program, as in the portable layout.
    QFile::copy(QStringLiteral(":/pic_not_available.gif"),
                programDir() + QStringLiteral("/pic_not_available.gif"));
    rebuildForm(QString());
}

void FormFixture::TearDown() {
    form_.reset();
    platform_.reset();
    QDir::setCurrent(savedCurrentDir_);
}

void FormFixture::rebuildForm(const QString& commandLine, const QString& programDirectory) {
    form_.reset();
    platform_ =
        makeFakePlatform(programDirectory.isEmpty() ? programDir() : programDirectory, &fakes_);
    fakes_.screen->size = screenSize_;
    form_ = std::make_unique<FormPicture>(*platform_, commandLine);
}

void FormFixture::useRealMessageBoxes(int autoCloseMs) {
    platform_->messages =
        std::make_unique<platform::QtMessageBoxes>(platform_->ending.get(), autoCloseMs);
    fakes_.messages = nullptr;
}

void FormFixture::loadForm() {
    form_->Form_Load();
}

void FormFixture::prepareDirectoriesOnly() {
    Startup& s = *form_->parts().startup;
    s.CheckPortableLocation();
    ASSERT_TRUE(s.PrepareWorkDirectories());
    AppState& st = form_->state;
    st.appPath = platform_->programDir;
    st.WORK_PATH_FILE_LIST = st.Nimbrisco_Work_Dir.trimmed() + QLatin1Char('/');
    st.imageFilePrefix = st.Nimbrisco_Work_Dir + QStringLiteral("/Nimbrisco7_Img");
}

QString FormFixture::workDir() const {
    const QString dir = form_->state.Nimbrisco_Work_Dir;
    return dir.isEmpty() ? root_ + QStringLiteral("/Data/Nimbrisco7_Work") : dir;
}

void FormFixture::writeWorkFile(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(workDir());
    QFile f(workPath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray FormFixture::readWorkFile(const QString& name) const {
    QFile f(workPath(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool FormFixture::workFileExists(const QString& name) const {
    return QFile::exists(workPath(name));
}
