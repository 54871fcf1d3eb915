#include "scoring.h"

#include <algorithm>
#include <cstdint>

namespace zorbel {

// Formed in 64 bits: thousands of clicks take the value far below the 16-bit range before
// it is raised to 0.
int punkte(const BoardLayout &layout, int klicks, Rechenart rechenart)
{
    const std::int64_t points = (std::int64_t{layout.pointsBase} - (klicks - layout.cards())) * code(rechenart)
        * layout.levelFactor;
    return static_cast<int>(std::max<std::int64_t>(points, 0));
}

bool earnsCertificate(const BoardLayout &layout, int klicks)
{
    return klicks <= layout.certificateLimit;
}

} // namespace zorbel
