#include "tools/sampledata/sample_spells.h"

#include <memory>
#include <string>

#include "data/effects/disease.h"
#include "data/effects/effect_list.h"
#include "data/items/item_database.h"
#include "data/spells/spell_effect.h"
#include "data/spells/spell_table.h"
#include "engine/base/archive.h"
#include "tools/sampledata/art_canvas.h"

namespace {

constexpr uint8_t kStrength = 1;

// The animations: a flame that flies and a burst where it lands, a spark for the shaman's bolt.
constexpr const char* kFlight = "base_sfx_flame";
constexpr const char* kBurst = "base_sfx_burst";
constexpr const char* kBolt = "base_sfx_spark";
constexpr const char* kFlightFrames[] = {"bres_sfx_flame0", "bres_sfx_flame1", "bres_sfx_flame2"};
constexpr const char* kBurstFrames[] = {"bres_sfx_burst0", "bres_sfx_burst1", "bres_sfx_burst2", "bres_sfx_burst3"};
constexpr const char* kBoltFrames[] = {"bres_sfx_spark0", "bres_sfx_spark1"};

struct SSampleEffectEntry {
    uint8_t type;
    int16_t magnitude;
    int16_t perLevel = 0;
    int16_t duration = 0;
    uint8_t radius = 0;
    const char* target = "";
};

struct SSampleSpell {
    const char* name;
    const char* display;
    const char* description;
    uint8_t school;
    uint8_t targetKind;
    uint16_t cost;
    const char* flight;
    const char* burst;
    SSampleEffectEntry effect;
};

const SSampleSpell kSpells[] = {
    {"base_spellcurelightwounds",
     "Cure light wounds",
     "Closes small wounds.",
     kSchoolHeal,
     kTargetSelf,
     4,
     nullptr,
     kBurst,
     {kEffectRestoreHp, 12, 20}},
    {"base_spellstoneskin",
     "Stone skin",
     "The skin hardens like stone for a while.",
     kSchoolProtection,
     kTargetSelf,
     5,
     nullptr,
     nullptr,
     {kEffectFortifyAc, 3, 10, 20}},
    {"base_spellburninghand",
     "Burning hand",
     "A flame leaps from the hand down the corridor.",
     kSchoolAttack,
     kTargetRanged,
     3,
     kFlight,
     kBurst,
     {kEffectDamageAll, 8, 30}},
    {"base_spellfireball",
     "Fireball",
     "A ball of fire that bursts over everything near where it lands.",
     kSchoolAttack,
     kTargetRanged,
     8,
     kFlight,
     kBurst,
     {kEffectDamageAll, 10, 30, 0, 1}},
    {"base_spelllightningbolt",
     "Lightning bolt",
     "A crackling bolt down a straight line.",
     kSchoolAttack,
     kTargetRanged,
     6,
     kBolt,
     kBurst,
     {kEffectDamageAll, 4, 20}},
    {"base_spellcurse",
     "Curse",
     "Ill luck dogs the target's every blow.",
     kSchoolMind,
     kTargetRanged,
     4,
     kBolt,
     nullptr,
     {kEffectCurse, 0, 0, 15}},
    {"base_spelldrainhealth",
     "Drain health",
     "The touch draws life from the foe.",
     kSchoolUndead,
     kTargetTouch,
     5,
     nullptr,
     kBurst,
     {kEffectDrainHp, 6, 20}},
    {"base_spellpoisontouch",
     "Poison touch",
     "A touch that leaves a burning poison.",
     kSchoolUndead,
     kTargetTouch,
     5,
     nullptr,
     nullptr,
     {kEffectPoison, 3, 10, 10}},
    {"base_spellplague",
     "Plague",
     "Passes on the cave fever.",
     kSchoolUndead,
     kTargetTouch,
     6,
     nullptr,
     nullptr,
     {kEffectInfectDisease, 0, 0, 0, 0, kSampleDisease}},
    {"base_spellfeather",
     "Feather",
     "The body weighs as a bird's, and the pack with it.",
     kSchoolEnvironment,
     kTargetSelf,
     3,
     nullptr,
     nullptr,
     {kEffectFeather, 50, 0, 30}},
    // Cast from the cellar's scrolls: no book teaches them.
    {"base_spellmark",
     "Mark",
     "Fixes the place where you stand, to come back to by a recall.",
     kSchoolEnvironment,
     kTargetSelf,
     6,
     nullptr,
     nullptr,
     {kEffectMark, 0}},
    {"base_spellenchant",
     "Enchanting",
     "Lets a spell you know sink into an item you carry.",
     kSchoolMagicItems,
     kTargetSelf,
     10,
     nullptr,
     nullptr,
     {kEffectEnchant, 0}},
};

// The books of the kit and the spell each teaches.
struct SLesson {
    const char* book;
    const char* spell;
};
const SLesson kLessons[] = {
    {"base_spbookcurelightwounds", "base_spellcurelightwounds"}, {"base_spbookstoneskin", "base_spellstoneskin"},
    {"base_spbookburninghand", "base_spellburninghand"},         {"base_spbookcurse", "base_spellcurse"},
    {"base_spbookdrainhealth", "base_spelldrainhealth"},
};

std::unique_ptr<SEffect> effectOf(const SSampleEffectEntry& sample, SEffectContext context) {
    auto effect = std::make_unique<SEffect>(context);
    effect->m_type = sample.type;
    effect->m_baseMagnitude = sample.magnitude;
    effect->m_magnitudePerLevel = sample.perLevel;
    effect->m_baseDuration = sample.duration;
    effect->m_radius = sample.radius;
    effect->m_target.Assign(sample.target);
    return effect;
}

SRecordList spellRecords(int version) {
    SSpellTable spells;
    for (const SSampleSpell& sample : kSpells) {
        auto spell = std::make_unique<SSpellType>();
        spell->m_name.Set(sample.name);
        spell->m_displayName.Assign(sample.display);
        spell->m_description.Assign(sample.description);
        spell->m_school = sample.school;
        spell->m_targetKind = sample.targetKind;
        spell->m_baseCost = sample.cost;
        spell->m_value = uint16_t(sample.cost * 10);
        if (sample.flight) spell->m_castEffect.Assign(sample.flight);
        if (sample.burst) spell->m_strikeEffect.Assign(sample.burst);
        spell->m_castSound.Assign("bsnd_spellcast0");
        spell->m_effects.Append(effectOf(sample.effect, kContextSpell).release());
        spells.Add(std::move(spell));
    }
    return spells.Write(version);
}

template <size_t N>
std::unique_ptr<SSpellEffect> animation(const char* name, const char* const (&frames)[N]) {
    auto effect = std::make_unique<SSpellEffect>();
    effect->m_name.Set(name);
    for (const char* frame : frames) effect->m_frameNames.Append(frame);
    return effect;
}

SRecordList animationRecords(int version) {
    SSpellEffectTable effects;
    effects.Add(animation(kFlight, kFlightFrames));
    effects.Add(animation(kBurst, kBurstFrames));
    effects.Add(animation(kBolt, kBoltFrames));
    return WriteOneRecord([&](SArchive& archive) { effects.Write(archive, version); });
}

}  // namespace

