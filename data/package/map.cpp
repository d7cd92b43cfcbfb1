#include "data/package/map.h"

#include "engine/base/archive.h"

namespace {
constexpr uint8_t kMapHeaderTag = 'G';
}

void SMap::SerializeHeader(SArchive& archive, int /*dataVersion*/) {
    archive.SerializeTag(kMapHeaderTag);
    archive.SerializeSString(m_title);
    m_name.Serialize(archive);
}
