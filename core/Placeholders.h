#pragma once
// Steps whose real work belongs to parts of the program that are not built yet: the version
// check and the collections. Each keeps its call in place and does the least that keeps the
// window consistent.

struct Window;

class Placeholders {
public:
    explicit Placeholders(Window& window) : window_(window) {}

    // Reads the version page and sets the update notice.
    void CheckVersion();
    // Fetches and starts the published collections when the version page announces them.
    void UpdateCollections();
    // Writes a collection of the selection (the Back Up icon).
    void SSTCfg_BackUpcnf_Click();
    // Restores a collection (the Load icon and its label).
    void SSTCfg_Loadcnf_Click();

private:
    [[maybe_unused]] Window& window_;
};
