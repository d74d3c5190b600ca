#pragma once
// The start-up sequence of the main window and the command line.

#include <QString>

struct Window;

class Startup {
public:
    Startup(Window& window, const QString& commandLine)
        : window_(window), commandLine_(commandLine) {}

    // The body of FormPicture::Form_Load. False when the work directories could not be made,
    // after the user has been told; the program then ends.
    bool Form_Load();
    void CheckPortableLocation();
    bool PrepareWorkDirectories();
    void HideHelpCaller();
    void ApplyFirstRunDefaults();
    void Splitta10();
    void Splitta5(const QString& ToSplit);

    // The catalogue endpoints: the maker's service and the same service on this machine, on the
    // usual port or on `port`.
    static QString defaultEndpoint();
    static QString localEndpoint(const QString& port = QString());

private:
    // The steps of Form_Load that are more than one assignment, in their order.
    void resetRenderState();
    void setBannerAndPaths();
    void resetCatalogueAndStore();
    void resetRunFlags();
    void startGeneralClock();
    void layoutPanel();
    void layoutStatusLabels();
    void applyCommandLine();

    Window& window_;
    // The program's arguments as one text, separated by single blanks.
    QString commandLine_;
};
