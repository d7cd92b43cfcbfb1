#include "screens/inventory/skills_page.h"

#include "data/player/active_effect.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialog.h"

namespace {

constexpr uint32_t kPrimaryColour = 0x64C8C8;
constexpr uint32_t kOtherColour = 0xB4BEC8;
constexpr uint32_t kSkillsPageValueColour = 0xC8C8C8;
constexpr uint32_t kMaxBase = 100;

}  // namespace

int SSkillsPage::RowOf(uint32_t command) {
    return command >= kFirstPrimaryRaise && command < kFirstPrimaryRaise + kRows ? int(command - kFirstPrimaryRaise)
                                                                                 : -1;
}

void SSkillsPage::Attach(SDialog* owner) {
    for (STextCtrl* text : {&m_primaryTitle, &m_otherTitle, &m_pointsLabel, &m_points}) text->Attach(owner);
    for (int row = 0; row < kRows; ++row) {
        m_labels[row].Attach(owner);
        m_values[row].Attach(owner);
        m_raiseButtons[row].Attach(owner);
    }
    m_undo.Attach(owner);
}

uint32_t SSkillsPage::SkillOf(int row) const {
    const SPlayer& player = m_game->m_player;
    return row < kPrimaryRows ? player.MajorSkills()[size_t(row)] : player.OtherSkills()[size_t(row - kPrimaryRows)];
}

const char* SSkillsPage::labelName(uint32_t skill) const {
    const SSkillDef* def = m_game->m_skills.Entry(int(skill));
    if (def == nullptr) return "";
    switch (m_game->m_screenMode) {
        case 14: return def->name.Text();
        case 3:
        case 5:
        case 7:
        case 8:
        case 10: return def->abbreviation.Text();
        default: return def->shortName.Text();
    }
}

void SSkillsPage::Build(SDialog& owner, SGameData& game) {
    m_owner = &owner;
    m_game = &game;
    m_raises.Clear();
    if (owner.PlaceCtrl(m_primaryTitle, kPrimaryTitle))
        m_primaryTitle.SetTextEx("Primary skills:", STextAlign::kLeft, 1, kWhite, kShade);
    if (owner.PlaceCtrl(m_otherTitle, kOtherTitle))
        m_otherTitle.SetTextEx("Other skills:", STextAlign::kLeft, 1, kWhite, kShade);
    for (int row = 0; row < kRows; ++row) {
        const uint32_t skill = SkillOf(row);
        SString label;
        // A row whose id names no skill stays empty.
        if (IsSkillId(skill)) label.Format("%s:", labelName(skill));
        if (owner.PlaceCtrl(m_labels[row], LabelId(row)))
            m_labels[row].SetTextEx(label.Text() ? label.Text() : "", STextAlign::kLeft, 1,
                                    row < kPrimaryRows ? kPrimaryColour : kOtherColour, kShade);
        if (owner.PlaceCtrl(m_values[row], ValueId(row)))
            m_values[row].SetTextEx("", STextAlign::kLeft, 1, kSkillsPageValueColour, kShade);
        owner.PlaceCtrl(m_raiseButtons[row], RaiseId(row));
    }
    if (owner.PlaceCtrl(m_pointsLabel, kPointsLabel))
        m_pointsLabel.SetTextEx(IsSmallScreenType(game.m_screenMode) ? "Available pts:" : "Available points:",
                                STextAlign::kLeft, 1, kPrimaryColour, kShade);
    if (owner.PlaceCtrl(m_points, kPoints))
        m_points.SetTextEx("", STextAlign::kCentred, 1, kSkillsPageValueColour, kShade);
    if (owner.PlaceCtrl(m_undo, kUndo)) m_undo.SetupSimple("Undo", kUndo, kPrimaryColour, kPrimaryColour, kShade);
    UpdateValues();
    showUndo();
}

void SSkillsPage::UpdateValues() {
    if (m_game == nullptr) return;
    const SPlayer& player = m_game->m_player;
    for (int row = 0; row < kRows; ++row) {
        const uint32_t skill = SkillOf(row);
        SString text;
        if (IsSkillId(skill)) {
            bool fortified = false;
            int32_t value = 0;
            if (skill != player.ExcludedSkill())
                value = player.SkillValue(skill) +
                        player.GetEffectTotal(kPlayerFortifySkill, skill, nullptr, &fortified);
            text.Format("%d", int(value));
            if (fortified)
                ToDigitGlyphsHigh(text);
            else
                ToDigitGlyphs(text);
        }
        m_values[row].SetText(text.Text() ? text.Text() : "");
        showRaise(row);
    }
    SString points;
    points.Format("%u", unsigned(player.SkillPoints()));
    ToDigitGlyphs(points);
    m_points.SetText(points.Text());
    // The texts have no background of their own: the page repaints under them.
    m_owner->SetDirty();
}

void SSkillsPage::showRaise(int row) {
    SButtonCtrl& button = m_raiseButtons[row];
    if (!button.IsActive()) return;
    const SPlayer& player = m_game->m_player;
    const uint32_t skill = SkillOf(row);
    const bool primary = row < kPrimaryRows;
    const uint32_t cost = primary ? 1 : 2;
    const bool barred = skill == player.ExcludedSkill();
    const bool shown = IsSkillId(skill) && !(barred && !primary) && player.SkillPoints() >= cost &&
                       player.SkillAllowance(skill) > 0 && uint32_t(player.SkillValue(skill)) < kMaxBase;
    button.SetVisible(shown);
    if (!shown) return;
    const auto pictures = m_game->InterfaceSet<4>(SInterfaceRole::kRaiseButtons);
    const bool greyed = barred || !player.CanRaiseSkill(skill);
    button.SetupPicture({pictures[greyed ? 2 : 0], pictures[greyed ? 3 : 1], nullptr}, RaiseId(row), 0);
}

void SSkillsPage::Increase(uint32_t command, SString& refusal) {
    const int row = RowOf(command);
    if (row < 0 || m_game == nullptr) return;
    const uint32_t skill = SkillOf(row);
    if (!IsSkillId(skill)) return;
    SPlayer& player = m_game->m_player;
    if (player.CanRaiseSkill(skill)) {
        m_raises.Record(skill, player.RaiseSkill(skill));
    } else {
        const SSkillDef* def = m_game->m_skills.Entry(int(skill));
        const char* attribute = def ? m_game->m_attributes.FullName(def->attribute) : nullptr;
        refusal.Format(
            "You can't improve this skill.\rThe %s skill's base value cannot be higher than the double of its "
            "governing attribute's base value (%s).",
            def ? def->name.Text() : "", attribute ? attribute : "");
    }
    UpdateValues();
    showUndo();
}

void SSkillsPage::Undo() {
    if (m_game == nullptr) return;
    SPlayer& player = m_game->m_player;
    player.ReturnSkillPoints(m_raises.spent);
    for (uint32_t skill = 1; skill <= SPlayer::kLastSkill; ++skill)
        if (m_raises.raises[skill] > 0) player.TakeBackSkillRaises(skill, m_raises.raises[skill]);
    m_raises.Clear();
    UpdateValues();
    showUndo();
}

void SSkillsPage::ForgetRaises() { m_raises.Clear(); }

void SSkillsPage::showUndo() {
    if (m_undo.IsActive()) m_undo.SetVisible(m_raises.Any());
}
