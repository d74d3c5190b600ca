#pragma once
// The bar's texts while the program waits: the connection countdown, the retry notice and the
// download progress, in the four languages. A language code outside 1..4 gives a null text,
// which callers take as "leave the caption as it is".

#include "base/VbTypes.h"

#include <QString>

namespace waittexts {

// The countdown prefix; the caller appends the remaining count.
QString connectionWait(Integer lingua);
// Shown when the service answered without its marker and a new probe follows.
QString connectionRetry(Integer lingua);
// "<phrase> <count><connector><total>" while a download pass runs.
QString downloadProgress(Integer lingua, Integer count, Integer total);

} // namespace waittexts
