#include "catalogue/PictureFetcher.h"

PictureFetcher::PictureFetcher(FormPicture& form) : form_(form) {}
bool PictureFetcher::FetchPass(Integer) {
    return true;
}
void PictureFetcher::RenderWebPage() {}
void PictureFetcher::CaptureScreenToFile() {}
void PictureFetcher::CloseBrowserWindows() {}
void PictureFetcher::SaveFirstPageImage() {}
void PictureFetcher::SaveImageFromUrl(const QString&, const QString&) {}
void PictureFetcher::FetchImageSeries(Integer&) {}
