#pragma once
// One slideshow step per tick of imgClock.

class FormPicture;

class Slideshow {
public:
    explicit Slideshow(FormPicture& form);

    void imgClock_Timer();
    // Replaces the animated-picture files of the last pass by the placeholder; false (after
    // the message) when the placeholder is missing.
    bool ResetAniGifFiles();

private:
    FormPicture& form_;
};
