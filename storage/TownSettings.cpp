#include "storage/TownSettings.h"

#include "base/AppState.h"
#include "i18n/Language.h"
#include "i18n/Messages.h"
#include "platform/Platform.h"
#include "platform/ScreenPlacement.h"
#include "platform/TwipsGeometry.h"
#include "storage/DelimitedReader.h"
#include "storage/TextFile.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QString kFahrenheit = QStringLiteral("F");

// Fields 1 to 14 and the unit. Forecast addresses take the fields verbatim, hence "New+York".
const QStringList kDefaultLines = {
    QStringLiteral("Courmayeur"), QStringLiteral("New+York"), QStringLiteral("ny"),
    QStringLiteral("us"),         QStringLiteral("Naples"),   QStringLiteral("Italy"),
    QStringLiteral("OPTION1"),    QStringLiteral("OPTION2"),  QStringLiteral("OPTION3"),
    QStringLiteral("OPTION4"),    QStringLiteral("OPTION5"),  QStringLiteral("OPTION6"),
    QStringLiteral("OPTION7"),    QStringLiteral("OPTION8"),  kFahrenheit};

} // namespace

TownSettings::TownSettings(QWidget* window, QWidget* anchor, AppState& state,
                           platform::Platform& platform, Language& language)
    : anchor_(anchor), state_(state), platform_(platform), language_(language),
      frame_(createTownFrame(window)) {}

QString TownSettings::filePath() const {
    return state_.WORK_PATH_FILE_LIST + kTownFile;
}

void TownSettings::LoadTownSettings() {
    if (QFile::exists(filePath())) {
        ReadTownFile();
        return;
    }
    // Once told that the file cannot be written, the user needs no second box for it.
    if (!CreateDefaultTownFile())
        return;
    ReadTownFile();
    WriteTownFile();
}

void TownSettings::ReadTownFile() {
    if (!QFile::exists(filePath()))
        return;
    const TownFrame& t = frame_;
    storage::DelimitedReader reader = storage::DelimitedReader::fromFile(filePath());
    QString field;
    for (QLineEdit* param : t.PARAM) {
        if (!reader.readField(field)) {
            showReadError();
            return;
        }
        param->setText(field.trimmed());
    }
    if (!reader.readField(field))
        return showReadError();
    if (field.trimmed() == kFahrenheit)
        t.Farenaith->setChecked(true);
    else
        t.Centigradi->setChecked(true);
}

void TownSettings::showReadError() {
    platform_.messages->showMessage(i18n::text::kTownFileError);
}

bool TownSettings::CreateDefaultTownFile() {
    return writeFile(kDefaultLines);
}

bool TownSettings::WriteTownFile() {
    const TownFrame& t = frame_;
    QStringList lines;
    for (const QLineEdit* param : t.PARAM)
        lines << param->text();
    lines << (t.Farenaith->isChecked() ? kFahrenheit : QStringLiteral("C"));
    return writeFile(lines);
}

bool TownSettings::writeFile(QStringList lines) {
    // Three lines of one blank close the file; nothing reads them.
    lines << QStringLiteral(" ") << QStringLiteral(" ") << QStringLiteral(" ");
    if (storage::writeLines(filePath(), lines))
        return true;
    language_.MsgConfigWriteError({filePath()});
    return false;
}

void TownSettings::OkYourTown_Click() {
    frame_.FormYourTown->hide();
    WriteTownFile();
}

void TownSettings::ShowTownFrame() {
    // The start-up parks the frame below the screen; bring it over the panel.
    QGroupBox* frame = frame_.FormYourTown;
    const platform::Units u = platform_.units();
    platform::twips::move(frame, u, platform::twips::left(anchor_, u),
                          platform::twips::top(anchor_, u));
    platform::keepOnScreen(frame, platform_.screen->sizePixels());
    frame->raise();
    frame->show();
}

void TownSettings::ParkTownFrame() {
    frame_.FormYourTown->hide();
    platform::twips::setTop(frame_.FormYourTown, platform_.units(), 55000);
}
