#include "ui/dialogs/dialog_mark_recall.h"

#include "game/game_data.h"
#include "screens/play/state_game.h"
#include "ui/colour_word.h"
#include "ui/dialogs/paged_list.h"

namespace {

// The list's own colour, a shade apart from the title's blend, which the game object keeps.
constexpr uint32_t kListBackground = 0x94D6E7;
constexpr uint32_t kRecallTransition = 1;

}  // namespace

void SDialogMarkRecall::Init(SGameData* game) {
    SDialog::Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_background, &m_title, &m_list, &m_pageUp, &m_pageDown, &m_ok, &m_cancel})
        ctrl->Attach(this);
}

void SDialogMarkRecall::Open(uint32_t markMode) {
    ClearCtrls();
    SetLayout(kLayout);
    CenterInView();
    // The parchment is the background.
    NoBackground();

    m_background.SetTile(m_game->InterfacePicture(SInterfaceRole::kParchment));
    m_background.m_tileMode = SFillBmpCtrl::kTiled;
    PlaceCtrl(m_background, 19);
    PlaceCtrl(m_title, 16);
    m_title.SetTextEx("", STextAlign::kCentred, 2, kInk, m_game->m_interfaceTextColour);
    m_list.SetStyle(1, kInk, kListBackground, nullptr);
    m_list.m_bgOn = 0;
    m_list.m_frameOn = 0;
    m_list.m_id = kList;
    PlaceCtrl(m_list, kList);
    if (PlaceCtrl(m_pageUp, kPageUp)) SetupArrowButton(m_pageUp, *m_game, true, kPageUp);
    if (PlaceCtrl(m_pageDown, kPageDown)) SetupArrowButton(m_pageDown, *m_game, false, kPageDown);
    if (PlaceCtrl(m_ok, kOk)) m_ok.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kOkButton), kOk, 0);
    if (PlaceCtrl(m_cancel, kCancel))
        m_cancel.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCancelButton), kCancel, 0);

    m_markMode = markMode;
    if (markMode) {
        m_title.SetText("Mark a position");
        m_game->m_player.UpdateMarkSlots();
    } else {
        m_title.SetText("Recall a position");
    }
    FillSlots(false);
    UpdateArrows();
    ResetPenGate();
}

void SDialogMarkRecall::FillSlots(bool keepSelection) {
    const int32_t remembered = m_list.m_selected;
    m_list.ClearRows();
    const SPlayer& player = m_game->m_player;
    SString text;
    for (int i = 0; i < player.MarkCount(); ++i) {
        const SMarkRecord& slot = *player.Mark(i);
        if (slot.packageIdentifier.IsEmpty())
            text.Format("%u. -", uint32_t(i + 1));
        else
            text.Format("%u. %s, %s", uint32_t(i + 1), slot.packageName.Text(), slot.mapText.Text());
        m_list.AddRowId(uint32_t(i), text.Text());
    }
    m_list.m_selected = remembered;
    m_list.Layout(keepSelection);
}

void SDialogMarkRecall::UpdateArrows() { UpdatePageButtons(m_list, m_pageUp, m_pageDown); }

void SDialogMarkRecall::PageUp() { PageListUp(m_list, m_pageUp, m_pageDown); }

void SDialogMarkRecall::PageDown() { PageListDown(m_list, m_pageUp, m_pageDown); }

void SDialogMarkRecall::Apply() {
    const int slot = m_list.m_selected;
    if (slot < 0 || slot >= m_game->m_player.MarkCount()) return;
    if (m_markMode)
        mark(slot);
    else
        recall(slot);
}

void SDialogMarkRecall::mark(int slot) {
    SStateGame* play = SStateGame::Of(*m_game);
    if (play == nullptr || play->m_package == nullptr || play->m_currentMap == nullptr) return;
    m_game->m_player.SetMark(slot, *play->m_package, *play->m_currentMap, play->m_cellX, play->m_cellY,
                             uint8_t(play->m_heading / 90));
    FillSlots(true);
    play->QueueMessage("Position has been marked.", SPlayerScreen::kOkButton, nullptr);
}

void SDialogMarkRecall::recall(int slot) {
    SStateGame* play = SStateGame::Of(*m_game);
    if (play == nullptr) return;
    // A free slot has no package identifier, and no open package has an empty one: it fails as a
    // place whose package was closed since does.
    const SMarkRecord& place = *m_game->m_player.Mark(slot);
    const SModule* package =
        place.packageIdentifier.IsEmpty() ? nullptr : m_game->m_packages.FindById(place.packageIdentifier.Text());
    if (package != nullptr && package->FindMap(place.mapName.Text()) != nullptr)
        play->QueueTravelToCoords(place.packageIdentifier.Text(), place.mapName.Text(), place.x, place.y,
                                  place.direction, kRecallTransition);
    else
        play->QueueMessage("Teleport failed.", SPlayerScreen::kOkButton, nullptr);
}

uint32_t SDialogMarkRecall::OnCommand(uint32_t id) {
    switch (id) {
        case kOk: Apply(); [[fallthrough]];
        case kCancel: m_game->PlaySound("bsnd_clickh", 10); return m_parent ? m_parent->OnCommand(kCancel) : 0;
        case kList: m_game->PlaySound("bsnd_click", 10); return 0;
        case kPageUp:
            m_game->PlaySound("bsnd_click", 10);
            PageUp();
            return 0;
        case kPageDown:
            m_game->PlaySound("bsnd_click", 10);
            PageDown();
            return 0;
        default: return 0;
    }
}

void SDialogMarkRecall::Draw() {
    SetDirty();
    SDialog::Draw();
}
