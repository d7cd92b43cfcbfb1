// The target panels over the 3-D view: a framed box on the dialog background with the target's
// name and a bar of its health, red for a hostile creature.
#include "game/game_data.h"
#include "screens/play/state_game.h"

namespace {

constexpr uint16_t kHostileBar = 0xF800;
constexpr uint16_t kNeutralBar = 0x07E0;
constexpr uint16_t kPlainBackground = 0x2104;  // where the interface has no background picture
constexpr int kPanelsPanelFont = 1;
// The health bar lies inside the frame, above the text.
constexpr int kBarTop = 2;
constexpr int kBarHeight = 5;

}  // namespace

void SStateGame::DrawTargetPanels() {
    if (m_display == nullptr) return;
    const STargetPanel* panels[2] = {&m_targetPanels.left, &m_targetPanels.right};
    for (size_t i = 0; i < m_lookTargets.size(); ++i)
        if (m_lookTargets[i].shown) drawTargetPanel(*panels[i], m_lookTargets[i]);
}

void SStateGame::drawTargetPanel(const STargetPanel& panel, const SLookTarget& target) {
    const STargetPanelBox& box = target.lines > 1 ? panel.twoLines : panel.oneLine;
    if (panel.width <= 2 || box.height <= 2) return;
    if (const SPictureEntry* background = m_game->InterfacePicture(SInterfaceRole::kDialogBackground))
        m_display->TileOpaque(panel.left, box.top, panel.width, box.height, *background);
    else
        m_display->FillRect(panel.left, box.top, panel.width, box.height, kPlainBackground);
    m_display->FrameRect(panel.left, box.top, panel.width, box.height);
    const int barWidth = (panel.width - 2) * target.health / 100;
    if (barWidth > 0)
        m_display->FillRect(panel.left + 1, box.top + kBarTop, barWidth, kBarHeight,
                            target.hostile ? kHostileBar : kNeutralBar);
    if (m_text == nullptr || target.text.empty()) return;
    m_text->SelectFont(kPanelsPanelFont, m_game->m_interfaceTextColour, m_game->m_interfaceShadeColour);
    m_text->DrawText(panel.textLeft, box.textTop, panel.textLeft + panel.textWidth, box.top + box.height - 1,
                     target.text.c_str(), 0);
}
