#pragma once
// A filled shape (a marker dot, the timer indicator box). Colours are 24-bit values stored as
// blue-green-red, so 255 is pure red.

#include <QPainter>
#include <QWidget>

class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr) : QWidget(parent) {}

    int FillColor() const { return fillColor_; }
    void setFillColor(int bgr) {
        fillColor_ = bgr;
        update();
    }
    static QColor toQColor(int bgr) {
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(toQColor(fillColor_));
        p.setPen(Qt::NoPen);
        p.drawEllipse(rect().adjusted(1, 1, -1, -1));
    }

private:
    int fillColor_ = 0;
};
