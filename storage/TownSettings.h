#pragma once
// The town file: the fourteen fields that forecast pages use, and the temperature unit.

#include "storage/TownFrame.h"

#include <QString>
#include <QStringList>

struct AppState;
class Language;
class QWidget;
namespace platform {
struct Platform;
}

class TownSettings {
public:
    static inline const QString kTownFile = QStringLiteral("Nimbrisco7_MyTown.dat");

    // The frame is made on `window` and shown at `anchor`'s top-left corner.
    TownSettings(QWidget* window, QWidget* anchor, AppState& state, platform::Platform& platform,
                 Language& language);

    void LoadTownSettings();
    void ReadTownFile();
    // Both writers show the write error and return false when the file could not be written.
    bool CreateDefaultTownFile();
    bool WriteTownFile();
    void OkYourTown_Click();
    // Shows the town frame (from the panel's "Your Town" icon).
    void ShowTownFrame();
    // Hides the frame below the screen, where the start-up keeps it.
    void ParkTownFrame();

    const TownFrame& frame() const { return frame_; }

private:
    QString filePath() const;
    void showReadError();
    // Writes the town file: `lines` and the closing lines.
    bool writeFile(QStringList lines);

    QWidget* anchor_;
    AppState& state_;
    platform::Platform& platform_;
    Language& language_;
    TownFrame frame_;
};
