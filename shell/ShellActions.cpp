#include "shell/ShellActions.h"

ShellError shellErrorOf(int) {
    return {};
}
bool shellSucceeded(int resultCode) {
    return resultCode > 32 || resultCode < 0;
}
ShellActions::ShellActions(FormPicture& form) : form_(form) {}
Boolean ShellActions::ShellOpen(const QString&, ShellError*) {
    return kFalse;
}
void ShellActions::RunTeamViewer_Click() {}
