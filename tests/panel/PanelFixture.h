#pragma once
// A shown main window whose panel talks to the real catalogue service on its demo catalogue,
// in this process, on a loopback port of its own; with helpers to open the panel and to click
// and move the mouse on its controls as a user does.

#include "Catalogue.h"
#include "CatalogueServer.h"
#include "FormFixture.h"
#include "RequestLog.h"
#include "WaitUntil.h"
#include "base/ClickLabel.h"

#include <QTest>
#include <memory>

class QWidget;

class PanelFixture : public FormFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Asks for the panel as the bar's setup button does, and lets the panel-control timer open
    // it; false when it did not open with its list filled.
    bool openPanel();
    // A left click in the middle of `w`, through the window as the mouse would.
    static void click(QWidget* w);
    static void moveMouseOver(QWidget* w);
    // Makes `page` current with a click on its tab.
    void clickTab(QWidget* page);
    // A left click on row `row` of the catalogue list, scrolled into view; the list's own click
    // handler has run when it returns.
    void clickListItem(int row);
    // The rows of the catalogue list that are selected, in order.
    QList<int> selectedRows();

    PanelControls& panel() { return form().parts().panel; }
    // The demo catalogue's entry whose address ends in `name`, as the picture-list file's pair.
    QByteArray pairFor(const QString& name) const;
    int positionOf(const QString& name) const;

    // Set before SetUp: the window starts with "-LOCALHOST:<the service's port>".
    bool localhostSwitch = false;
    quint16 servicePort = 0;
    catalogueservice::Catalogue demo;
    catalogueservice::RequestLog log;
    std::unique_ptr<catalogueservice::CatalogueServer> service;
    QString endpoint;
};
