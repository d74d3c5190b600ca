#pragma once
// Presents one picture of the store in the display mode in force.

#include "core/Picture.h"

class FormPicture;

class Presentation {
public:
    explicit Presentation(FormPicture& form);

    void ShowPicture(const Picture& picture);
    void ShowPictureView();
    void ShowAniGifView();
    void ShowWebView();
    void dyMode_Click();
    void dyMode2_Click() {}

private:
    FormPicture& form_;
};
