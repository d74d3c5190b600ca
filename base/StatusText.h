#pragma once
// The two status lines of the bar.

class QLabel;
struct AppState;

// Shows statusLine1 and statusLine2, each cut to 95 characters, as the two lines of `whoWeAre`.
void ShowStatusText(AppState& state, QLabel* whoWeAre);
