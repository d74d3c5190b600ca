#pragma once
// Shows one picture of the store: stretched to the control's size or at its natural size. The
// picture is decoded when it is shown, at the size it is shown, so the view holds the pixels of
// one screen at most, never those of the full picture.

#include "base/Picture.h"

#include <QImage>
#include <QWidget>

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    ~PictureView() override;

    // Without stretching the control takes the picture's natural size.
    void setPicture(const Picture& picture);
    // The same, for a caller that already holds the picture's full decode: it is scaled to the
    // control instead of decoding the bytes again.
    void setPicture(const Picture& picture, const QImage& decoded);
    const Picture& picture() const { return picture_; }
    void clearPicture();
    // On: the picture fills the control. Off: the control takes the picture's natural size.
    void setStretch(bool stretch);
    bool Stretch() const { return stretch_; }

    // Decodes `picture` at `displaySize` ahead of time and keeps the result for the next
    // setPicture of the same picture at that size. The slideshow prepares the slot after the one
    // on screen, so the next show only draws. One prepared picture is kept; a new call replaces
    // it.
    void prepare(const Picture& picture, QSize displaySize);

    // The size the picture is drawn at: the control's size when stretching, else the picture's.
    QSize displaySize() const;
    // The pixels drawn, decoding them now when they are not at hand.
    QImage displayImage();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    bool stretch_ = false;
    struct Cache;
    Cache* cache_ = nullptr;
};
