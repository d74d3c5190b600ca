#include "slideshow/Presentation.h"

Presentation::Presentation(FormPicture& form) : form_(form) {}
void Presentation::ShowPicture(const Picture&) {}
void Presentation::ShowPictureView() {}
void Presentation::ShowAniGifView() {}
void Presentation::ShowWebView() {}
void Presentation::dyMode_Click() {}
