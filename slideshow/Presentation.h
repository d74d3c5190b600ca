#pragma once
// Presents one picture of the store in the display mode in force.

#include "base/Picture.h"
#include "base/VbTypes.h"
#include "base/Fitting.h"

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

    // Decodes `picture` now at the size ShowPicture will give it in the current mode, so that
    // showing it later only draws. The slideshow calls it for the slot after the one it has
    // just shown; `kind` is that slot's picture kind.
    void prepare(const Picture& picture, Integer kind);

    // Where ShowPicture puts the picture, in twips.
    FitRect fullScreenPlacement(const Picture& picture) const;
    FitRect normalPlacement(const Picture& picture) const;

private:
    bool fullScreenMode() const;
    void showBarButtons();

    FormPicture& form_;
};
