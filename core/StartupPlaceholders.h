#pragma once
// Start-up steps whose real work belongs to parts of the program that are not built yet. Each
// keeps the call in its place in the start-up order and does the least that keeps the window
// consistent.

class FormPicture;

class StartupPlaceholders {
public:
    explicit StartupPlaceholders(FormPicture& form) : form_(form) {}

    // Lays out the control bar along the bottom edge of the screen.
    void Disegna_Barra2();
    // Disables the panel's start and quit buttons until the panel is opened.
    void PanelButtonsBusy();
    // Reads the version page and sets the update notice.
    void CheckVersion();
    // Shows the diagnostics window of a DEBUG_CODE start.
    void ShowDisplayDebug();

private:
    FormPicture& form_;
};
