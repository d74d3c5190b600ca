#pragma once
// The pure rules of a selected entry's address: its source kind, the restored scheme, whether it
// may be fetched, the town placeholders of a forecast page and the fields of a weather-network
// series.

#include <QString>
#include <array>

namespace catalogue {

// The number of town fields a forecast address can name ("<p01>" to "<p14>").
constexpr int kTownFields = 14;

// True for an http or https address (the scheme in any case): the only ones the program fetches,
// so that a catalogue cannot make it copy local files or resources.
bool isWebAddress(const QString& address);

// The entry with its first character (the kind digit) replaced by the "h" of "http".
QString restoredAddress(const QString& entry);

// A kind-"3" entry made into its page address: the kind digit becomes "h" and every "<pNN>"
// (NN from 01 to 14) becomes the town field NN - 1. Any other "<" is kept as it stands.
QString townPageAddress(const QString& entry, const std::array<QString, kTownFields>& fields);

struct ImageSeries {
    QString base;   // address after "http://" up to the number
    QString suffix; // text after the number
    long long first = 0;
    long long step = 0;
    long long count = 0;
    int digits = 0;

    // "http://" + base + `number` left-padded with zeros to `digits` + suffix.
    QString address(long long number) const;
};

// Reads a kind-"5" entry: after its seven leading characters, base "*" suffix "," first ","
// step "," count "," digits. False when a separator is missing; `steps` then tells how far the
// reading went (1 plus one per character examined). A field that is not a number counts as 0.
bool parseImageSeries(const QString& entry, ImageSeries& series, int& steps);

} // namespace catalogue
