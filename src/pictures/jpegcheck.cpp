#include "jpegcheck.h"

#include <cstring>

namespace {

constexpr uchar markerStart = 0xFF;
constexpr uchar startOfImage = 0xD8;
constexpr uchar endOfImage = 0xD9;
constexpr uchar startOfScan = 0xDA;

uchar byteAt(QByteArrayView data, qsizetype index)
{
    return static_cast<uchar>(data[index]);
}

bool isRestart(uchar code)
{
    return code >= 0xD0 && code <= 0xD7;
}

// Entropy-coded data runs up to the first marker that is neither a stuffed 0xFF nor
// a restart marker; returns the index of that marker's 0xFF, or the end of the data.
qsizetype nextMarker(QByteArrayView data, qsizetype from)
{
    while (from < data.size()) {
        const void *found = std::memchr(data.data() + from, markerStart, static_cast<size_t>(data.size() - from));
        if (!found)
            return data.size();
        const qsizetype at = static_cast<const char *>(found) - data.data();
        if (at + 1 >= data.size())
            return data.size();
        const uchar code = byteAt(data, at + 1);
        if (code == markerStart || code == 0x00 || isRestart(code)) {
            from = at + 1;
            continue;
        }
        return at;
    }
    return data.size();
}

} // namespace

bool reachesEndOfImage(QByteArrayView data)
{
    if (data.size() < 4 || byteAt(data, 0) != markerStart || byteAt(data, 1) != startOfImage)
        return false;
    qsizetype at = 2;
    while (at + 1 < data.size()) {
        if (byteAt(data, at) != markerStart)
            return false;
        const uchar code = byteAt(data, at + 1);
        if (code == markerStart) {
            ++at;
            continue;
        }
        at += 2;
        if (code == endOfImage)
            return true;
        // Markers without a length.
        if (code == 0x01 || isRestart(code))
            continue;
        if (at + 1 >= data.size())
            return false;
        at += (qsizetype(byteAt(data, at)) << 8) | byteAt(data, at + 1);
        if (code == startOfScan)
            at = nextMarker(data, at);
    }
    return false;
}
