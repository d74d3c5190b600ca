#include "panel/PanelTabs.h"

#include <QEvent>
#include <QStackedWidget>
#include <QTabBar>

PanelTabs::PanelTabs(QWidget* parent) : QTabWidget(parent) {
    tabBar()->setExpanding(false);
    tabBar()->setUsesScrollButtons(false);
}

bool PanelTabs::event(QEvent* e) {
    const bool handled = QTabWidget::event(e);
    switch (e->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LayoutRequest:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::Polish:
        coverWithPages();
        break;
    default:
        break;
    }
    return handled;
}

void PanelTabs::tabInserted(int index) {
    QTabWidget::tabInserted(index);
    coverWithPages();
}

void PanelTabs::coverWithPages() {
    auto* pages = findChild<QStackedWidget*>(QStringLiteral("qt_tabwidget_stackedwidget"),
                                             Qt::FindDirectChildrenOnly);
    if (pages && pages->geometry() != rect())
        pages->setGeometry(rect());
    tabBar()->raise();
}
