#pragma once
// Steps whose real work belongs to parts of the program that are not built yet: the collection
// backup and restore, and the diagnostics windows. Each keeps its call in place and does
// the least that keeps the window consistent.

struct Window;

class Placeholders {
public:
    explicit Placeholders(Window& window) : window_(window) {}

    // Writes a collection of the selection (the Back Up icon).
    void SSTCfg_BackUpcnf_Click();
    // Restores a collection (the Load icon and its label).
    void SSTCfg_Loadcnf_Click();
    // Shows the diagnostics window of a DEBUG_CODE start.
    void ShowDisplayDebug();

private:
    [[maybe_unused]] Window& window_;
};
