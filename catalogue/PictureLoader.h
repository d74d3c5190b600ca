#pragma once
// One picture address into one slot of the picture store.

#include "core/Picture.h"
#include "core/VbTypes.h"

#include <QRgb>
#include <QString>

class FormPicture;

class PictureLoader {
public:
    explicit PictureLoader(FormPicture& form);

    void Load_JPG_GIF_PNG_On_Array(const QString& UrlImageToLoad, Integer slot);
    bool DownloadFile(const QString& url, const QString& LOCALFILENAME, const QString& Estensione);
    // Decodes a picture file; width/height -1 take the file's own size. Transparent parts are
    // laid on `backColour`. A null picture when the file cannot be decoded.
    Picture LoadPictureGdiPlus(const QString& fileName, Long& width, Long& height, QRgb backColour,
                               Integer keepAspect);
    // The standard loader of a picture file (any format the file holds).
    Picture loadPictureFile(const QString& fileName);

private:
    FormPicture& form_;
};
