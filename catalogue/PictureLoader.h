#pragma once
// One picture address into one slot of the picture store.

#include "base/Picture.h"
#include "base/VbTypes.h"

#include <QImage>
#include <QRgb>
#include <QString>

struct AppState;
struct ViewControls;
namespace platform {
struct Platform;
}

class PictureLoader {
public:
    // The thumbnail of each loaded picture shows in `views`.
    PictureLoader(AppState& state, platform::Platform& platform, ViewControls& views);

    // Every outcome fills the slot: the picture, or a placeholder with listIMAGEnotLoaded -1.
    void Load_JPG_GIF_PNG_On_Array(const QString& UrlImageToLoad, Integer slot);
    // False also for an address that is not http or https, and when the extension would name a
    // file outside the work directory.
    bool DownloadFile(const QString& url, const QString& LOCALFILENAME, const QString& Estensione);
    // Decodes a picture file; width/height -1 take the file's own size. Transparent parts are
    // laid on `backColour`. A null picture when the file cannot be decoded. `decoded` receives
    // the decode of the returned picture's bytes (before any laying on the background).
    // At another size than the file's own, the picture is drawn at that size (stretched, or
    // fitted from the top-left corner with keepAspect) and stored as a lossless copy.
    Picture LoadPictureGdiPlus(const QString& fileName, Long& width, Long& height, QRgb backColour,
                               Integer keepAspect, QImage* decoded = nullptr);
    // The standard loader of a picture file, whatever format its bytes hold.
    Picture loadPictureFile(const QString& fileName, QImage* decoded = nullptr);
    // Fills the slot with `placeholder`, marked not loaded.
    void storePlaceholder(Integer slot, const Picture& placeholder);
    // What a failed fetch of `address` leaves in the slot: the picture it held when that came
    // from the same address (an outage must not replace a good picture with a placeholder),
    // shown as `kind` would have been; otherwise `placeholder`.
    void keepPreviousOr(Integer slot, const QString& address, Integer kind,
                        const Picture& placeholder);

private:
    // False on what counts as a loading error (a picture that cannot be decoded, a failed copy).
    bool fillSlot(const QString& url, QString extension, Integer slot, bool& fetched);
    void showProgressThumbnail();
    void storePicture(Integer slot, const Picture& picture, const QImage& decoded);
    // True when an animated slot's picture is no GIF: the slot is then made a still one, which
    // needs no numbered copy.
    bool becameStill(Integer slot, const Picture& picture);
    // The numbered copy of a GIF the animation player reads; advances aniGifNumber.
    bool copyAnimated(const QByteArray& gif);

    AppState& state_;
    platform::Platform& platform_;
    ViewControls& views_;
};
