#include "screens/inventory/character_lists.h"

#include "engine/base/number_text.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "screens/inventory/active_effect_text.h"
#include "ui/dialog.h"

namespace {

constexpr uint32_t kLabelColour = 0xC8C8C8;
constexpr uint32_t kLabelShade = 0x161616;
constexpr SJournalListColours kRecordColours{0xB4BEC8, 0x000F14, kLabelColour, kLabelShade};
constexpr SJournalListColours kEffectColours{0xC8C8C8, 0x000F14, kLabelColour, kLabelShade};
constexpr uint32_t kFilterColour = 0xFFFFFF;
constexpr uint32_t kFilterHighlight = 0x96FFFF;
constexpr uint32_t kFilterBlend = 0x585858;
constexpr const char* kFilterNames[3] = {"Dynamic", "Constant", "All"};

bool anyPasses(const std::vector<SActiveEffect>& entries, uint32_t filter) {
    for (const SActiveEffect& effect : entries)
        if (PassesEffectsFilter(effect, filter)) return true;
    return false;
}

template <class Record>
void addRecordRows(SJournalList& list, const SPtrArray<Record>& records) {
    for (int i = 0; i < records.Count(); ++i)
        if (const Record* record = records[i]) list.AddRow(record->m_name.Text(), record->Title());
}

}  // namespace

void SCharacterLists::Attach(SDialog* owner) {
    m_abilities.Attach(owner);
    m_diseases.Attach(owner);
    m_effects.Attach(owner);
    m_showLabel.Attach(owner);
    for (STopicButtonCtrl& button : m_filterButtons) button.Attach(owner);
}

SJournalList* SCharacterLists::shownList() {
    switch (m_sheet) {
        case kAbilities: return &m_abilities;
        case kDiseases: return &m_diseases;
        case kEffects: return &m_effects;
        default: return nullptr;
    }
}

void SCharacterLists::Build(SDialog& owner, SGameData& game, uint32_t sheet, uint32_t effectsFilter) {
    m_game = &game;
    m_sheet = sheet;
    m_filter = effectsFilter;
    switch (sheet) {
        case kAbilities: m_abilities.Build(owner, game, "Abilities:", kRecordColours); break;
        case kDiseases: m_diseases.Build(owner, game, "Diseases:", kRecordColours); break;
        case kEffects: {
            m_effects.Build(owner, game, "Active effects:", kEffectColours);
            if (owner.PlaceCtrl(m_showLabel, kShowLabel))
                m_showLabel.SetTextEx("Show:", STextAlign::kLeft, 1, kLabelColour, kLabelShade);
            for (uint32_t filter = 0; filter < 3; ++filter) {
                STopicButtonCtrl& button = m_filterButtons[filter];
                if (!owner.PlaceCtrl(button, kFilterButtons[filter])) continue;
                button.SetupSimple(kFilterNames[filter], kFilterButtons[filter], kFilterColour, kFilterHighlight,
                                   kFilterBlend);
            }
            break;
        }
        default: return;
    }
    setFilter(effectsFilter);
}

void SCharacterLists::setFilter(uint32_t filter) {
    m_filter = filter;
    for (uint32_t i = 0; i < 3; ++i) m_filterButtons[i].SetChecked(i == filter);
    fill();
}

void SCharacterLists::fill() {
    SJournalList* list = shownList();
    if (list == nullptr) return;
    list->Clear();
    const SPlayer& player = m_game->m_player;
    switch (m_sheet) {
        case kAbilities: addRecordRows(m_abilities, player.Abilities()); break;
        case kDiseases: addRecordRows(m_diseases, player.Diseases()); break;
        default: {
            SString key;
            for (uint32_t kind = 1; kind < kPlayerEffectTypes; ++kind) {
                if (!anyPasses(player.Effects().List(kind), m_filter)) continue;
                key.Format("%u", kind);
                m_effects.AddRow(key.Text(), PlayerEffectName(kind));
            }
            break;
        }
    }
    list->ShowFirstPage();
    describe();
}

void SCharacterLists::describe() {
    SJournalList* list = shownList();
    if (list == nullptr) return;
    const char* key = list->SelectedKey();
    const SEffectLookups lookups = m_game->EffectLookups();
    SString body;
    switch (m_sheet) {
        case kAbilities: {
            const SAbility* ability = *key ? m_game->m_abilities.Find(key) : nullptr;
            if (ability) ability->Describe(lookups, body);
            describeRecord(ability ? ability->Title() : nullptr, body);
            return;
        }
        case kDiseases: {
            const SDisease* disease = *key ? m_game->m_diseases.Find(key) : nullptr;
            if (disease) disease->Describe(lookups, body);
            describeRecord(disease ? disease->Title() : nullptr, body);
            return;
        }
        default: {
            const uint32_t kind = *key ? uint32_t(StrToInt(key)) : 0;
            if (kind == 0 || kind >= uint32_t(kPlayerEffectTypes)) {
                describeRecord(nullptr, body);
                return;
            }
            for (const SActiveEffect& effect : m_game->m_player.Effects().List(kind))
                if (PassesEffectsFilter(effect, m_filter)) AppendEffectLine(effect, lookups, body);
            ToDigitGlyphs(body);
            describeRecord(PlayerEffectName(kind), body);
            return;
        }
    }
}

void SCharacterLists::describeRecord(const char* title, const SString& body) {
    // Small screens leave the title out, for room.
    const bool titled = title && !IsSmallScreenType(m_game->m_screenMode);
    shownList()->Describe(titled ? title : "", title ? body.Text() : "");
}

bool SCharacterLists::OnCommand(uint32_t id, uint32_t& effectsFilter) {
    SJournalList* list = shownList();
    if (list == nullptr) return false;
    if (m_sheet == kEffects) {
        for (uint32_t filter = 0; filter < 3; ++filter) {
            if (id != kFilterButtons[filter]) continue;
            m_game->PlaySound("bsnd_clickh", 10);
            effectsFilter = filter;
            setFilter(filter);
            return true;
        }
    }
    const SJournalList::Answer answer = list->OnCommand(id);
    if (answer == SJournalList::Answer::kDescribe) describe();
    return answer != SJournalList::Answer::kNotMine;
}
