#include "screens/addons/state_add_worlds.h"

#include <array>

#include "engine/audio/sound.h"
#include "game/feldmar2.h"
#include "game/game_data.h"
#include "ui/colour_word.h"

namespace {

// Colour words: red in the lowest byte.
constexpr uint32_t kTitleColour = 0xFFFFFF;
constexpr uint32_t kTextColour = 0xC8C8C8;
constexpr uint32_t kRowColour = 0x64C8C8;

constexpr uint32_t kHeaderElements[4] = {SStateAddWorlds::kNameHeader, SStateAddWorlds::kTypeHeader,
                                         SStateAddWorlds::kEnableHeader, SStateAddWorlds::kDeleteHeader};
constexpr const char* kHeaderTexts[4] = {"Name", "Type", "Enable", "Delete"};

std::array<SCtrl*, 5> ctrlsOf(SStateAddWorlds::SWorldRow& row) {
    return {&row.name, &row.type, &row.enabled, &row.disabled, &row.remove};
}

}  // namespace

void SStateAddWorlds::Init(SGameData* game) {
    SState::Init(game);
    SCtrl* ctrls[] = {&m_title, &m_description, &m_previousPage, &m_nextPage, &m_emptyText, &m_back};
    for (SCtrl* ctrl : ctrls) ctrl->Attach(this);
    for (STextCtrl& header : m_headers) header.Attach(this);
    for (SWorldRow& row : m_rows)
        for (SCtrl* ctrl : ctrlsOf(row)) ctrl->Attach(this);
}

int SStateAddWorlds::RowsPerPage(uint32_t screenMode) {
    switch (screenMode) {
        case 3:
        case 7:
        case 9:
        case 10:
        case 14:
        case 15: return 10;
        case 5:
        case 8: return 6;
        default: return 7;
    }
}

int SStateAddWorlds::worldCount() const { return int(m_game->m_packages.AddOnWorlds().size()); }

void SStateAddWorlds::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    build();
    showPage(0);
    const bool empty = worldCount() == 0;
    const bool paged = worldCount() > m_rowsPerPage;
    m_previousPage.SetVisible(paged);
    m_nextPage.SetVisible(paged);
    m_emptyText.SetVisible(empty);
    for (STextCtrl& header : m_headers) header.SetVisible(!empty);
}

void SStateAddWorlds::build() {
    ClearCtrls();
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    SetBackgroundBitmap(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
    m_rowsPerPage = RowsPerPage(m_game->m_screenMode);
    if (PlaceCtrl(m_title, kTitle))
        m_title.SetTextEx("Additional worlds", STextAlign::kCentred, 2, kTitleColour, kShade);
    if (PlaceCtrl(m_description, kDescription))
        m_description.SetTextEx("Here you can enable, disable or physically delete the installed additional worlds.",
                                STextAlign::kLeft, 1, kTextColour, kShade);
    for (int i = 0; i < 4; ++i)
        if (PlaceCtrl(m_headers[i], kHeaderElements[i]))
            m_headers[i].SetTextEx(kHeaderTexts[i], STextAlign::kLeft, 1, kTextColour, kShade);

    const auto enabled = m_game->InterfaceSet<3>(SInterfaceRole::kWorldEnabledMark);
    const auto disabled = m_game->InterfaceSet<3>(SInterfaceRole::kWorldDisabledMark);
    const auto remove = m_game->InterfaceSet<3>(SInterfaceRole::kWorldDeleteButton);
    for (int r = 0; r < kMaxRows; ++r) {
        SWorldRow& row = m_rows[r];
        if (PlaceCtrl(row.name, kNames[r])) row.name.SetTextEx("", STextAlign::kLeft, 1, kRowColour, kShade);
        if (PlaceCtrl(row.type, kTypes[r])) row.type.SetTextEx("", STextAlign::kLeft, 1, kRowColour, kShade);
        if (PlaceCtrl(row.enabled, kEnabledMarks[r])) row.enabled.SetupPicture(enabled, kEnabledMarks[r], 0);
        if (PlaceCtrl(row.disabled, kDisabledMarks[r])) row.disabled.SetupPicture(disabled, kDisabledMarks[r], 0);
        if (PlaceCtrl(row.remove, kDeletes[r])) row.remove.SetupPicture(remove, kDeletes[r], 0);
    }
    if (PlaceCtrl(m_previousPage, kPreviousPage))
        m_previousPage.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kPreviousPageButton), kPreviousPage, 0);
    if (PlaceCtrl(m_nextPage, kNextPage))
        m_nextPage.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kNextPageButton), kNextPage, 0);
    if (PlaceCtrl(m_emptyText, kEmptyText))
        m_emptyText.SetTextEx("There aren't additional worlds installed.", STextAlign::kCentred, 1, kTextColour,
                              kShade);
    if (PlaceCtrl(m_back, kBack))
        m_back.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kBack, kActionUse);
    m_previousPage.Hide();
    m_nextPage.Hide();
    m_emptyText.Hide();
    SetDirty();
}

void SStateAddWorlds::showPage(int page) {
    m_page = page;
    for (SWorldRow& row : m_rows)
        for (SCtrl* ctrl : ctrlsOf(row)) ctrl->Hide();
    const std::vector<SAddOnWorld>& worlds = m_game->m_packages.AddOnWorlds();
    const int first = page * m_rowsPerPage;
    for (int r = 0; r < m_rowsPerPage && r < kMaxRows && first + r < int(worlds.size()); ++r) {
        const SAddOnWorld& world = worlds[size_t(first + r)];
        SWorldRow& row = m_rows[r];
        row.name.SetText(world.name.Text());
        row.type.SetText(world.official ? "Official" : "3rd party");
        SCtrl* shown[] = {&row.name, &row.type, world.enabled ? &row.enabled : &row.disabled, &row.remove};
        for (SCtrl* ctrl : shown) ctrl->SetVisible(true);
    }
    m_previousPage.SetEnabled(page > 0);
    m_nextPage.SetEnabled(int(worlds.size()) > first + m_rowsPerPage);
    SetDirty();
}

uint32_t SStateAddWorlds::OnCommand(uint32_t id) {
    switch (id) {
        case kBack:
            if (m_game->m_sound) m_game->m_sound->Play(m_game->m_interfaceSound1, 10);
            return kGoBack;
        case kPreviousPage:
            if (m_page > 0) showPage(m_page - 1);
            return kStay;
        case kNextPage:
            if (worldCount() > (m_page + 1) * m_rowsPerPage) showPage(m_page + 1);
            return kStay;
        default: return kStay;
    }
}
