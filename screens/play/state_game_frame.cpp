// The play screen's frame: death, the nine clocks and the world work each drives, the combat
// round, the drawing, the event queue and the open dialog's tick, in that order.
#include "game/game_data.h"
#include "platform/clock.h"
#include "screens/play/state_game.h"

namespace {

constexpr int32_t kFullCircle = 360;
constexpr int32_t kSkyDriftStep = 4096;  // 1/16 degree in 16.16
constexpr int32_t kSkyCircle = 360 * 65536;

// The combat animation kinds that have a handler; the others stay in the queue untouched.
bool hasHandler(uint32_t kind) { return (kind >= 1 && kind <= 7) || kind == 9 || kind == 10; }

}  // namespace

uint32_t SStateGame::OnTick(uint32_t arg) {
    if (m_game->m_player.Hp() <= 0) {
        StopAmbientSounds(true);
        return kDeathScreen;
    }
    // A dialog over the whole screen holds the world still; it alone gets the tick, so that it
    // shows and runs its own animation.
    if (CoversScreen(m_subMode)) {
        if (m_child != nullptr) {
            m_child->OnTick(arg);
            if (m_child != nullptr) m_child->Draw();
        }
        return 0;
    }

    const uint32_t fired = m_clocks.Advance(platform::TickCount(), m_skyDrift != 0, m_forceCreatureFrame != 0);
    auto on = [fired](SPlayClock clock) { return (fired & SPlayClocks::Bit(clock)) != 0; };
    if (on(SPlayClock::kCreatureFrame)) m_forceCreatureFrame = 0;
    const bool movementTick = on(SPlayClock::kMovement);

    PlayAmbientVoice();
    if (m_stepSoundCountdown != 0 && --m_stepSoundCountdown == 0) PlaySecondFootstep();

    bool turnOrStepEnded = false;
    if (movementTick && (m_turning != 0 || m_moving != 0)) {
        advanceTurn();
        AdvanceWalk();
        turnOrStepEnded = m_turning == 0 && m_moving == 0;
    }

    if (m_monsterPassRequest != 0) RunMonsterPass();
    if (!m_actingMonsters.empty()) RunMonsterRound();
    PlayPendingThunder();

    const bool stealing = m_subMode == SPlaySubMode::kStealQuestion;
    if (on(SPlayClock::kGround)) AnimateGround();
    if (on(SPlayClock::kNearbyCellsA) || on(SPlayClock::kNearbyCellsB))
        UpdateNearbyCells(on(SPlayClock::kNearbyCellsA), on(SPlayClock::kNearbyCellsB));
    if ((on(SPlayClock::kCreatureSecond) || on(SPlayClock::kCreatureFrame)) && !stealing)
        AnimateCreatures(on(SPlayClock::kCreatureFrame), on(SPlayClock::kCreatureSecond));
    if (on(SPlayClock::kDoors)) TickDoors();
    if (on(SPlayClock::kSkyDrift)) advanceSkyDrift();
    if (movementTick) viewWork(turnOrStepEnded);
    if (on(SPlayClock::kPersons) && !stealing) TickPersons();

    if (m_subMode == SPlaySubMode::kTravelFade) StepTravelFog();
    if (m_subMode == SPlaySubMode::kFree && m_child == nullptr && !m_combatAnims.empty()) RunCombatRound();

    if (m_turning != 0 || m_moving != 0 || turnOrStepEnded) m_automapCtrl.SetDirty();
    Draw();

    if (m_subMode == SPlaySubMode::kTravelFade) AdvanceTravelFade();
    // A conversation or a scene that an event starts takes over once this frame is done.
    uint32_t next = kStay;
    if (m_subMode == SPlaySubMode::kFree && m_child == nullptr && m_combatAnims.empty()) next = HandleEvent(false);
    if (m_child != nullptr) {
        m_child->OnTick(arg);
        if (m_child != nullptr) m_child->Draw();
    }
    if (movementTick) TurnBumpAround();
    return next;
}

void SStateGame::RunCombatRound() {
    for (size_t i = 0; i < m_combatAnims.size();) {
        SCombatAnim& anim = *m_combatAnims[i];
        if (!hasHandler(anim.kind) || !AdvanceCombatAnim(anim)) {
            ++i;
            continue;
        }
        // The thrown item leaves the pack here and nowhere else, once its missile has landed.
        if (anim.kind == SCombatAnim::kMissile) m_game->m_player.DeleteItemIfUsedUp(anim.thrownItem);
        m_combatAnims.erase(m_combatAnims.begin() + std::ptrdiff_t(i));
    }
}

void SStateGame::advanceTurn() {
    if (m_turning == 0) return;
    // The compass blends its ends over what lies beneath, so its frame is drawn again under it.
    m_compassBorder.SetDirty();
    m_compass.SetDirty();
    const int32_t heading = int32_t(m_heading);
    const int32_t left = m_turnStep > 0 ? m_targetHeading - heading : heading - m_targetHeading;
    const int32_t remaining = (left % kFullCircle + kFullCircle) % kFullCircle;
    const int32_t step = m_turnStep > 0 ? m_turnStep : -m_turnStep;
    if (remaining <= step) {
        m_heading = uint32_t(m_targetHeading);
        m_turning = 0;
        return;
    }
    m_heading = uint32_t(((heading + m_turnStep) % kFullCircle + kFullCircle) % kFullCircle);
}

void SStateGame::viewWork(bool turnOrStepEnded) {
    const bool still = m_turning == 0 && m_moving == 0;
    if (still) {
        if (turnOrStepEnded || m_redrawRequest != 0 || m_redrawPending != 0) {
            UpdateLookTarget();
            m_viewStale = 1;
        }
        m_redrawPending = 0;
    }
    if (!still || m_redrawRequest != 0) {
        ScanNearbyCells();
        m_redrawRequest = 0;
        m_viewStale = 1;
    }
}

void SStateGame::advanceSkyDrift() {
    m_skyAngle -= kSkyDriftStep;
    if (m_skyAngle < 0) m_skyAngle += kSkyCircle;
    m_viewStale = 1;
}
