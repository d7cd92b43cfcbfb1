#include "data/rules/race_table.h"

#include "engine/base/archive.h"

namespace {

constexpr int kThirdTextFrom = 52;

}  // namespace

void SRaceDef::Assign(const SRaceDef& other) {
    id.Set(other.id.Text());
    name = other.name;
    texts = other.texts;
}

void SRaceDef::Serialize(SArchive& archive, int version) {
    archive.SerializeTag('O');
    id.Serialize(archive);
    archive.SerializeSString(name);
    archive.SerializeSString(texts[0]);
    archive.SerializeSString(texts[1]);
    if (version >= kThirdTextFrom) archive.SerializeSString(texts[2]);
}

void SRaceTable::InitDefaults() {
    static const char* const kDefaults[][2] = {
        {"base_creature", "Creature"}, {"base_rasvim", "Rasvim"}, {"base_etherim", "Etherim"},
        {"base_seiry", "Seiry"},       {"base_derth", "Derth"},   {"base_nogur", "Nogur"},
    };
    for (int id = kFirstId; id <= kLastId; ++id) {
        m_entries[id].id.Set(kDefaults[id][0]);
        m_entries[id].name.Assign(kDefaults[id][1]);
        m_entries[id].texts = {};
    }
}
