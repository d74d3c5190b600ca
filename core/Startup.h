#pragma once
// The start-up sequence of the main window and the command line.

#include <QString>

class FormPicture;

class Startup {
public:
    explicit Startup(FormPicture& form) : form_(form) {}

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
    void layoutPanel();
    void layoutStatusLabels();
    void applyCommandLine();

    FormPicture& form_;
};
