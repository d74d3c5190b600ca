#include "bar/ControlBar.h"

#include "base/AppState.h"
#include "base/BarArithmetic.h"
#include "base/ClickLabel.h"
#include "base/DownloadLimit.h"
#include "base/Shape.h"
#include "base/StatusText.h"
#include "base/VisibleLike.h"
#include "platform/Platform.h"
#include "platform/TwipsGeometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace tw = platform::twips;

ControlBar::ControlBar(BarControls& bar, QWidget* window, AppState& state,
                       platform::Platform& platform, QLineEdit* downloadMinutes,
                       std::function<void()> apreSetup, std::function<void()> help)
    : window_(window), state_(state), platform_(platform), downloadMinutes_(downloadMinutes),
      apreSetup_(std::move(apreSetup)), help_(std::move(help)), bar_(bar) {}

std::array<QWidget*, 10> ControlBar::barControls() const {
    const BarControls& b = bar_;
    return {b.BackWhoWeAre, b.btSetup,       b.btTermina, b.BtAnimation, b.btHelp,
            b.btLogo,       b.connectStatus, b.whoWeAre,  b.btWait,      b.lCountDown};
}

void ControlBar::Disegna_Barra2() {
    AppState& s = state_;
    BarControls& b = bar_;
    const platform::Units u = platform_.units();
    const BarGeometry g =
        computeBarGeometry(static_cast<float>(platform_.screenWidthTwips()),
                           static_cast<float>(platform_.screenHeightTwips()), s.Ratio_X_Y);

    tw::setLeft(b.BackWhoWeAre, u, 0);
    tw::setHeight(b.BackWhoWeAre, u, g.U);
    tw::setTop(b.BackWhoWeAre, u, g.backTop);
    tw::setWidth(b.BackWhoWeAre, u, platform_.screenWidthTwips());
    b.BackWhoWeAre->lower();

    for (QWidget* w : {static_cast<QWidget*>(b.whoWeAre), static_cast<QWidget*>(b.btSetup),
                       static_cast<QWidget*>(b.btWait), static_cast<QWidget*>(b.btTermina),
                       static_cast<QWidget*>(b.BtAnimation), static_cast<QWidget*>(b.btHelp),
                       static_cast<QWidget*>(b.btLogo)})
        tw::setHeight(w, u, g.U);
    tw::setHeight(b.connectStatus, u, tw::height(b.whoWeAre, u));

    for (QWidget* w : {b.btTermina, b.BtAnimation, b.btHelp, b.connectStatus})
        tw::setWidth(w, u, g.terminaWidth);
    tw::setWidth(b.btSetup, u, g.setupWidth);
    tw::setWidth(b.btWait, u, g.setupWidth);
    tw::setWidth(b.btLogo, u, g.logoWidth);
    tw::setWidth(b.whoWeAre, u, g.whoWeAreWidth);

    tw::setLeft(b.btSetup, u, 0);
    tw::setLeft(b.btWait, u, 0);
    tw::setLeft(b.btTermina, u, g.terminaLeft);
    tw::setLeft(b.btHelp, u, g.terminaLeft);
    tw::setLeft(b.BtAnimation, u, g.whoWeAreLeft);
    tw::setLeft(b.whoWeAre, u, g.whoWeAreLeft);
    tw::setLeft(b.btLogo, u, g.logoLeft);
    tw::setLeft(b.connectStatus, u, g.connectLeft);

    tw::setTop(b.whoWeAre, u, g.top);
    for (QWidget* w : {static_cast<QWidget*>(b.btSetup), static_cast<QWidget*>(b.btWait),
                       static_cast<QWidget*>(b.btTermina), static_cast<QWidget*>(b.BtAnimation),
                       static_cast<QWidget*>(b.btHelp), static_cast<QWidget*>(b.btLogo),
                       static_cast<QWidget*>(b.connectStatus)})
        tw::setTop(w, u, g.top);
    tw::setTop(b.timerflag, u, g.timerflagTop);

    QFont font = b.whoWeAre->font();
    font.setPointSizeF(qMax(1.0f, g.fontSize));
    b.whoWeAre->setFont(font);

    s.statusLine1 = s.weAre + s.Aggiornare + s.LastUpdate;
    s.statusLine2 = QStringLiteral(". . . ");
    ShowStatusText(s, b.whoWeAre);

    b.btSetup->setEnabled(false);
    for (QWidget* w : {b.btSetup, b.btWait, b.btTermina, b.btHelp, b.btLogo})
        w->raise();

    tw::setWidth(b.PotBar, u, 100);
    tw::setLeft(b.PotBar, u, 5000);
    b.PotBar->setEnabled(false);
    DebugBarra = QStringLiteral("Debug Barra");
    const auto line = [this](const char* label, double value) {
        DebugBarra += QStringLiteral("\r\n") + QLatin1String(label) + QString::number(value);
    };
    line("BackWhoWeAre.Height  ", tw::height(b.BackWhoWeAre, u));
    line("Ratio_X_Y  ", s.Ratio_X_Y);
    line("btSetup.Width  ", tw::width(b.btSetup, u));
    line("btWait.Width  ", tw::width(b.btWait, u));
    line("btTermina.Width  ", tw::width(b.btTermina, u));
    line("BtAnimation.Width  ", tw::width(b.BtAnimation, u));
    line("btLogo.Width  ", tw::width(b.btLogo, u));
    line("connectStatus.Width  ", tw::width(b.connectStatus, u));
    line("btSetup.Height  ", tw::height(b.btSetup, u));
    line("btWait.Height  ", tw::height(b.btWait, u));
    line("btTermina.Height  ", tw::height(b.btTermina, u));
    line("BtAnimation.Height  ", tw::height(b.BtAnimation, u));
    line("btLogo.Height  ", tw::height(b.btLogo, u));
    line("connectStatus.Height  ", tw::height(b.connectStatus, u));
    line("potbar.Value  ", b.PotBar->value());
}

void ControlBar::PotBar_Change() {
    state_.Ratio_X_Y = static_cast<float>(bar_.PotBar->value() / 10.0);
    Disegna_Barra2();
}

void ControlBar::SetAlwaysOnTop(bool onTop) {
    platform_.windows->setAlwaysOnTop(window_, onTop);
}

void ControlBar::Nascondi_Barra() {
    const auto controls = barControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        barSaved[i] = toBoolean(!controls[i]->isHidden());
        controls[i]->hide();
    }
}

void ControlBar::Esponi_Barra() {
    const auto controls = barControls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        controls[i]->setVisible(barSaved[i] != kFalse);
}

void ControlBar::btSetup_Click() {
    apreSetup_();
}

void ControlBar::btHelp_Click() {
    help_();
}

void ControlBar::ImageConnesso_Click() {
    state_.cntCounterDwLoadImage = downloadlimit::aboveLimit(downloadMinutes_->text(), 100);
}

void ControlBar::BarButtonsBusy() {
    bar_.btSetup->setVisible(false);
    bar_.btWait->setVisible(true);
    setVisibleLike(bar_.btHelp, bar_.btSetup);
}

void ControlBar::BarButtonsIdle() {
    bar_.btSetup->setVisible(true);
    bar_.btWait->setVisible(false);
    setVisibleLike(bar_.btHelp, bar_.btSetup);
}
