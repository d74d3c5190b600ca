#include "slideshow/ViewControls.h"

#include "anigif/ucAniGIF.h"
#include "slideshow/PictureDecoder.h"
#include "slideshow/PictureView.h"

#include <QLabel>
#include <QPixmap>
#include <QWebEngineView>

ViewControls createViewControls(QWidget* form) {
    ViewControls v;
    v.fotoBrowser = new PictureView(form);
    v.ucAniGIF1 = new ucAniGIF(form);
    v.webvis = new QWebEngineView(form);
    v.Miniatura = new PictureView(form);
    v.DownloadPreview = new QLabel(QStringLiteral("Download In Progress:  Preview"), form);
    v.MessaggioAggiornate = new QLabel(form);
    v.MessaggioAggiornate->setPixmap(QPixmap(QStringLiteral(":/pictures/pictures_updated.png")));
    for (QWidget* w :
         {static_cast<QWidget*>(v.fotoBrowser), static_cast<QWidget*>(v.ucAniGIF1),
          static_cast<QWidget*>(v.webvis), static_cast<QWidget*>(v.Miniatura),
          static_cast<QWidget*>(v.DownloadPreview), static_cast<QWidget*>(v.MessaggioAggiornate)})
        w->hide();
    // The thumbnail shows whole pictures in its own box.
    v.Miniatura->setStretch(true);
    v.ImageLogoPRO = pictures::pictureFromFile(QStringLiteral(":/pictures/logo.png"));
    v.ImageNonDisponibile = pictures::pictureFromFile(QStringLiteral(":/pic_not_available.gif"));
    v.ErrLoadPicture = pictures::pictureFromFile(QStringLiteral(":/pictures/loading_error.png"));
    return v;
}
