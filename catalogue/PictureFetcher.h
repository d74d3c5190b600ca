#pragma once
// One pass over the selected entries: every picture fetched by its source kind into the store.

#include "core/VbTypes.h"

#include <QString>

class FormPicture;

class PictureFetcher {
public:
    explicit PictureFetcher(FormPicture& form);

    bool FetchPass(Integer type);
    void RenderWebPage();
    void CaptureScreenToFile();
    void CloseBrowserWindows();
    void SaveFirstPageImage();
    void SaveImageFromUrl(const QString& folder, const QString& address);
    void FetchImageSeries(Integer& slot);

    QString webPageUrl;

private:
    FormPicture& form_;
};
