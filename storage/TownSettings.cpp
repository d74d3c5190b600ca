#include "storage/TownSettings.h"

#include "base/ClickLabel.h"
#include "core/FormPicture.h"
#include "i18n/Language.h"
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

TownSettings::TownSettings(FormPicture& form) : form_(form) {
    QObject::connect(form_.townFrame.OkYourTown, &QPushButton::clicked, &form_,
                     [this] { OkYourTown_Click(); });
    QObject::connect(form_.panel.YourTownIco, &ClickLabel::clicked, &form_,
                     [this] { ShowTownFrame(); });
}

QString TownSettings::filePath() const {
    return form_.state.WORK_PATH_FILE_LIST + kTownFile;
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
    const TownFrame& t = form_.townFrame;
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
    form_.messages().showMessage(QStringLiteral("Error FileTown - Cleanup Please"));
}

bool TownSettings::CreateDefaultTownFile() {
    return writeFile(kDefaultLines);
}

bool TownSettings::WriteTownFile() {
    const TownFrame& t = form_.townFrame;
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
    form_.language().MsgConfigWriteError({filePath()});
    return false;
}

void TownSettings::OkYourTown_Click() {
    form_.townFrame.FormYourTown->hide();
    WriteTownFile();
}

void TownSettings::ShowTownFrame() {
    // The start-up parks the frame below the screen; bring it over the panel.
    QGroupBox* frame = form_.townFrame.FormYourTown;
    const platform::Units u = form_.units();
    platform::twips::move(frame, u, platform::twips::left(form_.panel.SSTCfg, u),
                          platform::twips::top(form_.panel.SSTCfg, u));
    platform::keepOnScreen(frame, form_.platform().screen->sizePixels());
    frame->raise();
    frame->show();
}
