#include "catalogue/PictureLoader.h"

PictureLoader::PictureLoader(FormPicture& form) : form_(form) {}
void PictureLoader::Load_JPG_GIF_PNG_On_Array(const QString&, Integer) {}
bool PictureLoader::DownloadFile(const QString&, const QString&, const QString&) {
    return false;
}
Picture PictureLoader::LoadPictureGdiPlus(const QString&, Long&, Long&, QRgb, Integer) {
    return {};
}
Picture PictureLoader::loadPictureFile(const QString&) {
    return {};
}
