#include "slideshow/PictureView.h"

#include <QPainter>

struct PictureView::Cache {};

PictureView::PictureView(QWidget* parent) : QWidget(parent) {}
PictureView::~PictureView() {
    delete cache_;
}
void PictureView::setPicture(const Picture& picture) {
    picture_ = picture;
    update();
}
void PictureView::clearPicture() {
    setPicture(Picture());
}
void PictureView::setStretch(bool stretch) {
    stretch_ = stretch;
}
void PictureView::paintEvent(QPaintEvent*) {}
void PictureView::resizeEvent(QResizeEvent*) {}
