#include "ui/dialogs/dialog_training.h"

#include <tuple>

#include "data/persons/npc_type.h"
#include "engine/draw/digit_glyphs.h"
#include "game/game_data.h"
#include "ui/colour_word.h"
#include "ui/dialogs/choice_dialog.h"

namespace {

constexpr char kTrainingGoldGlyph = 9;
constexpr uint32_t kTrainingTitle = 16;
constexpr uint32_t kLevel = 20;
constexpr uint32_t kStatus = 21;
constexpr uint32_t kGold = 22;

}  // namespace

void SDialogTraining::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_frame, &m_title, &m_level, &m_status, &m_gold, &m_train, &m_close})
        ctrl->Attach(this);
}

void SDialogTraining::Open(const SNpcType& trainer) {
    OpenCentred(*this, kLayout);
    PlaceOuterFrame(*this, m_frame);
    for (auto [text, id, font] : {std::tuple{&m_title, kTrainingTitle, 2u}, std::tuple{&m_level, kLevel, 1u},
                                  std::tuple{&m_status, kStatus, 1u}, std::tuple{&m_gold, kGold, 1u}}) {
        PlaceCtrl(*text, id);
        text->SetTextEx("", STextAlign::kCentred, font, text == &m_title ? kWhite : kLightGrey, kInk);
    }
    PlacePictureButton(*this, m_train, kTrain, SInterfaceRole::kOkButton);
    PlacePictureButton(*this, m_close, kClose, SInterfaceRole::kCancelButton);

    m_trainer = &trainer;
    m_skill = trainer.TrainedSkill();
    const char* name = m_game->m_skills.Name(int(m_skill));
    m_skillName.Assign(name ? name : "");
    SString title;
    title.Format("%s trains %s.", trainer.DisplayName(), m_skillName.Text());
    m_title.SetText(title.Text());
    Refresh();
    ResetPenGate();
}

bool SDialogTraining::isBarred() const { return m_skill == m_game->m_player.ExcludedSkill(); }

SString SDialogTraining::refusal(uint32_t level) const {
    const SPlayer& player = m_game->m_player;
    const SSkillDef* skill = m_game->m_skills.Entry(int(m_skill));
    SString text;
    // A trainer of a skill the table lacks teaches nothing, as one of a barred skill.
    if (skill == nullptr || isBarred()) {
        text.Format("You cannot learn %s.", m_skillName.Text());
    } else if (level >= m_trainer->TrainingLimit()) {
        text.Format("%s cannot train you anymore.", m_trainer->DisplayName());
    } else if (uint32_t(player.SkillValue(m_skill)) >= 2 * player.BaseAttribute(skill->attribute)) {
        const char* attribute = m_game->m_attributes.FullName(int(skill->attribute));
        text.Format("You need higher %s to learn %s.", attribute ? attribute : "", m_skillName.Text());
    }
    return text;
}

void SDialogTraining::Refresh() {
    const SPlayer& player = m_game->m_player;
    const uint32_t level = isBarred() ? 0 : uint32_t(player.SkillValue(m_skill));
    SString text;
    text.Format("Your skill level: %u", level);
    ToDigitGlyphs(text);
    m_level.SetText(text.Text());

    text = refusal(level);
    m_canTrain = false;
    if (text.IsEmpty()) {
        m_cost = player.AdjustPrice(SSkillTable::GetLevelCost(int(level)), true);
        text.Format("Cost for the next level: %u%c", m_cost, kTrainingGoldGlyph);
        m_canTrain = m_cost <= player.Gold();
    }
    m_status.SetText(text.Text());

    text.Format("Your gold: %u%c", player.Gold(), kTrainingGoldGlyph);
    ToDigitGlyphs(text);
    m_gold.SetText(text.Text());
    m_train.SetVisible(m_canTrain);
    SetDirty();
}

void SDialogTraining::Train() {
    if (!m_canTrain) return;
    SPlayer& player = m_game->m_player;
    player.AddSkillValue(m_skill, 1, false);
    player.RemoveGold(m_cost, false);
    Refresh();
}

uint32_t SDialogTraining::OnCommand(uint32_t id) {
    switch (id) {
        case kTrain:
            m_game->PlaySound("bsnd_clickh", 10);
            Train();
            return 0;
        case kClose: return ForwardToParent(*this, id);
        default: return 0;
    }
}
