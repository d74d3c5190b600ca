#include "slideshow/PictureView.h"

#include "slideshow/PictureDecoder.h"

#include <QPainter>

namespace {

// A decoded picture with what it was decoded from. Holding the bytes keeps their buffer alive,
// so an equal data pointer always means the same picture.
struct Decoded {
    QByteArray bytes;
    QSize size;
    bool flatten = false;
    QRgb background = 0;
    QImage image;

    bool matches(const Picture& p, QSize s) const {
        return !image.isNull() && bytes.constData() == p.encoded.constData() &&
               bytes.size() == p.encoded.size() && size == s && flatten == p.flatten &&
               background == p.background;
    }
    static Decoded of(const Picture& p, QSize s, QImage image) {
        return {p.encoded, s, p.flatten, p.background, std::move(image)};
    }
};

} // namespace

struct PictureView::Cache {
    Decoded shown;
    Decoded prepared;
};

PictureView::PictureView(QWidget* parent) : QWidget(parent), cache_(new Cache) {}

PictureView::~PictureView() {
    delete cache_;
}

void PictureView::setPicture(const Picture& picture) {
    picture_ = picture;
    if (!stretch_ && !picture_.isNull())
        resize(picture_.naturalSize);
    if (!cache_->shown.matches(picture_, displaySize()))
        cache_->shown = {};
    update();
}

void PictureView::setPicture(const Picture& picture, const QImage& decoded) {
    setPicture(picture);
    const QSize size = displaySize();
    if (!cache_->shown.matches(picture_, size) && !size.isEmpty())
        cache_->shown =
            Decoded::of(picture_, size, pictures::scaledForDisplay(picture_, decoded, size));
}

void PictureView::clearPicture() {
    setPicture(Picture());
}

void PictureView::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void PictureView::prepare(const Picture& picture, QSize size) {
    if (picture.isNull() || size.isEmpty() || cache_->prepared.matches(picture, size) ||
        cache_->shown.matches(picture, size))
        return;
    cache_->prepared = Decoded::of(picture, size, pictures::decodeAt(picture, size));
}

QSize PictureView::displaySize() const {
    return stretch_ ? size() : picture_.naturalSize;
}

QImage PictureView::displayImage() {
    const QSize size = displaySize();
    if (picture_.isNull() || size.isEmpty())
        return {};
    Cache& c = *cache_;
    if (!c.shown.matches(picture_, size)) {
        if (c.prepared.matches(picture_, size)) {
            c.shown = std::move(c.prepared);
            c.prepared = {};
        } else {
            c.shown = Decoded::of(picture_, size, pictures::decodeAt(picture_, size));
        }
    }
    return c.shown.image;
}

void PictureView::paintEvent(QPaintEvent*) {
    const QImage image = displayImage();
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}
