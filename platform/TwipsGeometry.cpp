#include "platform/TwipsGeometry.h"

#include <QVariant>
#include <QWidget>

namespace platform::twips {
namespace {

// Names of the dynamic properties that remember the twips set on a widget.
constexpr const char* kLeft = "twipsLeft";
constexpr const char* kTop = "twipsTop";
constexpr const char* kWidth = "twipsWidth";
constexpr const char* kHeight = "twipsHeight";

int remembered(const QWidget* w, const char* name, int pixels, const Units& u) {
    const QVariant v = w->property(name);
    // A value only counts while the widget still has the pixels it was given.
    if (v.isValid() && u.twipsToPixels(v.toInt()) == pixels)
        return v.toInt();
    return u.pixelsToTwips(pixels);
}

} // namespace

void setLeft(QWidget* w, const Units& u, int t) {
    w->setProperty(kLeft, t);
    w->move(u.twipsToPixels(t), w->y());
}

void setTop(QWidget* w, const Units& u, int t) {
    w->setProperty(kTop, t);
    w->move(w->x(), u.twipsToPixels(t));
}

void setWidth(QWidget* w, const Units& u, int t) {
    w->setProperty(kWidth, t);
    w->resize(qMax(0, u.twipsToPixels(t)), w->height());
}

void setHeight(QWidget* w, const Units& u, int t) {
    w->setProperty(kHeight, t);
    w->resize(w->width(), qMax(0, u.twipsToPixels(t)));
}

void move(QWidget* w, const Units& u, int l, int t) {
    setLeft(w, u, l);
    setTop(w, u, t);
}

void setGeometry(QWidget* w, const Units& u, int l, int t, int wd, int h) {
    move(w, u, l, t);
    setWidth(w, u, wd);
    setHeight(w, u, h);
}

int left(const QWidget* w, const Units& u) {
    return remembered(w, kLeft, w->x(), u);
}
int top(const QWidget* w, const Units& u) {
    return remembered(w, kTop, w->y(), u);
}
int width(const QWidget* w, const Units& u) {
    return remembered(w, kWidth, w->width(), u);
}
int height(const QWidget* w, const Units& u) {
    return remembered(w, kHeight, w->height(), u);
}

} // namespace platform::twips
