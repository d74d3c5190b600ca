#pragma once
// Counts the close requests a window receives (the program's end goes through them).

#include <QEvent>
#include <QObject>

class WindowCloseSpy : public QObject {
public:
    explicit WindowCloseSpy(QObject* window) { window->installEventFilter(this); }
    int closeRequests = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close)
            ++closeRequests;
        return false;
    }
};
