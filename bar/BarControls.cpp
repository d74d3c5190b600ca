#include "bar/BarControls.h"

#include "base/ClickLabel.h"
#include "base/Shape.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

namespace {

ClickLabel* pictureButton(QWidget* form, const char* picture) {
    auto* b = new ClickLabel(QString(), form);
    b->setPixmap(QPixmap(QString::fromLatin1(picture)));
    b->setScaledContents(true);
    return b;
}

} // namespace

BarControls createBarControls(QWidget* form) {
    BarControls c;
    c.BackWhoWeAre = new QLabel(form);
    c.BackWhoWeAre->setStyleSheet("background: black;");
    c.btWait = pictureButton(form, ":/pictures/bt_wait.png");
    c.btSetup = pictureButton(form, ":/pictures/bt_setup.png");
    c.btTermina = pictureButton(form, ":/pictures/bt_quit.png");
    c.btHelp = pictureButton(form, ":/pictures/bt_help.png");
    c.ImageConnesso = pictureButton(form, ":/pictures/connected.png");
    c.ImageDisconnesso = pictureButton(form, ":/pictures/disconnected.png");
    c.BtAnimation = pictureButton(form, ":/pictures/bt_animation.png");
    c.btLogo = pictureButton(form, ":/pictures/bar_logo.png");
    c.connectStatus = new ClickLabel(QString(), form);
    c.connectStatus->setScaledContents(true);
    // Pictures held for the connection indicator, never shown themselves.
    c.ImageConnesso->hide();
    c.ImageDisconnesso->hide();
    c.Label12 = new ClickLabel(QString(), form);
    c.Label12->hide();
    c.whoWeAre = new QLabel(form);
    c.whoWeAre->setStyleSheet("color: white; background: black;");
    c.lCountDown = new QLabel(form);
    c.lCountDown->setStyleSheet("color: white;");
    c.lGeneric = new QLabel(form);
    c.lGeneric->hide();
    c.lblMsgUser = new QLabel(form);
    c.lblMsgUser->setWordWrap(true);
    c.lblMsgUser->hide();
    // Credits, the service's message and the status lines come from outside: shown as written,
    // never as rich text (which would honour a tag naming a local file).
    for (QLabel* l : {c.whoWeAre, c.lCountDown, c.lblMsgUser})
        l->setTextFormat(Qt::PlainText);
    c.timerflag = new Shape(form);
    c.timerflag->resize(12, 12);
    c.HelpCaller = new QPushButton(form);
    c.HelpCaller->resize(20, 20);
    c.PotBar = new QScrollBar(Qt::Horizontal, form);
    c.PotBar->hide();
    return c;
}
