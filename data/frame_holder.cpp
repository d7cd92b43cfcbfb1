#include "data/frame_holder.h"

#include "engine/packages/resource_cache.h"

void SFrameHolder::ResolvePictures(const SResourceCache& cache) {
    m_frameSlots.clear();
    for (int i = 0; i < m_frameNames.Count(); ++i) {
        const SPictureEntry* entry = cache.FindPicture(m_frameNames[i]);
        m_frameSlots.push_back(entry ? entry->slot : 0);
    }
}

bool SFrameHolder::LoadPictures(SResourceCache& cache) {
    bool all = true;
    for (int i = 0; i < m_frameNames.Count(); ++i)
        if (!cache.LoadPicture(m_frameNames[i])) all = false;
    AcquirePalettes(cache);
    return all;
}
