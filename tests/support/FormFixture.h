#pragma once
// A main window on fake dialogs, a fake clock and a fixed screen, in a temporary portable root.

#include "QtPrinters.h"
#include "core/FormPicture.h"
#include "platform/fakes/FakePlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the window's load handler.
    void loadForm();
    // Only the folder steps of the start-up: the work directory and its paths are set, nothing
    // is read or written.
    void prepareDirectoriesOnly();

    FormPicture& form() { return *form_; }
    AppState& state() { return form_->state; }
    platform::FakeMessageBoxes& messages() { return *fakes_.messages; }
    platform::FakeClock& clock() { return *fakes_.clock; }
    platform::FakeFileDialogs& fileDialogs() { return *fakes_.fileDialogs; }
    platform::FakeShell& shell() { return *fakes_.shell; }
    platform::FakeScreen& screen() { return *fakes_.screen; }

    QString root() const { return root_; }
    QString programDir() const { return root_ + QStringLiteral("App/Nimbrisco"); }
    QString workDir() const;
    QString workPath(const QString& name) const { return workDir() + QLatin1Char('/') + name; }
    void writeWorkFile(const QString& name, const QByteArray& bytes);
    QByteArray readWorkFile(const QString& name) const;
    bool workFileExists(const QString& name) const;

    // Builds the window again with another command line (before loadForm).
    void rebuildForm(const QString& commandLine, const QString& programDirectory = QString());
    // The screen size of windows built from now on.
    void setScreenSize(QSize size) { screenSize_ = size; }
    // Real message boxes from now on, closing by themselves after `autoCloseMs` (messages()
    // is no longer available).
    void useRealMessageBoxes(int autoCloseMs);
    platform::Ending& ending() { return *platform_->ending; }

private:
    QTemporaryDir tempDir_;
    QString root_;
    QString savedCurrentDir_;
    QSize screenSize_{1920, 1080};
    std::unique_ptr<platform::Platform> platform_;
    FakePlatformHandles fakes_;
    std::unique_ptr<FormPicture> form_;
};
