#pragma once
// Steps whose real work belongs to parts of the program that are not built yet: the version
// check and the collections update. Each keeps its call in place and does the least that keeps
// the window consistent.

struct Window;

class Placeholders {
public:
    explicit Placeholders(Window& window) : window_(window) {}

    // Reads the version page and sets the update notice.
    void CheckVersion();
    // Fetches and starts the published collections when the version page announces them.
    void UpdateCollections();

private:
    [[maybe_unused]] Window& window_;
};
