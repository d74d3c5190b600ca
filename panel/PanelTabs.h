#pragma once
// The panel's tab control. Its pages cover the whole control, tab strip included, so that the
// places of a page's controls are measured from the control's corner, as the layout gives them;
// the strip stays in front.

#include <QTabWidget>

class PanelTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit PanelTabs(QWidget* parent = nullptr);

protected:
    bool event(QEvent* e) override;
    void tabInserted(int index) override;

private:
    // QTabWidget puts its pages below the strip whenever it lays itself out.
    void coverWithPages();
};
