#pragma once
// Hover help: while it is on, moving the mouse over an icon of the panel writes what the icon
// does into the help frame and shows the icon's picture beside it. The frame keeps them until
// the next hover.

#include <QHash>
#include <QObject>

struct AppState;
struct PanelControls;
class QWidget;

class HoverHelp : public QObject {
    Q_OBJECT
public:
    // The controls of the hover table are found below `root` by their names.
    HoverHelp(QWidget* root, PanelControls& controls, AppState& state);

    // The hover over `control` (one of the table's; others are ignored).
    void hover(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PanelControls& controls_;
    AppState& state_;
    // Row of the hover table by control.
    QHash<QObject*, int> rows_;
};
