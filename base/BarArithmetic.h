#pragma once
// The bar's geometry, in twips, from the screen size and its aspect ratio.

struct BarGeometry {
    int U = 0; // bar height
    int backTop = 0;
    int setupWidth = 0;    // btSetup and btWait
    int terminaWidth = 0;  // btTermina, BtAnimation, btHelp, connectStatus
    int logoWidth = 0;     // btLogo
    int whoWeAreWidth = 0; // the rest of the screen width
    int top = 0;           // top of every control of the bar
    int terminaLeft = 0;   // btTermina and btHelp
    int whoWeAreLeft = 0;  // whoWeAre and BtAnimation
    int logoLeft = 0;
    int connectLeft = 0;
    int timerflagTop = 0;
    float fontSize = 0; // of whoWeAre, in points
};

// The bar height is 4 % of the screen height; widths scale with the aspect ratio against the
// 16:10 reference. Sizes are computed as single-precision floats, as the layout always was,
// and rounded to whole twips when applied.
BarGeometry computeBarGeometry(float screenWidth, float screenHeight, float ratioXY);
