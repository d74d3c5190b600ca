#include "slideshow/Slideshow.h"

Slideshow::Slideshow(FormPicture& form) : form_(form) {}
void Slideshow::imgClock_Timer() {}
bool Slideshow::ResetAniGifFiles() {
    return true;
}
