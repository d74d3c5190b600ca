#pragma once
// The places of the controls of the panel's four pages, in twips inside the tab control.

struct PanelControls;
namespace platform {
class Units;
}

namespace panellayout {

void LayoutDisplayTimersPage(PanelControls& c, const platform::Units& u);
void LayoutPictureSelectionPage(PanelControls& c, const platform::Units& u);
void LayoutRunExitPage(PanelControls& c, const platform::Units& u);
void LayoutToolsPage(PanelControls& c, const platform::Units& u);

} // namespace panellayout
