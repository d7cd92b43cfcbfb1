// The inventory's character page: the header with the portrait, the name and the sub-page tabs,
// the Main and Skills sheets or a list sheet under it, the name entry and the portrait choice it
// opens, and the routing of every command of the page.
#include "game/game_data.h"
#include "screens/inventory/state_inventory.h"
#include "screens/screen_id.h"
#include "ui/dialogs/choice_dialog.h"

namespace {

constexpr uint32_t kMainSheet = 0;
constexpr uint32_t kSkillsSheet = 1;

}  // namespace

void SStateInventory::LayoutCharacterPage() {
    m_characterHeader.Build(*this, *m_game, m_pages.subPage);
    if (m_pages.subPage == kMainSheet)
        m_characterPage.Build(*this, *m_game);
    else if (m_pages.subPage == kSkillsSheet)
        m_skillsPage.Build(*this, *m_game);
    else
        m_characterLists.Build(*this, *m_game, m_pages.subPage, m_pages.effectsFilter);
}

void SStateInventory::ForgetPendingRaises() {
    m_characterPage.ForgetRaises();
    m_skillsPage.ForgetRaises();
}

uint32_t SStateInventory::OnCharacterPageCommand(uint32_t id) {
    if (m_pages.page == SInventoryPages::kNameEntry) {
        if (id == kChoiceOk) m_game->m_player.SetName(m_nameEntry.GetText());
        closeCharacterDialog();
        return kStay;
    }
    if (m_pages.page == SInventoryPages::kPortraitChoice) {
        // Ok with no face selected keeps the face the player has: an empty name would be no face.
        const char* chosen = id == kChoiceOk ? m_faceSelect.SelectedName() : nullptr;
        if (chosen && *chosen) m_game->m_player.SetFace(chosen);
        closeCharacterDialog();
        return kStay;
    }
    if (m_child == &m_sheetMessage) {
        if (id == SDialogMessage::kOk) playSound("bsnd_click");
        Reopen();
        m_openFrame = m_game->m_frameCounter;
        return kStay;
    }
    if (const int subPage = SCharacterHeader::SubPageOf(id); subPage >= 0) {
        playSound("bsnd_clickh");
        m_pages.subPage = uint32_t(subPage);
        Refresh();
        return kStay;
    }
    switch (id) {
        case SCharacterHeader::kRename:
            playSound("bsnd_click");
            OpenRename();
            return kStay;
        case SCharacterHeader::kChoosePortrait:
            playSound("bsnd_click");
            OpenFaceSelect();
            return kStay;
        case SCharacterPage::kUndo:
            if (m_pages.subPage == kMainSheet) m_characterPage.Undo();
            return kStay;
        case SSkillsPage::kUndo:
            if (m_pages.subPage == kSkillsSheet) m_skillsPage.Undo();
            return kStay;
        default: break;
    }
    if (m_pages.subPage > kSkillsSheet) {
        m_characterLists.OnCommand(id, m_pages.effectsFilter);
        return kStay;
    }
    if (m_pages.subPage == kMainSheet && SCharacterPage::AttributeOf(id) != 0) {
        playSound("bsnd_clickh");
        m_characterPage.Increase(id);
    } else if (m_pages.subPage == kSkillsSheet && SSkillsPage::RowOf(id) >= 0) {
        playSound("bsnd_clickh");
        SString refusal;
        m_skillsPage.Increase(id, refusal);
        if (refusal.Length() > 0) ShowMessage(refusal.Text());
    }
    return kStay;
}

void SStateInventory::OpenRename() {
    m_pages.returnPage = m_pages.page;
    m_pages.page = SInventoryPages::kNameEntry;
    m_nameEntry.Open();
    SetChild(&m_nameEntry);
    m_nameEntry.SetText(m_game->m_player.Name().Text());
}

void SStateInventory::OpenFaceSelect() {
    m_pages.returnPage = m_pages.page;
    m_pages.page = SInventoryPages::kPortraitChoice;
    m_faceSelect.Open();
    SetChild(&m_faceSelect);
}

void SStateInventory::ShowMessage(const char* text) {
    m_game->ShowChildMessageBox(text, SDialogMessage::kOk, m_sheetText, m_sheetMessage, *this);
    m_openFrame = m_game->m_frameCounter;
}

void SStateInventory::closeCharacterDialog() {
    m_pages.page = m_pages.returnPage;
    Reopen();
    m_openFrame = m_game->m_frameCounter;
    Refresh();
}
