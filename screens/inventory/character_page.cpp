#include "screens/inventory/character_page.h"

#include <algorithm>

#include "data/player/player.h"
#include "engine/base/format_count.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialog.h"

namespace {

constexpr uint32_t kCharacterPageLabelColour = 0xBEC8D2;
constexpr uint32_t kValueColour = 0xC8C8C8;
constexpr uint32_t kUndoColour = 0x64C8C8;
constexpr uint32_t kLabelAlign = 2;
constexpr uint32_t kValueAlign = 1;

// The narrow screens whose texts are shortened most.
bool isNarrowCharacterPage(uint32_t mode) { return mode == 5 || mode == 7 || mode == 8; }

struct SLabel {
    uint32_t id;
    const char* text;
    // On the narrow screens, or on every small screen with `anySmall`; null keeps the text.
    const char* shorter = nullptr;
    bool anySmall = false;
};

constexpr SLabel kLabelRows[SCharacterPage::kLabels] = {
    {142, "Race:"},
    {367, "Level:"},
    {365, "Xp:", "Level:"},
    {378, "Fame:"},
    {381, "Crime:"},
    {389, "Damage:"},
    {391, "Ac:"},
    {393, "Hp:"},
    {395, "Sp:"},
    {396, "Outfit:"},
    {563, "Attributes:"},
    {369, "Strength:", "Str:"},
    {371, "Dexterity:", "Dex:"},
    {375, "Endurance:", "End:"},
    {383, "Intelligence:", "Int:"},
    {386, "Personality:", "Per:"},
    {398, "Available points:", "Available pts:", true},
    {401, "Resistances:"},
    {402, "Magic:"},
    {404, "Poison:"},
    {406, "Paralysis:"},
    {408, "Diseases:"},
};

// The number in the small digits, or in the highlighted ones when effects change it.
void appendDigits(SString& out, const char* format, int32_t value, bool highlighted) {
    SString number;
    number.Format(format, int(value));
    if (highlighted)
        ToDigitGlyphsHigh(number);
    else
        ToDigitGlyphs(number);
    out.Append(number.Text());
}

void experienceLine(uint32_t mode, const SPlayer& player, SString& out) {
    SString xp, next;
    FormatGoldShort(player.Xp(), xp);
    FormatGoldShort(player.NextLevelXp(), next);
    if (isNarrowCharacterPage(mode))
        out.Format("%u, xp: %s (next lvl: %s)", unsigned(player.Level()), xp.Text(), next.Text());
    else if (mode == 16)
        out.Format("%s\r(next lvl: %s)", xp.Text(), next.Text());
    else if (IsSmallScreenType(mode))
        out.Format("%s (next lvl: %s)", xp.Text(), next.Text());
    else
        out.Format("%s (next level: %s)", xp.Text(), next.Text());
}

}  // namespace

uint32_t SCharacterPage::AttributeOf(uint32_t command) {
    for (int i = 0; i < kAttributes; ++i)
        if (kRaises[i] == command) return uint32_t(i + 1);
    return 0;
}

const char* SCharacterPage::LabelText(uint32_t id, uint32_t mode) {
    for (const SLabel& row : kLabelRows) {
        if (row.id != id) continue;
        const bool shorter = row.shorter && (row.anySmall ? IsSmallScreenType(mode) : isNarrowCharacterPage(mode));
        return shorter ? row.shorter : row.text;
    }
    return "";
}

void SCharacterPage::Attach(SDialog* owner) {
    for (STextCtrl& label : m_labels) label.Attach(owner);
    for (STextCtrl& value : m_values) value.Attach(owner);
    for (SButtonCtrl& button : m_raiseButtons) button.Attach(owner);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_fameBar, &m_attributeFrame, &m_undo}) ctrl->Attach(owner);
}

void SCharacterPage::Build(SDialog& owner, SGameData& game) {
    m_owner = &owner;
    m_game = &game;
    m_raises.Clear();
    const uint32_t mode = game.m_screenMode;
    if (owner.PlaceCtrl(m_attributeFrame, kAttributeFrame))
        m_attributeFrame.Setup(game.ScreenFrameSet(), 0, 0, SBorderSides::kAll);
    for (int i = 0; i < kLabels; ++i) {
        const uint32_t id = kLabelRows[i].id;
        if (owner.PlaceCtrl(m_labels[i], id))
            m_labels[i].SetTextEx(LabelText(id, mode), kLabelAlign, 1, kCharacterPageLabelColour, kShade);
    }
    for (int i = 0; i < kValues; ++i)
        if (owner.PlaceCtrl(m_values[i], kValueIds[i]))
            m_values[i].SetTextEx("", i == kPoints ? kLabelAlign : kValueAlign, 1, kValueColour, kShade);
    const auto raise = game.InterfaceSet<4>(SInterfaceRole::kRaiseButtons);
    for (int i = 0; i < kAttributes; ++i)
        if (owner.PlaceCtrl(m_raiseButtons[i], kRaises[i]))
            m_raiseButtons[i].SetupPicture({raise[0], raise[1], nullptr}, kRaises[i], 0);
    if (owner.PlaceCtrl(m_fameBar, kFameBar)) m_fameBar.SetDefaults();
    if (owner.PlaceCtrl(m_undo, kUndo)) m_undo.SetupSimple("Undo", kUndo, kUndoColour, kUndoColour, kShade);
    UpdateValues();
    showUndo();
}

