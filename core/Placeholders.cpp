#include "core/Placeholders.h"

void Placeholders::CheckVersion() {}

void Placeholders::UpdateCollections() {}
