#include "ui/dialogs/dialog_rest.h"

#include "game/game_data.h"
#include "platform/clock.h"
#include "screens/play/state_game.h"
#include "ui/colour_word.h"
#include "ui/dialogs/dialog_sounds.h"
#include "ui/dialogs/scene_frames.h"

namespace {

constexpr uint32_t kCounterColour = 0x64C8C8;
constexpr uint32_t kCentredMiddle = STextAlign::kCentred | STextAlign::kMiddle;

}  // namespace

void SDialogRest::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_outerFrame, &m_innerFrame, &m_title, &m_counter, &m_unit,
                                                     &m_report, &m_continue, &m_fire})
        ctrl->Attach(this);
}

void SDialogRest::Open(const char* host) {
    ClearCtrls();
    SetLayout(kLayout);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));

    const SFrameSet frames = SceneFrameSet(*m_game);
    if (PlaceCtrl(m_outerFrame, 19)) m_outerFrame.Setup(frames, 0, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_innerFrame, 6)) m_innerFrame.Setup(frames, 1, 0, SBorderSides::kAll);
    PlaceCtrl(m_title, 2);
    m_title.SetTextEx("Resting...", STextAlign::kCentred, 2, kWhite, 0);
    PlaceCtrl(m_counter, 3);
    m_counter.SetTextEx("", STextAlign::kCentred, 2, kCounterColour, 0);
    PlaceCtrl(m_unit, 4);
    m_unit.SetTextEx("hours", STextAlign::kLeft, 2, kLightGrey, 0);
    PlaceCtrl(m_report, 7);
    m_report.SetTextEx("", kCentredMiddle, 1, kLightGrey, 0);
    if (PlaceCtrl(m_continue, kContinue))
        m_continue.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kOkButton), kContinue, 0);
    if (PlaceCtrl(m_fire, 1)) {
        const auto fire = m_game->InterfaceSet<SAnimCtrl::kListPictures>(SInterfaceRole::kFireFrames);
        m_fire.SetPictures(fire);
    }

    m_host.Assign(host ? host : "");
    m_rain = 0;
    if (SStateGame* play = SStateGame::Of(*m_game)) play->StopAmbientSounds(true);
    m_hours = 1;
    m_lastStep = platform::TickCount();
    showHours();
    PlayLoopedSound(*m_game, "bsnd_fire", 6);
    m_report.SetText("");
    m_continue.Hide();
    SetDirty();
    ResetPenGate();
}

void SDialogRest::showHours() {
    SString text;
    text.Format("%u", m_hours);
    m_counter.SetText(text.Text());
    m_counter.Layout();
}

void SDialogRest::wakeUp() {
    SString report;
    if (!m_host.IsEmpty()) {
        SPlayer& player = m_game->m_player;
        report.Format("As you wake up, %s serves delicious food and water.\r", m_host.Text());
        report.Append("You feel you're fully rested.\r(hp and sp are increased for a while).\r");
        // The inn's bonus lifts both above their maxima; the bar shows that as full.
        player.SetHp(player.GetMaxHp() * 5 / 4, false);
        if (SStateGame* play = SStateGame::Of(*m_game)) play->m_hpBar.SetPercent(uint32_t(player.GetHpPercent()));
        player.SetMana(player.GetMaxMana() * 5 / 4, false);
        if (player.PoisonTotal() != 0) {
            report.Append("You're no longer poisoned.\r");
            player.RemoveTimedEffects(kEffectPoison);
        }
    } else {
        report.Assign("You eat and drink as you wake up.\r");
        report.Append(m_rain ? "As you have been removed from the events by your sleep, there was a rain. Your hp and "
                               "sp may not have recovered."
                             : "Your hp and sp have been restored.");
    }
    m_report.SetText(report.Text());
    m_report.Layout();
    m_continue.SetVisible(true);
}

uint32_t SDialogRest::OnTick(uint32_t arg) {
    const uint32_t now = platform::TickCount();
    if (now - m_lastStep > kHourTime && m_hours < kLastHour) {
        ++m_hours;
        showHours();
        if (m_hours == kLastHour) wakeUp();
        m_lastStep = now;
        SetDirty();
    }
    return SDialog::OnTick(arg);
}

uint32_t SDialogRest::OnCommand(uint32_t id) {
    if (id != kContinue) return 0;
    StopAllSounds(*m_game);
    m_game->PlaySound("bsnd_clickh", 10);
    return m_parent ? m_parent->OnCommand(id) : 0;
}

void SDialogRest::Draw() {
    SetDirty();
    SDialog::Draw();
}
