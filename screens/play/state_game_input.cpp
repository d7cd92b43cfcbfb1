// The play screen's input: keys and taps in free play, and the one way in for what its dialogs
// answer, OnCommand: the closing commands of the embedded dialogs first, then the answers of the
// message box and the other question dialogs by sub-mode.
#include "data/maps/map_cell.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "render/render.h"
#include "screens/play/play_tables.h"
#include "screens/play/state_game.h"
#include "ui/dialogs/dialog_list.h"

namespace {

constexpr int32_t kTurnDegrees = 90;
constexpr int32_t kTurnStep = 15;
constexpr int32_t kFastTurnStep = 18;

// The movement buttons in the order a press asks them, with the action each stands for.
constexpr uint32_t kMoveActions[6] = {kActionTurnLeft,   kActionForward, kActionTurnRight,
                                      kActionStrafeLeft, kActionBack,    kActionStrafeRight};

// A movement's quarter turn from the way the player faces.
int movementQuarter(uint32_t key) {
    switch (key) {
        case kActionForward: return 0;
        case kActionStrafeRight: return 1;
        case kActionBack: return 2;
        case kActionStrafeLeft: return 3;
        default: return -1;
    }
}

// Message-box buttons.
constexpr uint32_t kInputOk = 1;
constexpr uint32_t kYes = 4;

int bitCount(uint32_t bits) {
    int n = 0;
    for (; bits != 0; bits &= bits - 1) ++n;
    return n;
}

}  // namespace

uint32_t SStateGame::OnKey(uint32_t key) {
    if (IsOpenFrame()) return 0;
    if (m_child != nullptr) {
        const uint32_t answer = m_child->OnKey(key);
        const uint32_t next = answer != 0 ? OnCommand(answer) : 0;
        Draw();
        return next;
    }
    if (IsBusy()) return 0;
    return handleMovementKey(key);
}

uint32_t SStateGame::handleMovementKey(uint32_t key) {
    if (const int quarter = movementQuarter(key); quarter >= 0) {
        const uint32_t next = MoveTo(int(play_tables::kSideByQuarter[FacingSide() + uint32_t(quarter)]));
        if (m_moving != 0) RebuildLeftCellView();
        return next;
    }
    switch (key) {
        case kActionTurnLeft:
        case kActionTurnRight: {
            const int32_t sign = key == kActionTurnLeft ? 1 : -1;
            startTurn(int32_t(m_heading) + sign * kTurnDegrees, sign);
            return 0;
        }
        case kActionAttack: return Attack();
        case kActionSpellBook: return OnCommand(kSpellBook);
        case kActionUse: return Interact(-1, m_activeHand);
        default: return 0;
    }
}

void SStateGame::startTurn(int32_t targetHeading, int32_t sign) {
    m_targetHeading = (targetHeading % 360 + 360) % 360;
    m_turnStep = sign * (m_fast != 0 ? kFastTurnStep : kTurnStep);
    m_turning = 1;
}

uint32_t SStateGame::OnPen(int32_t x, int32_t y, uint32_t down, uint32_t drag) {
    if (PenBlocked(down, drag) || m_currentMap == nullptr) return 0;
    const bool press = down != 0 && drag == 0, release = down == 0;
    if (m_child != nullptr) {
        if (release) releaseMoveButtons();
        const uint32_t answer = m_child->OnPen(x, y, down, drag);
        const uint32_t next = answer != 0 ? OnCommand(answer) : 0;
        Draw();
        return next;
    }
    if (IsBusy()) {
        if (release) releaseMoveButtons();
        return 0;
    }
    if (press) {
        uint32_t hit = 0;
        for (uint32_t i = 0; i < 6; ++i)
            if (m_moveButtons[i].IsShown() && m_moveButtons[i].Contains(x, y)) hit = kTurnLeft + i;
        if (hit != 0) return OnCommand(hit);
        if (penOnView(x, y)) return penInView(x, y);
    }
    if (release) releaseMoveButtons();
    return SDialog::OnPen(x, y, down, drag);
}

bool SStateGame::penOnView(int32_t x, int32_t y) const {
    return x >= m_viewX && y >= m_viewY && x < m_viewX + m_viewW && y < m_viewY + m_viewH;
}

