#pragma once
// A one-line text box that reports clicks, typed characters and the loss of the focus, and
// whose background colour is a 24-bit blue-green-red value like the other controls' colours.

#include "base/Shape.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString& text = QString(), QWidget* parent = nullptr)
        : QLineEdit(text, parent) {}

    int BackColor() const { return backColor_; }
    void setBackColor(int bgr) {
        backColor_ = bgr;
        QPalette p = palette();
        p.setColor(QPalette::Base, Shape::toQColor(bgr));
        setPalette(p);
    }

signals:
    void clicked();
    // A character typed into the box, before the box takes it.
    void keyPressed(QChar character);
    void lostFocus();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QLineEdit::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton && rect().contains(e->pos()))
            emit clicked();
    }
    void keyPressEvent(QKeyEvent* e) override {
        // As the classic key-press event: every key that yields a character, Backspace included.
        if (!e->text().isEmpty())
            emit keyPressed(e->text().at(0));
        QLineEdit::keyPressEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        emit lostFocus();
    }

private:
    int backColor_ = 0xFFFFFF;
};
