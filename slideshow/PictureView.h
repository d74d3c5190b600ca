#pragma once
// Shows one picture of the store: stretched to the control's size or at its natural size. The
// picture is decoded when it is shown, at the size it is shown.

#include "core/Picture.h"

#include <QWidget>

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    ~PictureView() override;

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    void clearPicture();
    // On: the picture fills the control. Off: the control takes the picture's natural size.
    void setStretch(bool stretch);
    bool Stretch() const { return stretch_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Picture picture_;
    bool stretch_ = false;
    struct Cache;
    Cache* cache_ = nullptr;
};