void SCharacterPage::setValue(int value, const char* text) { m_values[value].SetText(text); }

void SCharacterPage::UpdateValues() {
    if (m_game == nullptr) return;
    SPlayer& player = m_game->m_player;
    const uint32_t mode = m_game->m_screenMode;
    SString text;
    setValue(kRace, player.RaceName());
    text.Format("%u", unsigned(player.Level()));
    ToDigitGlyphs(text);
    setValue(kLevel, text.Text());
    experienceLine(mode, player, text);
    ToDigitGlyphs(text);
    setValue(kExperience, text.Text());
    setValue(kFame, player.GetFameTitle());
    m_fameBar.SetValue(player.Fame());
    FormatGoldShort(player.Crime(), text);
    ToDigitGlyphs(text);
    setValue(kCrime, text.Text());

    for (uint32_t attribute = 1; attribute <= SPlayer::kLastAttribute; ++attribute) {
        bool changed = false;
        uint32_t base = 0;
        const int32_t value = player.GetAttribute(attribute, changed, base, false);
        text.Assign("");
        appendDigits(text, "%d", value, changed);
        appendDigits(text, " (%d)", int32_t(base), false);
        setValue(kFirstAttribute + int(attribute) - 1, text.Text());
        const bool canRaise = player.AttributePoints() > 0 && player.AttributeAllowance(attribute) > 0;
        SButtonCtrl& button = m_raiseButtons[attribute - 1];
        if (button.IsActive()) button.SetVisible(canRaise);
    }
    text.Format("%u", unsigned(player.AttributePoints()));
    ToDigitGlyphs(text);
    setValue(kPoints, text.Text());

    int32_t (SPlayer::*const resistances[4])(bool&, int32_t&)
        const = {&SPlayer::GetMagicResistance, &SPlayer::GetPoisonResistance, &SPlayer::GetParalysisResistance,
                 &SPlayer::GetDiseaseResistance};
    for (int i = 0; i < 4; ++i) {
        bool changed = false;
        int32_t base = 0;
        const int32_t value = (player.*resistances[i])(changed, base);
        text.Assign("");
        appendDigits(text, "%d%%", value, changed);
        setValue(kFirstResistance + i, text.Text());
    }

    int32_t low = 0, high = 0;
    player.GetDamageRange(low, high, false);
    text.Format("%u-%u", unsigned(std::max(low, 0)), unsigned(std::max(high, 0)));
    ToDigitGlyphs(text);
    setValue(kDamage, text.Text());
    bool changed = false;
    const int32_t armour = player.GetArmorClass(changed, 1);
    text.Assign("");
    appendDigits(text, "%d", armour, changed);
    setValue(kArmourClass, text.Text());

    const int32_t maxHp = player.GetMaxHpForDisplay(changed);
    text.Assign("");
    appendDigits(text, "%d/", player.Hp(), player.Hp() > maxHp);
    appendDigits(text, "%d", maxHp, changed);
    setValue(kHitPoints, text.Text());
    const int32_t maxMana = player.GetMaxManaForDisplay(changed);
    text.Assign("");
    appendDigits(text, "%d/", player.Mana(), player.Mana() > maxMana);
    appendDigits(text, "%d", maxMana, changed);
    setValue(kMana, text.Text());

    const int32_t outfit = player.GetOutfitRating(changed);
    if (mode == 5 || mode == 8)
        text.Format("%u", unsigned(outfit));
    else
        text.Format("%s (%u)", player.GetOutfitWord(), unsigned(outfit));
    ToDigitGlyphs(text);
    setValue(kOutfit, text.Text());
    // The texts have no background of their own: the page repaints under them.
    m_owner->SetDirty();
}

void SCharacterPage::Increase(uint32_t command) {
    const uint32_t attribute = AttributeOf(command);
    if (attribute == 0 || m_game == nullptr) return;
    m_game->m_player.RaiseAttribute(attribute);
    m_raises.Record(attribute, 1);
    UpdateValues();
    showUndo();
}

void SCharacterPage::Undo() {
    if (m_game == nullptr) return;
    SPlayer& player = m_game->m_player;
    player.ReturnAttributePoints(m_raises.spent);
    for (uint32_t attribute = 1; attribute <= SPlayer::kLastAttribute; ++attribute)
        if (m_raises.raises[attribute] > 0) player.TakeBackAttributeRaises(attribute, m_raises.raises[attribute]);
    m_raises.Clear();
    UpdateValues();
    showUndo();
}

void SCharacterPage::ForgetRaises() { m_raises.Clear(); }

void SCharacterPage::showUndo() {
    if (m_undo.IsActive()) m_undo.SetVisible(m_raises.Any());
}
