#include "core/Placeholders.h"

void Placeholders::SSTCfg_BackUpcnf_Click() {}

void Placeholders::SSTCfg_Loadcnf_Click() {}

void Placeholders::ShowDisplayDebug() {}
