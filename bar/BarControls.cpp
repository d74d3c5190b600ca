#include "bar/BarControls.h"

#include "base/ClickLabel.h"
#include "base/Shape.h"
#include "platform/TwipsGeometry.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

// Every control bears its name as its object name: the language tables, tests and the
// accessibility interface find it by that name.
#define NIMBRISCO_NAMED(member, made)                                                              \
    do {                                                                                           \
        c.member = (made);                                                                         \
        c.member->setObjectName(QStringLiteral(#member));                                          \
    } while (false)

namespace {

ClickLabel* pictureButton(QWidget* form, const char* picture) {
    auto* b = new ClickLabel(QString(), form);
    b->setPixmap(QPixmap(QString::fromLatin1(picture)));
    b->setScaledContents(true);
    return b;
}

} // namespace

BarControls createBarControls(QWidget* form, const platform::Units& u) {
    BarControls c;
    NIMBRISCO_NAMED(BackWhoWeAre, new QLabel(form));
    c.BackWhoWeAre->setStyleSheet("background: black;");
    NIMBRISCO_NAMED(btWait, pictureButton(form, ":/pictures/bt_wait.png"));
    NIMBRISCO_NAMED(btSetup, pictureButton(form, ":/pictures/bt_setup.png"));
    NIMBRISCO_NAMED(btTermina, pictureButton(form, ":/pictures/bt_quit.png"));
    NIMBRISCO_NAMED(btHelp, pictureButton(form, ":/pictures/bt_help.png"));
    NIMBRISCO_NAMED(ImageConnesso, pictureButton(form, ":/pictures/connected.png"));
    NIMBRISCO_NAMED(ImageDisconnesso, pictureButton(form, ":/pictures/disconnected.png"));
    NIMBRISCO_NAMED(BtAnimation, pictureButton(form, ":/pictures/bt_animation.png"));
    NIMBRISCO_NAMED(btLogo, pictureButton(form, ":/pictures/bar_logo.png"));
    NIMBRISCO_NAMED(connectStatus, new ClickLabel(QString(), form));
    c.connectStatus->setScaledContents(true);
    // Pictures held for the connection indicator, never shown themselves.
    c.ImageConnesso->hide();
    c.ImageDisconnesso->hide();
    NIMBRISCO_NAMED(Label12, new ClickLabel(QString(), form));
    c.Label12->hide();
    NIMBRISCO_NAMED(whoWeAre, new QLabel(form));
    c.whoWeAre->setStyleSheet("color: white; background: black;");
    NIMBRISCO_NAMED(lCountDown, new QLabel(form));
    c.lCountDown->setStyleSheet("color: white;");
    NIMBRISCO_NAMED(lGeneric, new QLabel(form));
    c.lGeneric->hide();
    NIMBRISCO_NAMED(lblMsgUser, new QLabel(form));
    c.lblMsgUser->setWordWrap(true);
    c.lblMsgUser->hide();
    // Credits, the service's message and the status lines come from outside: shown as written,
    // never as rich text (which would honour a tag naming a local file).
    for (QLabel* l : {c.whoWeAre, c.lCountDown, c.lblMsgUser})
        l->setTextFormat(Qt::PlainText);
    NIMBRISCO_NAMED(timerflag, new Shape(form));
    c.timerflag->resize(12, 12);
    NIMBRISCO_NAMED(HelpCaller, new QPushButton(form));
    c.HelpCaller->resize(20, 20);
    NIMBRISCO_NAMED(PotBar, new QScrollBar(Qt::Horizontal, form));
    c.PotBar->hide();
    platform::twips::setHeight(c.whoWeAre, u, 480);
    platform::twips::setHeight(c.lCountDown, u, 285);
    return c;
}

#undef NIMBRISCO_NAMED
