#include "bar/BarControls.h"

#include "core/ClickLabel.h"
#include "core/Shape.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

BarControls createBarControls(QWidget* form) {
    BarControls c;
    c.BackWhoWeAre = new QLabel(form);
    c.BackWhoWeAre->setStyleSheet("background: black;");
    c.btWait = new ClickLabel(QString(), form);
    c.btSetup = new ClickLabel(QString(), form);
    c.btTermina = new ClickLabel(QString(), form);
    c.btHelp = new ClickLabel(QString(), form);
    c.ImageConnesso = new ClickLabel(QString(), form);
    c.ImageDisconnesso = new ClickLabel(QString(), form);
    c.BtAnimation = new ClickLabel(QString(), form);
    c.btLogo = new ClickLabel(QString(), form);
    c.connectStatus = new ClickLabel(QString(), form);
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
    c.timerflag = new Shape(form);
    c.timerflag->resize(12, 12);
    c.HelpCaller = new QPushButton(form);
    c.HelpCaller->resize(20, 20);
    c.PotBar = new QScrollBar(Qt::Horizontal, form);
    c.PotBar->hide();
    return c;
}
