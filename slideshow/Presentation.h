#pragma once
// Presents one picture of the store in the display mode in force.

#include "base/Fitting.h"
#include "base/Picture.h"
#include "base/VbTypes.h"

struct AppState;
struct BarControls;
class ControlBar;
class Language;
class QLineEdit;
class QWidget;
struct ViewControls;
namespace platform {
struct Platform;
}

class Presentation {
public:
    // Pictures are placed on `window` in the mode `txtDisplay` names.
    Presentation(ViewControls& views, ControlBar& controlBar, QLineEdit* txtDisplay,
                 QWidget* window, AppState& state, platform::Platform& platform,
                 Language& language);

    void ShowPicture(const Picture& picture);
    void ShowPictureView();
    void ShowAniGifView();
    void ShowWebView();
    // Hides the page-render view (made screen-sized, pages are rendered off the visible
    // views) and the GIF control, as the start-up leaves them.
    void HideRenderViews();
    void dyMode_Click();

    // Decodes `picture` now at the size ShowPicture will give it in the current mode, so that
    // showing it later only draws. The slideshow calls it for the slot after the one it has
    // just shown; `kind` is that slot's picture kind.
    void prepare(const Picture& picture, Integer kind);

    // Where ShowPicture puts the picture, in twips.
    FitRect fullScreenPlacement(const Picture& picture) const;
    FitRect normalPlacement(const Picture& picture) const;

private:
    bool fullScreenMode() const;

    ViewControls& views_;
    ControlBar& controlBar_;
    BarControls& bar_;
    QLineEdit* txtDisplay_;
    QWidget* window_;
    AppState& state_;
    platform::Platform& platform_;
    Language& language_;
};
