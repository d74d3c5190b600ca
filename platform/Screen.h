#pragma once
// The screen the program covers, and the conversions between its units.

#include <QSize>

namespace platform {

class Screen {
public:
    virtual ~Screen() = default;
    virtual QSize sizePixels() const = 0;
    // Logical dots per inch; 96 on a usual desktop.
    virtual double logicalDpi() const = 0;
};

// Twips (1/1440 inch), points (1/72 inch) and HIMETRIC (0.01 mm) against pixels of one screen.
class Units {
public:
    explicit Units(double dpi = 96.0) : dpi_(dpi > 0 ? dpi : 96.0) {}
    double dpi() const { return dpi_; }
    double twipsPerPixel() const { return 1440.0 / dpi_; }
    double himetricPerPixel() const { return 2540.0 / dpi_; }
    int pixelsToTwips(double px) const { return qRound(px * twipsPerPixel()); }
    int twipsToPixels(double twips) const { return qRound(twips / twipsPerPixel()); }
    int pixelsToHimetric(double px) const { return qRound(px * himetricPerPixel()); }
    int himetricToPixels(double hm) const { return qRound(hm / himetricPerPixel()); }
    static double twipsToPoints(double twips) { return twips / 20.0; }
    static double pointsToTwips(double points) { return points * 20.0; }
    static int himetricToTwips(double hm) { return qRound(hm * 1440.0 / 2540.0); }
    static int twipsToHimetric(double twips) { return qRound(twips * 2540.0 / 1440.0); }

private:
    double dpi_;
};

} // namespace platform
