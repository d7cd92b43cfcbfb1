#include "data/world/interior.h"

#include "engine/base/archive.h"
#include "engine/packages/resource_cache.h"

namespace {

constexpr int kTextFrom = 112;

}  // namespace

void SInteriorLayer::Serialize(SArchive& archive, int) {
    archive.SerializeSString(picture);
    archive.SerializeU16(x);
    archive.SerializeU16(y);
    archive.SerializeU16(value);
}

bool SInterior::LoadPictures(SResourceCache& cache) const {
    bool all = true;
    for (int i = 0; i < m_layers.Count(); ++i)
        if (!cache.LoadPicture(m_layers[i]->picture.Text())) all = false;
    return all;
}

void SInterior::ReleasePictures(SResourceCache& cache) const {
    for (int i = 0; i < m_layers.Count(); ++i) cache.UnloadPicture(m_layers[i]->picture.Text());
}

void SInterior::Serialize(SArchive& archive, int version) {
    archive.SerializeTag(':');
    m_name.Serialize(archive);
    if (version >= kTextFrom) archive.SerializeSString(m_text);
    m_layers.SerializeList(archive, version, ListOrder::Appended);
}
