#include "catalogue/PictureLoader.h"

#include "base/AppState.h"
#include "base/Codes.h"
#include "base/EntryAddress.h"
#include "base/LocalFileName.h"
#include "platform/Platform.h"
#include "platform/TwipsGeometry.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"
#include "slideshow/ViewControls.h"
#include "storage/TextFile.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <limits>

namespace tw = platform::twips;

namespace {

const QString kPng = QStringLiteral(".png");
const QString kPhp = QStringLiteral(".php");
const QString kGif = QStringLiteral(".gif");

// The animation player plays GIF streams only; any other picture is shown as a still.
bool isGif(const Picture& picture) {
    return picture.encoded.startsWith("GIF87a") || picture.encoded.startsWith("GIF89a");
}

QByteArray encodedPng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

} // namespace

PictureLoader::PictureLoader(AppState& state, platform::Platform& platform, ViewControls& views)
    : state_(state), platform_(platform), views_(views) {
    // The thumbnail's box, with the caption under it.
    const platform::Units u = platform_.units();
    tw::setWidth(views_.Miniatura, u, 5200);
    tw::setHeight(views_.Miniatura, u, 3900);
    tw::setWidth(views_.DownloadPreview, u, 5200);
    tw::setHeight(views_.DownloadPreview, u, 300);
}

void PictureLoader::Load_JPG_GIF_PNG_On_Array(const QString& UrlImageToLoad, Integer slot) {
    AppState& s = state_;
    s.IsWebPage = kFalse;
    const QString extension = localname::extensionOf(UrlImageToLoad);
    const Integer kind = s.listPictureKind[slot];
    bool fetched = false;
    bool loaded = false;
    try {
        loaded = fillSlot(UrlImageToLoad, extension, slot, fetched);
    } catch (...) {
        loaded = false;
    }
    if (!fetched)
        keepPreviousOr(slot, UrlImageToLoad, kind, views_.ImageNonDisponibile);
    else if (!loaded)
        keepPreviousOr(slot, UrlImageToLoad, kind, views_.ErrLoadPicture);
    else
        s.listPicture[slot].address = UrlImageToLoad;
}

bool PictureLoader::fillSlot(const QString& url, QString extension, Integer slot, bool& fetched) {
    AppState& s = state_;
    showProgressThumbnail();
    if (s.listPictureKind[slot] == codes::picture::kScript)
        extension = kPhp;
    fetched = DownloadFile(url, s.imageFilePrefix + extension, extension);
    if (!fetched)
        return false;
    s.listIMAGEnotLoaded[slot] = 0;
    QImage decoded;

    // A PNG whatever the case of its extension: its transparent parts go on white.
    if (extension.compare(kPng, Qt::CaseInsensitive) == 0) {
        Long width = -1;
        Long height = -1;
        const Picture picture = LoadPictureGdiPlus(s.imageFilePrefix + extension, width, height,
                                                   qRgb(255, 255, 255), 0, &decoded);
        if (picture.isNull())
            return false;
        storePicture(slot, picture, decoded);
        s.listPictureKind[slot] = codes::picture::kFile;
        return true;
    }

    // A script source: its picture was saved in the script folder by the fetch pass.
    if (extension == kPhp) {
        if (s.listPictureKind[slot] == codes::picture::kScript)
            s.listPictureKind[slot] = codes::picture::kAnimated;
        const QString source = s.Nimbrisco_PHP_Dir + QStringLiteral("/PHP.gif");
        const Picture picture = loadPictureFile(source, &decoded);
        if (picture.isNull())
            return false;
        storePicture(slot, picture, decoded);
        if (becameStill(slot, picture))
            return true;
        return copyAnimated(picture.encoded);
    }

    const QString file = s.imageFilePrefix + extension;
    const Picture picture = loadPictureFile(file, &decoded);
    if (picture.isNull())
        return false;
    storePicture(slot, picture, decoded);
    if (s.listPictureKind[slot] == codes::picture::kNone)
        s.listPictureKind[slot] = codes::picture::kFile;
    if (s.listPictureKind[slot] != codes::picture::kAnimated || becameStill(slot, picture))
        return true;
    return copyAnimated(picture.encoded);
}

bool PictureLoader::becameStill(Integer slot, const Picture& picture) {
    Integer& kind = state_.listPictureKind[slot];
    if (kind != codes::picture::kAnimated || isGif(picture))
        return false;
    kind = 1;
    return true;
}

