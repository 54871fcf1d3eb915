#pragma once

#include <QByteArrayView>

// The decoder fills whatever is missing from a cut-off file with grey and calls that a
// success, so a file counts only when its segments lead to the end-of-image marker:
// from the start-of-image marker through each segment's length, and through the
// entropy-coded data after a start of scan, whose stuffed 0xFF bytes and restart
// markers are part of the data.
bool reachesEndOfImage(QByteArrayView data);
