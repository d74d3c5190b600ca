#pragma once
// The three views that show a picture (exactly one is visible at a time), the thumbnail shown
// while a download pass runs, the update notice, and the pictures the window keeps at hand.

#include "base/Picture.h"

class QLabel;
class QWebEngineView;
class QWidget;
class PictureView;
class ucAniGIF;

struct ViewControls {
    PictureView* fotoBrowser = nullptr;    // still pictures
    ucAniGIF* ucAniGIF1 = nullptr;         // animated pictures
    QWebEngineView* webvis = nullptr;      // web pages being rendered
    PictureView* Miniatura = nullptr;      // thumbnail of the picture just loaded
    QLabel* DownloadPreview = nullptr;     // "Download In Progress:  Preview"
    QLabel* MessaggioAggiornate = nullptr; // announces that the pictures were updated
    Picture ImageLogoPRO;                  // the start logo
    Picture ImageNonDisponibile;           // placeholder: picture not available
    Picture ErrLoadPicture;                // placeholder: picture could not be loaded
};

// Creates the views as children of `form`, all hidden.
ViewControls createViewControls(QWidget* form);
