#include "core/Placeholders.h"

void Placeholders::CheckVersion() {}

void Placeholders::UpdateCollections() {}

void Placeholders::SSTCfg_BackUpcnf_Click() {}

void Placeholders::SSTCfg_Loadcnf_Click() {}
