#pragma once

#include "boardlayout.h"
#include "rechenart.h"

namespace zorbel {

// The points of a finished game: the board's points base less every click beyond a
// perfect game (one click per card), times the mode's code and the level factor;
// never below 0, so always between 0 and 5760.
int punkte(const BoardLayout &layout, int klicks, Rechenart rechenart);

// A game of at most the board's certificate limit of clicks earns the certificate.
bool earnsCertificate(const BoardLayout &layout, int klicks);

} // namespace zorbel
