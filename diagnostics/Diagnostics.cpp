#include "diagnostics/Diagnostics.h"

#include "base/AppState.h"
#include "base/ClickLabel.h"
#include "base/NumericText.h"
#include "base/Timers.h"
#include "diagnostics/DisplayDebug.h"
#include "diagnostics/DisplayDebug2.h"
#include "diagnostics/FormDebug3.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr int kDumpSlots = 6;
constexpr int kDebugStepMs = 1000;
const QString kSeparator = QStringLiteral(" | ");

template <typename List> QString dumpLine(const char* name, const List& list) {
    QString text = QLatin1String(name) + QLatin1Char('\n');
    for (int i = 0; i < kDumpSlots; ++i) {
        if constexpr (std::is_same_v<std::decay_t<decltype(list[0])>, QString>)
            text += list[i];
        else
            text += QString::number(list[i]);
        text += kSeparator;
    }
    return text + QLatin1Char('\n');
}

} // namespace

Diagnostics::Diagnostics(QWidget* window, AppState& state, platform::Platform& platform,
                         Timers& timers, DiagnosticsLinks links)
    : state_(state), platform_(platform), timers_(timers), links_(std::move(links)),
      displayDebug_(std::make_unique<DisplayDebug>(window)),
      displayDebug2_(std::make_unique<DisplayDebug2>(window)),
      formDebug3_(std::make_unique<FormDebug3>(window)) {
    // Loaded from the start, hidden: its timer takes part in every end of the program.
    displayDebug_->dbDisplay.start();
}

Diagnostics::~Diagnostics() = default;

bool Diagnostics::debugging() const {
    return state_.flagDebug == 1;
}

void Diagnostics::ShowDisplayDebug() {
    DisplayDebug& d = *displayDebug_;
    if (links_.proxyFields) {
        const QStringList fields = links_.proxyFields();
        QLineEdit* boxes[] = {d.Proxy_Address, d.Proxy_Port, d.Proxy_Username, d.Proxy_Password};
        for (int i = 0; i < 4 && i < fields.size(); ++i)
            boxes[i]->setText(fields[i]);
    }
    d.dbDisplay.start();
    d.show();
    d.raise();
}

void Diagnostics::UnloadDisplayDebug() {
    displayDebug_->dbDisplay.stop();
    displayDebug_->hide();
}

void Diagnostics::Label12_Click() {
    FormDebug3& f = *formDebug3_;
    f.move(f.x(), 0);
    f.show();
    f.raise();
}

void Diagnostics::ArrayDump() {
    DisplayDebug& d = *displayDebug_;
    if (!d.Aggiorna->isChecked())
        return;
    const AppState& s = state_;
    QString text = QStringLiteral("Debug Array\n");
    text += dumpLine("listIdCopyright", s.listIdCopyright);
    text += dumpLine("listCopyright", s.listCopyright);
    text += dumpLine("listOLDImageSELECTED", s.listOLDImageSELECTED);
    text += dumpLine("listImageSELECTED", s.listImageSELECTED);
    text += dumpLine("listIMAGEnotLoaded", s.listIMAGEnotLoaded);
    text += dumpLine("listURLcomment", s.listURLcomment);
    text += dumpLine("listURLnameOnly", s.listURLnameOnly);
    text += dumpLine("listURL", s.listURL);
    text += dumpLine("listData", s.listData);
    d.ArrayDebug->setVisible(true);
    d.ArrayDebug->raise();
    d.ArrayDebug->setPlainText(text);
}

void Diagnostics::showPanelTick() {
    if (!debugging())
        return;
    displayDebug_->DisplaypanControl_Timer->setText(QString::number(state_.panelTick));
    displayDebug_->DisplayflagCmdButton->setText(QString::number(state_.flagCmdButton));
}

void Diagnostics::showPictureAddress(int slot) {
    if (!debugging())
        return;
    DisplayDebug& d = *displayDebug_;
    d.Text1->appendPlainText(state_.listURL[slot]);
    d.labelLst->setText(QString::number(state_.pictureCount));
    d.ImgTimerValue->setText(QString::number(timers_.imgClock.interval()));
}

void Diagnostics::dbDisplay_Timer() {
    // The end's own message (the goodbye) closes by itself: the end waits for it, or the message
    // would vanish within a second.
    if (state_.ExitToProgram == kTrue && !QApplication::activeModalWidget() && links_.endNow)
        links_.endNow();
}

void Diagnostics::dbSetDwload_Click() {
    AppState& s = state_;
    if (s.flagCmdButton != 0) {
        platform_.messages->showMessage(QStringLiteral("Clock busy Dwload"),
                                        QStringLiteral("Warning!"), platform::MsgIcon::Exclamation);
        return;
    }
    QTimer& clock = timers_.imgClock;
    s.timerClockSave = saturatedInteger(clock.interval());
    clock.stop();
    clock.setInterval(kDebugStepMs);
    s.clockFromDebugSet = 1;
    s.GLOBAL_IMAGE_CURRENT_POINTER = 0;
    double minutes = 0;
    if (links_.SSTCfg_timeDwLoad)
        parseNumber(links_.SSTCfg_timeDwLoad->text(), minutes);
    s.cntCounterDwLoadImage = static_cast<Long>(minutes * 60 + 10);
    clock.start();
}

void Diagnostics::FlagflagCmdButton_Click() {
    displayDebug_->DisplayflagCmdButton->setText(QString::number(state_.flagCmdButton));
}

void Diagnostics::ViewClockStatus_Click() {
    displayDebug_->ValueClockStatus->setText(QString::number(state_.clockStatus));
}

void Diagnostics::RunCalcolaSchermo_Click() {
    DisplayDebug& d = *displayDebug_;
    const platform::Units u = platform_.units();
    const int width = platform::Units::twipsToHimetric(platform_.screenWidthTwips());
    const int height = platform::Units::twipsToHimetric(platform_.screenHeightTwips());
    d.Label2->setText(QString::number(width));
    d.Label4->setText(QString::number(height));
    const int labelHeight = links_.whoWeAre ? links_.whoWeAre->height() : 0;
    d.Label6->setText(QString::number(u.pixelsToTwips(labelHeight)));
    d.Label8->setText(QString::number(u.twipsPerPixel()));
    d.Label10->setText(height > 0 ? QString::number(double(width) / height) : QString());
}

void Diagnostics::Delete_Help_box_Click() {
    if (links_.ApplyHelpTexts)
        links_.ApplyHelpTexts();
}

void Diagnostics::Command_Nascondi_Click() {
    displayDebug2_->hide();
}

void Diagnostics::ListData_txt_Click(int index) {
    if (index >= 0 && index < static_cast<int>(displayDebug2_->ListData_txt.size()))
        displayDebug2_->ListData_txt[static_cast<std::size_t>(index)]->raise();
}
