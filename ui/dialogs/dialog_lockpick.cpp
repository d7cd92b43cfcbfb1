#include "ui/dialogs/dialog_lockpick.h"

#include "data/items/item.h"
#include "data/items/item_classes.h"
#include "data/items/item_type.h"
#include "data/maps/placed_object.h"
#include "game/game_data.h"
#include "platform/clock.h"
#include "screens/play/state_game.h"
#include "ui/colour_word.h"
#include "ui/dialogs/scene_frames.h"

namespace {

constexpr uint32_t kLockpickSkill = 18;
constexpr uint32_t kTitleShade = 0x585858;

// The word for how a score stands against the lock's level (0 to 15).
const char* chanceWord(int32_t score, int32_t level) {
    if (score > 10 * level) return "very good";
    if (score > 9 * level) return "good";
    if (score > 7 * level) return "moderate";
    return "slight";
}

}  // namespace

void SDialogLockpick::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_frame, &m_title, &m_pickPicture, &m_pickText, &m_previousPick,
                                                     &m_nextPick, &m_chance, &m_try, &m_close})
        ctrl->Attach(this);
}

void SDialogLockpick::Open() {
    ClearCtrls();
    SetLayout(kLayout);
    CenterInView();
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    m_frame.Setup(SceneFrameSet(*m_game), 0, 0, SBorderSides::kAll);
    PlaceCtrl(m_frame, 19);
    PlaceCtrl(m_title, 16);
    m_title.SetTextEx("Picking a lock", STextAlign::kCentred, 2, kWhite, kTitleShade);
    PlaceCtrl(m_pickPicture, 100);
    PlaceCtrl(m_pickText, 105);
    m_pickText.Setup(1, kLightGrey, kLightGrey, 0, 0, 0, 0, kLightGrey, kLightGrey);
    if (PlaceCtrl(m_previousPick, kPreviousPick)) SetupStepButton(m_previousPick, *m_game, true, kPreviousPick);
    if (PlaceCtrl(m_nextPick, kNextPick)) SetupStepButton(m_nextPick, *m_game, false, kNextPick);
    PlaceCtrl(m_chance, 106);
    m_chance.SetTextEx("", STextAlign::kCentred, 1, kLightGrey, 0);
    if (PlaceCtrl(m_try, kTry)) m_try.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kOkButton), kTry, 0);
    if (PlaceCtrl(m_close, kClose))
        m_close.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kClose, 0);
    m_failedShown = 0;
    ResetPenGate();
}

void SDialogLockpick::Reset() {
    CollectPicks();
    m_pickIndex = m_picks.empty() ? -1 : 0;
    ShowPick();
    UpdateChance();
}

void SDialogLockpick::CollectPicks() {
    m_picks.clear();
    const SPlayer& player = m_game->m_player;
    for (int i = 0; i < player.ItemCount(); ++i) {
        SItem& item = *player.Item(i);
        const SItemType& type = *item.m_type;
        if (type.m_class == kItemKey && type.m_subtype == kKeySubtypeLockpick && IsUsableTool(item))
            m_picks.push_back(MakeToolEntry(*m_game, item));
    }
}

void SDialogLockpick::ShowPick() {
    ShowTool(SelectedPick(), m_pickPicture, m_pickText);
    UpdateStepButtons(m_pickIndex, int32_t(m_picks.size()), m_previousPick, m_nextPick);
}

SPlacedObject* SDialogLockpick::door() const {
    const SStateGame* play = SStateGame::Of(*m_game);
    return play ? play->m_lockTarget : nullptr;
}

int32_t SDialogLockpick::score(const SItem& pick) const {
    return m_game->m_player.GetSkillValue(kLockpickSkill) + int32_t(pick.m_amount / 500);
}

void SDialogLockpick::UpdateChance() {
    const SToolEntry* pick = SelectedPick();
    const SPlacedObject* target = door();
    SString text;
    text.Format("Chance: %s", pick ? chanceWord(score(*pick->item), target ? target->LockLevel() / 10 : 0) : "none");
    m_chance.SetText(text.Text());
}

uint32_t SDialogLockpick::forward(uint32_t id) { return m_parent ? m_parent->OnCommand(id) : 0; }

uint32_t SDialogLockpick::Try() {
    const SToolEntry* chosen = SelectedPick();
    if (chosen == nullptr) return 0;
    SItem& pick = *chosen->item;
    SRandom& random = *m_game->m_random;
    SPlayer& player = m_game->m_player;
    const int32_t skill = player.GetSkillValue(kLockpickSkill);
    const int32_t wear = random.Next(20) + random.Next(100 - skill) * 3 / 2 + 10;
    if (WearTool(pick, wear)) RemoveToolAt(m_picks, m_pickIndex);
    ShowPick();
    player.CountSkillUse(kLockpickSkill);

    // The roll reads the pick as the wear left it.
    const int32_t picked = score(pick);
    const int32_t value = picked * 4 / 5 + random.Next(picked * 2 / 5);
    SPlacedObject* target = door();
    const int32_t lock = target ? target->LockLevel() : 0;
    // An unlocked door opens whatever the roll: a score below 2 would otherwise never beat 0.
    if (lock == 0 || value > lock) {
        if (SStateGame* play = SStateGame::Of(*m_game))
            play->AppendMessage("You have successfully picked the lock.", false);
        m_game->PlaySound("bsnd_lockout", 10);
        if (target) target->SetLockLevel(0);
        return forward(kClose);
    }
    m_game->PlaySound("bsnd_lockpicktry", 10);
    if (target && target->TrapLevel() > 0) return forward(kTry);
    m_chance.SetText("Failed");
    m_failedShown = 1;
    m_failedSince = platform::TickCount();
    return 0;
}

void SDialogLockpick::Draw() {
    SetDirty();
    SDialog::Draw();
}

uint32_t SDialogLockpick::OnTick(uint32_t arg) {
    // A difference of ticks, so that the counter's wrap cannot hold the note for ever.
    if (m_failedShown && platform::TickCount() - m_failedSince >= kFailedMilliseconds) {
        m_failedShown = 0;
        UpdateChance();
    }
    SDialog::OnTick(arg);
    return 0;
}

uint32_t SDialogLockpick::OnCommand(uint32_t id) {
    switch (id) {
        case kPreviousPick:
        case kNextPick:
            m_game->PlaySound("bsnd_click", 10);
            StepTool(m_picks, m_pickIndex, id == kNextPick ? 1 : -1);
            ShowPick();
            return 0;
        case kTry: return Try();
        case kClose: m_game->PlaySound("bsnd_clickh", 10); return forward(kClose);
        default: return 0;
    }
}
