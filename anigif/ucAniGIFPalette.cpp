// ucAniGIF: reading and replacing colour tables.
#include "anigif/ucAniGIF.h"

#include <algorithm>

using namespace anigif;

namespace {

// The table FrameIndex names: 0 the global one, 1..N a frame's own local table; -1 if none.
int tableFor(const GifStream& gif, qint32 FrameIndex) {
    if (FrameIndex == 0)
        return 0;
    if (FrameIndex < 0 || FrameIndex > gif.FrameCount())
        return -1;
    const int table = gif.frame(FrameIndex).ColorTable;
    return (table > 0 && size_t(table) < gif.ColorTables.size()) ? table : -1;
}

int colourCount(const ColorTable& table) {
    return int(std::min<uint32_t>(table[kColorCountEntry], 256));
}

} // namespace

bool ucAniGIF::GetPalette(qint32 FrameIndex, QVector<qint32>& paletteEntries) {
    if (!loaded() || FrameIndex < 0)
        return false;
    const bool wasPlaying = m_player.playState() == Playing;
    if (wasPlaying)
        m_player.pause();
    bool copied = false;
    const int t = tableFor(m_gif, FrameIndex);
    if (t >= 0) {
        const ColorTable& table = m_gif.ColorTables[size_t(t)];
        const int count = colourCount(table);
        if (count > 0) {
            paletteEntries.resize(count);
            for (int i = 0; i < count; ++i)
                paletteEntries[i] = qint32(table[size_t(i)]);
            copied = true;
        }
    }
    if (wasPlaying)
        startPlaying();
    return copied;
}

bool ucAniGIF::SetPalette(qint32 FrameIndex, const QVector<qint32>& paletteEntries) {
    if (!loaded() || paletteEntries.isEmpty() || FrameIndex < 0)
        return false;
    const bool wasPlaying = m_player.playState() == Playing;
    if (wasPlaying)
        m_player.pause();
    bool replaced = false;
    const int t = tableFor(m_gif, FrameIndex);
    if (t >= 0) {
        ColorTable& table = m_gif.ColorTables[size_t(t)];
        const int count = colourCount(table);
        if (paletteEntries.size() >= count) {
            for (int i = 0; i < count; ++i)
                table[size_t(i)] = uint32_t(paletteEntries[i]);
            m_composer.recolour(m_gif, m_decoded);
            replaced = true;
        }
    }
    if (wasPlaying)
        startPlaying();
    else
        update();
    return replaced;
}

bool ucAniGIF::CacheColorTables() {
    if (!loaded() || m_tablesCached)
        return false;
    m_tableCache = m_gif.ColorTables;
    m_tablesCached = true;
    return true;
}

bool ucAniGIF::RestoreColorTables(bool bReleaseCache) {
    if (!loaded() || !m_tablesCached)
        return false;
    m_gif.ColorTables = m_tableCache;
    m_composer.recolour(m_gif, m_decoded);
    if (bReleaseCache) {
        m_tableCache.clear();
        m_tablesCached = false;
    }
    update();
    return true;
}
