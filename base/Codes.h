#pragma once
// The codes the program's state and files hold, by name, with their values and widths.

#include "base/VbTypes.h"

#include <QChar>
#include <QString>

namespace codes {

// The first character of a catalogue address: how the entry is fetched. Any other character
// makes a plain picture address.
namespace source {
constexpr QChar kPage = QLatin1Char('2');       // a web page, rendered and captured
constexpr QChar kTownPage = QLatin1Char('3');   // a web page with the town's fields filled in
constexpr QChar kAnimated = QLatin1Char('4');   // an animated GIF
constexpr QChar kSeries = QLatin1Char('5');     // a numbered series of pictures
constexpr QChar kScriptPage = QLatin1Char('6'); // a script page whose first image is taken
} // namespace source

// listPictureKind: how a store slot is shown.
namespace picture {
constexpr Integer kNone = 0;
constexpr Integer kFile = 1;     // a still picture
constexpr Integer kPage = 2;     // a rendered page, shown at screen size
constexpr Integer kAnimated = 4; // played by the GIF control from its numbered copy
constexpr Integer kScript = 6;   // a script page's picture, while it is being loaded
} // namespace picture

// flagCmdButton: what the panel-control timer does at its next tick.
namespace command {
constexpr Integer kRun = 0;       // keep the slideshow going
constexpr Integer kOpenPanel = 1; // open the configuration panel
constexpr Integer kEnd = 2;       // end the program in order
constexpr Integer kPanelOpen = 3; // the panel is open
} // namespace command

// The connection wait's probe.
namespace probe {
constexpr Integer kNotSent = 0;
constexpr Integer kSent = 1;    // waiting for its reply
constexpr Integer kArrived = 2; // a reply is there
} // namespace probe

// txtDisplay: the display mode.
inline const QString kFullScreen = QStringLiteral("Full_Screen");
inline const QString kNormal = QStringLiteral("Normal");

// Field 2 of a credit record: the timing of its picture.
namespace display {
inline const QString kUnchanged = QStringLiteral("99"); // keep the interval in force
inline const QString kQuick = QStringLiteral("95");     // pass over it almost at once
inline const QString kLong = QStringLiteral("200");     // four slide intervals
} // namespace display

// Colours on the platform's blue-green-red scale.
namespace colour {
constexpr int kRed = 255;
constexpr int kGreen = 65280;
// The text boxes of the timers page: the one being edited, and all others.
constexpr int kFocus = 8454143;    // pale yellow
constexpr int kResting = 15111037; // greyish blue
} // namespace colour

} // namespace codes