void PictureLoader::showProgressThumbnail() {
    ViewControls& v = views_;
    const platform::Units u = platform_.units();
    tw::move(v.Miniatura, u, 0, 0);
    v.Miniatura->setVisible(true);
    v.Miniatura->raise();
    tw::move(v.DownloadPreview, u, 0, 3900);
    v.DownloadPreview->setVisible(true);
    v.DownloadPreview->raise();
}

void PictureLoader::storePicture(Integer slot, const Picture& picture, const QImage& decoded) {
    state_.listPicture[slot] = picture;
    views_.Miniatura->setPicture(picture, decoded);
}

void PictureLoader::storePlaceholder(Integer slot, const Picture& placeholder) {
    AppState& s = state_;
    s.listIMAGEnotLoaded[slot] = -1;
    s.listPicture[slot] = placeholder;
    s.listPictureKind[slot] = codes::picture::kFile;
    views_.Miniatura->setPicture(placeholder);
}

void PictureLoader::keepPreviousOr(Integer slot, const QString& address, Integer kind,
                                   const Picture& placeholder) {
    AppState& s = state_;
    const Picture previous = s.listPicture[slot];
    const bool kept = s.listIMAGEnotLoaded[slot] == 0 && !previous.isNull() &&
                      !previous.address.isEmpty() && previous.address == address;
    if (!kept) {
        storePlaceholder(slot, placeholder);
        return;
    }
    const bool animated =
        (kind == codes::picture::kAnimated || kind == codes::picture::kScript) && isGif(previous);
    // The numbered copies were reset before the pass: an animated picture needs its own again.
    if (animated && !copyAnimated(previous.encoded)) {
        storePlaceholder(slot, placeholder);
        return;
    }
    s.listPictureKind[slot] = animated                        ? codes::picture::kAnimated
                              : kind == codes::picture::kPage ? codes::picture::kPage
                                                              : codes::picture::kFile;
    views_.Miniatura->setPicture(previous);
}

bool PictureLoader::copyAnimated(const QByteArray& gif) {
    AppState& s = state_;
    if (s.aniGifNumber == std::numeric_limits<Integer>::max())
        return false;
    // Named as the presentation opens it and the reset before a pass finds it, whatever the
    // case of the address's extension. It replaces the one a previous pass left under the
    // same number.
    const QString target = s.imageFilePrefix + s.aniGifTag + QString::number(s.aniGifNumber) + kGif;
    if (!storage::writeFileAtomically(target, gif))
        return false;
    s.aniGifNumber = Integer(s.aniGifNumber + 1);
    return true;
}

bool PictureLoader::DownloadFile(const QString& url, const QString& LOCALFILENAME,
                                 const QString& Estensione) {
    try {
        // The script source's picture comes through the browser, not from this address.
        if (Estensione.trimmed() == kPhp)
            return true;
        if (!catalogue::isWebAddress(url) || !localname::isSafeExtension(Estensione))
            return false;
        return platform_.downloader->downloadToFile(url, LOCALFILENAME);
    } catch (...) {
        return false;
    }
}

Picture PictureLoader::LoadPictureGdiPlus(const QString& fileName, Long& width, Long& height,
                                          QRgb backColour, Integer keepAspect, QImage* decoded) {
    QImage full;
    Picture picture = pictures::pictureFromFile(fileName, &full);
    if (picture.isNull())
        return {};
    if (width == -1 || height == -1) {
        width = full.width();
        height = full.height();
    }
    if (width <= 0 || height <= 0)
        return {};
    picture.background = backColour | 0xff000000u;
    const QSize size(width, height);
    if (size == picture.naturalSize) {
        picture.flatten = true;
        if (decoded)
            *decoded = std::move(full);
        return picture;
    }

    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(picture.background);
    {
        const QSize drawn = keepAspect ? full.size().scaled(size, Qt::KeepAspectRatio) : size;
        QPainter painter(&canvas);
        painter.drawImage(0, 0,
                          full.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    Picture drawnPicture;
    drawnPicture.encoded = encodedPng(canvas);
    if (drawnPicture.encoded.isEmpty())
        return {};
    drawnPicture.naturalSize = size;
    drawnPicture.sourcePath = fileName;
    if (decoded)
        *decoded = std::move(canvas);
    return drawnPicture;
}

Picture PictureLoader::loadPictureFile(const QString& fileName, QImage* decoded) {
    return pictures::pictureFromFile(fileName, decoded);
}