int SStateGame::HandAt(int32_t x, int32_t y) const {
    return m_game->m_render != nullptr ? m_game->m_render->FpsHandAt(x - m_viewX, y - m_viewY) : -1;
}

uint32_t SStateGame::penInView(int32_t x, int32_t y) {
    if (const int hand = HandAt(x, y); hand >= 0) {
        if (uint32_t(hand) != m_activeHand) {
            m_activeHand = uint32_t(hand);
            UpdateLookTarget();
        }
        return 0;
    }
    if (y >= m_viewY + m_viewH * 7 / 10) {
        SMapCell* cell = GetCell(m_playerX, m_playerY);
        if (SItemList* pile = cell != nullptr ? FindItemListAt(m_playerX, m_playerY, uint8_t(cell->containerId))
                                              : nullptr)
            return OpenPile(*GetZoneMap(m_playerX, m_playerY), *pile);
    }
    return Interact(-1, x <= m_viewX + m_viewW / 2 ? 0 : 1);
}

void SStateGame::pressMoveButton(uint32_t id) {
    for (uint32_t i = 0; i < 6; ++i) m_moveButtons[i].SetPressed(kTurnLeft + i == id);
}

void SStateGame::releaseMoveButtons() {
    for (SButtonCtrl& button : m_moveButtons)
        if (button.IsPressed()) button.Release();
}

uint32_t SStateGame::OnCommand(uint32_t id) {
    pressMoveButton(id);
    if (id >= kTurnLeft && id <= kStrafeRight) return handleMovementKey(kMoveActions[id - kTurnLeft]);
    switch (id) {
        case kAutomap: OpenMapDialog(); return 0;
        case kAttack: return Attack();
        case kSpellBook: OpenSpellBook(); return 0;
        case kPotions: OpenPotions(); return 0;
        case kRest: TryRest(); return 0;
        case kPortrait: return OpenFloorPile();
        default: break;
    }
    if (const uint32_t handled = handleDialogClosed(id); handled != 0) return handled - 1;
    return handleAnswer(id);
}

// Answers 1 + the next screen when the id closed an embedded dialog, 0 when it is none of theirs.
uint32_t SStateGame::handleDialogClosed(uint32_t id) {
    switch (id) {
        case kCast:
        case kSpellBookClosed:
        case kDrink:
        case kPotionsClosed:
        case kTrapSprung:
        case kLockPickingClosed:
        case kMapClosed:
        case kMarkRecallClosed:
        case kRestOver:
        case kShipArrived:
        case kEnchantingClosed:
        case kEnchantChooserClosed: break;
        default: return 0;
    }
    // The embedded dialogs belong to the screen: closing one only lets go of it.
    ResetOpen();
    m_subMode = SPlaySubMode::kFree;
    switch (id) {
        case kCast: CastChosenSpell(); break;
        case kDrink: DrinkPotion(); break;
        case kTrapSprung: SpringDoorTrap(); break;
        case kRestOver:
        case kShipArrived:
        case kEnchantingClosed:
        case kEnchantChooserClosed: RefreshArea(); break;
        default: break;
    }
    SetDirty();
    m_redrawRequest = 1;
    return 1;
}

uint32_t SStateGame::handleAnswer(uint32_t answer) {
    const SPlaySubMode mode = m_subMode;
    if (mode < SPlaySubMode::kMessage || m_child == nullptr) return 0;
    const uint32_t buttons = m_messageButtons;
    const char* chosen = m_choiceBox != nullptr ? m_choiceBox->m_result.Text() : nullptr;
    const std::string choice = chosen != nullptr ? chosen : "";
    closeChild();
    m_subMode = SPlaySubMode::kFree;
    SetDirty();
    switch (mode) {
        case SPlaySubMode::kMessage:
            if (bitCount(buttons) >= 2) ResumeScript(answer == kInputOk || answer == kYes ? 1 : 2);
            break;
        case SPlaySubMode::kTravelQuestion: AnswerTravelQuestion(answer); break;
        case SPlaySubMode::kChoiceList: AnswerChoice(choice); break;
        case SPlaySubMode::kDoorQuestion: AnswerDoorQuestion(answer); break;
        case SPlaySubMode::kRestQuestion:
            if (answer == kYes) StartRest();
            break;
        case SPlaySubMode::kStealQuestion: AnswerStealQuestion(answer); break;
        default: break;
    }
    return 0;
}
