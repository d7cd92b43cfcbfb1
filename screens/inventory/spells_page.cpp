#include "screens/inventory/spells_page.h"

#include "data/effects/effect_list.h"
#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "engine/base/number_text.h"
#include "engine/draw/digit_glyphs.h"
#include "game/game_data.h"
#include "ui/dialog.h"
#include "ui/dialogs/magic_item_rows.h"

namespace {

constexpr uint32_t kSpellsPageLabelColour = kPageInk;
constexpr uint32_t kSpellsPageLabelShade = kJournalInkShade;
constexpr SJournalListColours kSpellsPageColours{0x6496C8, 0x00141E, kSpellsPageLabelColour, kSpellsPageLabelShade};
constexpr uint32_t kSchoolColour = 0x000078;
constexpr uint32_t kSchoolShade = 0x6F87AB;

// The effects a scroll or wand casts: a blank scroll's or an empty wand's own, else its type's.
const SEffectList* castEffects(const SItem& item) {
    const uint8_t subtype = item.m_type->m_subtype;
    if (subtype == kMagicBlankScroll || subtype == kMagicEmptyWand) return item.m_effects.get();
    return item.m_type->m_effects.get();
}

}  // namespace

void SSpellsPage::Attach(SDialog* owner) {
    m_background.Attach(owner);
    m_list.Attach(owner);
    m_descriptionLabel.Attach(owner);
    for (SButtonCtrl& button : m_schoolButtons) button.Attach(owner);
    m_schoolName.Attach(owner);
}

void SSpellsPage::Build(SDialog& owner, SGameData& game) {
    m_owner = &owner;
    m_game = &game;
    m_background.SetTile(game.InterfacePicture(SInterfaceRole::kSpellBookBackground));
    m_background.m_tileMode = SFillBmpCtrl::kTiled;
    owner.PlaceCtrl(m_background, kBackground);
    m_list.Build(owner, game, "Spells", kSpellsPageColours);
    if (owner.PlaceCtrl(m_descriptionLabel, kDescriptionLabel))
        m_descriptionLabel.SetTextEx("Description:", STextAlign::kLeft, 1, kSpellsPageLabelColour,
                                     kSpellsPageLabelShade);
    for (uint32_t i = 0; i < kSchools; ++i) {
        const uint32_t command = kFirstSchoolButton + i;
        if (!owner.PlaceCtrl(m_schoolButtons[i], command)) continue;
        m_schoolButtons[i].SetupPicture({game.InterfacePicture(SInterfaceRole::kSpellBookTabs, int(2 * i)),
                                         game.InterfacePicture(SInterfaceRole::kSpellBookTabs, int(2 * i + 1)),
                                         nullptr},
                                        command, 0);
    }
    if (owner.PlaceCtrl(m_schoolName, kSchoolName))
        m_schoolName.SetTextEx("", STextAlign::kLeft, 1, kSchoolColour, kSchoolShade);
    setSchool(1);
}

void SSpellsPage::setSchool(uint32_t school) {
    m_school = school;
    for (uint32_t i = 0; i < kSchools; ++i) m_schoolButtons[i].SetChecked(i + 1 == school);
    m_schoolName.SetText(m_game->m_spells.GetSchoolName(int(school)));
    // The name has no ground of its own: the page repaints under it.
    m_owner->SetDirty();
    fill();
}

void SSpellsPage::fill() {
    m_list.Clear();
    const SPlayer& player = m_game->m_player;
    if (m_school == kMagicItems) {
        AddMagicItemRows(m_list.m_list, player, m_game->m_spells, true);
    } else {
        for (const SSpellType* spell : player.KnownSpells(int(m_school)))
            if (spell) m_list.AddRow(spell->m_name.Text(), spell->m_displayName.Text());
    }
    m_list.ShowFirstPage();
    describe();
}

void SSpellsPage::describe() {
    const char* key = m_list.SelectedKey();
    if (*key == '\0')
        m_list.Describe("", "");
    else if (m_school == kMagicItems)
        describeItem(key);
    else
        describeSpell(key);
}

void SSpellsPage::describeSpell(const char* key) {
    const SSpellType* spell = m_game->m_spells.FindSpell(key);
    if (spell == nullptr) {
        m_list.Describe("", "");
        return;
    }
    const SPlayer& player = m_game->m_player;
    const uint32_t skill = m_game->m_spells.GetSchoolSkill(*spell);
    const int32_t level = skill >= 1 ? player.GetSkillValue(skill) : 0;
    const SEffectLookups lookups = m_game->EffectLookups();
    SString body(spell->m_description.Text());
    SString text;
    for (int i = 0; i < spell->m_effects.Count(); ++i) {
        spell->m_effects[i]->Describe(lookups, kContextSpell, level, text, false, false);
        if (text.IsEmpty()) continue;
        ToDigitGlyphs(text);
        body.Append("\r- ");
        body.Append(text.Text());
    }
    // What casting it costs this player, as the play screen charges it.
    text.Format("\rCosts %u sp", unsigned(spell->GetCost(m_game->m_spells.Schools(), player)));
    ToDigitGlyphs(text);
    body.Append(text.Text());
    m_list.Describe(spell->m_displayName.Text(), body.Text());
}

void SSpellsPage::describeItem(const char* key) {
    const SItem* item = m_game->m_player.Item(StrToInt(key));
    if (item == nullptr || item->m_type == nullptr) {
        m_list.Describe("", "");
        return;
    }
    const SItemType& type = *item->m_type;
    SString title, body;
    type.GetDisplayName(item, title, false, m_game->m_spells);
    if (const SEffectList* effects = castEffects(*item))
        effects->Describe(m_game->EffectLookups(), type.GetEffectContext(), int32_t(item->m_amount), body, false);
    ToDigitGlyphs(body);
    m_list.Describe(title.Text(), body.Text());
}

bool SSpellsPage::OnCommand(uint32_t id, uint32_t& school) {
    if (id >= kFirstSchoolButton && id < kFirstSchoolButton + kSchools) {
        m_game->PlaySound("bsnd_clickh", 10);
        school = id - kFirstSchoolButton + 1;
        setSchool(school);
        return true;
    }
    const SJournalList::Answer answer = m_list.OnCommand(id);
    if (answer == SJournalList::Answer::kDescribe) describe();
    return answer != SJournalList::Answer::kNotMine;
}