// The cave fever weakens the arm until it is cured.
void AddSpellDiseases(SDiseaseTable& diseases) {
    auto fever = std::make_unique<SDisease>();
    fever->m_name.Set(kSampleDisease);
    fever->m_text.Assign("Cave fever");
    fever->m_strength = 2;
    auto weaker = effectOf({kEffectFortifyAttribute, -3}, kContextDisease);
    weaker->m_subTarget = kStrength;
    weaker->m_source = kSourceConstant;
    fever->m_effects.Append(weaker.release());
    diseases.Add(std::move(fever));
}

namespace {

void teachFromBooks(SItemDatabase& items) {
    for (const SLesson& lesson : kLessons) {
        SItemType* book = items.FindItemType(lesson.book);
        if (book == nullptr || book->m_effects != nullptr) continue;
        auto teaches = effectOf({kEffectCastSpell, 0, 0, 0, 0, lesson.spell}, kContextSpellbook);
        teaches->m_source = kSourceSpellCharge;
        book->m_effects = std::make_unique<SEffectList>();
        book->m_effects->Add(std::move(teaches));
    }
}

// A flame of the given size, yellow at the heart.
SArtCanvas flame(int size, int flicker) {
    SArtCanvas canvas(32, 32);
    const double r = size;
    canvas.Disc(16, 16, r, ArtColour(230, 70, 20));
    canvas.Triangle(16 - r, 16, 16 + r, 16, 16 + flicker, 16 - 1.8 * r, ArtColour(230, 70, 20));
    canvas.Disc(16, 17, r * 0.6, ArtColour(250, 170, 40));
    canvas.Disc(16, 18, r * 0.3, ArtColour(255, 240, 150));
    return canvas;
}

// A ring of sparks that spreads as it fades.
SArtCanvas burst(int step) {
    SArtCanvas canvas(32, 32);
    const uint16_t colour = ArtMix(ArtColour(255, 220, 80), ArtColour(160, 40, 10), step * 64);
    const double radius = 5 + 3.5 * step;
    for (int ray = 0; ray < 8; ++ray) {
        const double dx[8] = {1, 0.7, 0, -0.7, -1, -0.7, 0, 0.7}, dy[8] = {0, 0.7, 1, 0.7, 0, -0.7, -1, -0.7};
        canvas.Line(16 + dx[ray] * radius * 0.5, 16 + dy[ray] * radius * 0.5, 16 + dx[ray] * radius,
                    16 + dy[ray] * radius, 3 - step * 0.5, colour);
    }
    if (step < 2) canvas.Disc(16, 16, 6 - 2 * step, ArtColour(255, 250, 200));
    return canvas;
}

// A jagged blue bolt.
SArtCanvas spark(int step) {
    SArtCanvas canvas(32, 32);
    const uint16_t blue = ArtColour(120, 170, 255), white = ArtColour(230, 240, 255);
    const int jag = step == 0 ? 5 : -5;
    canvas.Line(16, 2, 16 + jag, 12, 3, blue);
    canvas.Line(16 + jag, 12, 16 - jag, 20, 3, blue);
    canvas.Line(16 - jag, 20, 16, 30, 3, blue);
    canvas.Disc(16, 16, 4, white);
    return canvas;
}

}  // namespace

void AddSampleSpells(SSamplePackage& world, SItemDatabase& items) {
    world.tables[SModuleTable::Spells] = spellRecords(world.version);
    world.tables[SModuleTable::SpellEffects] = animationRecords(world.version);
    teachFromBooks(items);
}

void AddSpellPictures(SSamplePackage& resources) {
    for (int i = 0; i < 3; ++i) resources.pictures.push_back({kFlightFrames[i], flame(7 + i, i - 1).Record()});
    for (int i = 0; i < 4; ++i) resources.pictures.push_back({kBurstFrames[i], burst(i).Record()});
    for (int i = 0; i < 2; ++i) resources.pictures.push_back({kBoltFrames[i], spark(i).Record()});
}
