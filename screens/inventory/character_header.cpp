#include "screens/inventory/character_header.h"

#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "ui/dialog.h"

namespace {

constexpr uint32_t kCharacterHeaderNameColour = 0xC8C8C8;
constexpr uint32_t kTabColour = 0xFFFFFF;
constexpr uint32_t kTabHighlight = 0x96FFFF;
constexpr uint32_t kTabBlend = 0x585858;
constexpr const char* kTabNames[SCharacterHeader::kSubPages] = {"Main", "Skills", "Abilities", "Diseases",
                                                                "Active effects"};

}  // namespace

int SCharacterHeader::SubPageOf(uint32_t command) {
    for (int subPage = 0; subPage < kSubPages; ++subPage)
        if (kTabs[subPage] == command) return subPage;
    return -1;
}

void SCharacterHeader::Attach(SDialog* owner) {
    for (SCtrl* ctrl : std::initializer_list<SCtrl*>{&m_frame, &m_portrait, &m_name, &m_rename, &m_choosePortrait,
                                                     &m_tabsFrame, &m_furtherFrame})
        ctrl->Attach(owner);
    for (STopicButtonCtrl& tab : m_tabs) tab.Attach(owner);
}

void SCharacterHeader::Build(SDialog& owner, SGameData& game, uint32_t subPage) {
    const uint32_t type = game.m_screenMode;
    const bool small = IsSmallScreenType(type);
    const SFrameSet smallSet = game.InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
    const SFrameSet largeSet = game.InterfaceSet<9>(SInterfaceRole::kLargeFrameSet);
    if (owner.PlaceCtrl(m_frame, kHeaderFrame))
        m_frame.Setup(small ? smallSet : game.InterfaceSet<9>(SInterfaceRole::kPictureFrameSet), 0, 0,
                      SBorderSides::kLeft | SBorderSides::kBottom);
    if (owner.PlaceCtrl(m_portrait, kPortrait)) ShowPortrait(game);
    if (owner.PlaceCtrl(m_name, kName))
        m_name.SetTextEx(game.m_player.Name().Text(), STextAlign::kCentred | STextAlign::kMiddle, 1,
                         kCharacterHeaderNameColour, 0);
    if (owner.PlaceCtrl(m_rename, kRename))
        m_rename.SetupPicture(game.InterfaceSet<3>(SInterfaceRole::kRenameButton), kRename, 0);
    if (owner.PlaceCtrl(m_choosePortrait, kChoosePortrait))
        m_choosePortrait.SetupPicture(game.InterfaceSet<3>(SInterfaceRole::kPortraitChoiceButton), kChoosePortrait, 0);
    for (int tab = 0; tab < kSubPages; ++tab) {
        if (!owner.PlaceCtrl(m_tabs[tab], kTabs[tab])) continue;
        m_tabs[tab].SetupSimple(kTabNames[tab], kTabs[tab], kTabColour, kTabHighlight, kTabBlend);
        m_tabs[tab].SetChecked(uint32_t(tab) == subPage);
    }
    if (owner.PlaceCtrl(m_tabsFrame, kTabsFrame))
        m_tabsFrame.Setup(small ? smallSet : largeSet, 0, 0, SBorderSides::kBottom);
    if (type != 10 && owner.PlaceCtrl(m_furtherFrame, kFurtherFrame))
        m_furtherFrame.Setup(small ? smallSet : largeSet, 0, 0,
                             type == 5 || type == 7 || type == 8 ? SBorderSides::kBottom : SBorderSides::kLeft);
}

void SCharacterHeader::ShowPortrait(SGameData& game) {
    const char* face = game.m_player.Face().Text();
    const char* picture = face && *face ? game.m_faces.PictureName(face) : nullptr;
    if (picture) m_portrait.SetPictureName(picture);
    if (picture == nullptr || m_portrait.m_portrait == nullptr)
        m_portrait.SetPicture(game.InterfacePicture(SInterfaceRole::kDefaultPicture));
}
