#pragma once
// A label that reports clicks: the panel's icons and their caption labels act as buttons.

#include <QLabel>
#include <QMouseEvent>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr)
        : QLabel(text, parent) {}

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (isEnabled() && e->button() == Qt::LeftButton && rect().contains(e->pos()))
            emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
};
