#pragma once
// Steps whose real work belongs to parts of the program that are not built yet: the
// configuration panel's pages, the version check and the diagnostics windows. Each keeps its
// call in place and does the least that keeps the window consistent.

struct Window;

class Placeholders {
public:
    explicit Placeholders(Window& window) : window_(window) {}

    // Reads the version page and sets the update notice.
    void CheckVersion();
    // Shows the diagnostics window of a DEBUG_CODE start.
    void ShowDisplayDebug();
    // Shows the configuration panel on its Tools page and reloads the full catalogue.
    void OpenConfigPanel();
    // Asks for the configuration panel (the bar's setup button).
    void Apre_Setup();
    // Puts the panel and the frames around it away (a pass from the panel has run).
    void hidePanel();

private:
    Window& window_;
};
