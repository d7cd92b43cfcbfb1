// What the play screen shows: its controls placed by layout 43, and each frame the 3-D view from
// the player's place, the controls over it and the open dialog over both.
#include <algorithm>

#include "game/game_data.h"
#include "platform/clock.h"
#include "render/render.h"
#include "screens/play/state_game.h"
#include "screens/play/world_grid.h"

namespace {

// Layout rows of the controls.
constexpr uint32_t kPanelRow = 534;
constexpr uint32_t kSecondPanelRow = 721;
constexpr uint32_t kHpRow = 544;
constexpr uint32_t kManaRow = 545;
constexpr uint32_t kCompassBorderRow = 549;
constexpr uint32_t kCompassRow = 548;

constexpr uint32_t kActionRows[4] = {SStateGame::kAttack, SStateGame::kSpellBook, SStateGame::kPotions,
                                     SStateGame::kRest};
constexpr const char* kActionCaptions[4] = {"Attack", "Spells", "Potions", "Rest"};
constexpr const char* kMoveCaptions[6] = {"<", "^", ">", "<<", "v", ">>"};

// A sub-cell of a whole cell is drawn just inside the cell it belongs to.
constexpr int32_t kLastSubCell = 0xFFFF;

constexpr uint16_t kDayRain = 0xA534;
constexpr uint16_t kNightRain = 0x6B4D;
constexpr uint32_t kRainStallMs = 200;  // a longer gap (a dialog, a pause) moves the rain as 50 ms
constexpr uint32_t kRainStallStep = 50;

constexpr uint32_t kSidePanelColour = 0x000000;

}  // namespace

void SStateGame::takeViewRectangle() {
    const SViewDescriptor& view = m_game->PlayView();
    m_viewX = view.m_viewX;
    m_viewY = view.m_viewY;
    m_viewW = view.m_viewWidth;
    m_viewH = view.m_viewHeight;
}

void SStateGame::layoutTargetPanels() {
    // The panels' text is in font 1; their icons are not drawn yet, so no room is kept for one.
    int32_t fontHeight = 0;
    if (m_text != nullptr) {
        m_text->SelectFont(1, m_game->m_interfaceTextColour, m_game->m_interfaceShadeColour);
        fontHeight = m_text->LineHeight();
    }
    m_targetPanels = LayoutTargetPanels(m_viewX, m_viewY, m_viewW, m_viewH, fontHeight, 0);
}

void SStateGame::BuildView() {
    ClearCtrls();
    NoBackground();
    SetPos(0, 0);
    m_layoutId = kLayout;
    m_w = m_display ? m_display->m_width : 0;
    m_h = m_display ? m_display->m_height : 0;

    SCtrl* all[] = {&m_viewSideFill, &m_viewSideBorder,    &m_panel,         &m_panelBorder,
                    &m_secondPanel,  &m_secondPanelBorder, &m_automapCtrl,   &m_portrait,
                    &m_hpBar,        &m_manaBar,           &m_compassBorder, &m_compass};
    for (SCtrl* ctrl : all) ctrl->Attach(this);
    for (SButtonCtrl& button : m_actionButtons) button.Attach(this);
    for (SButtonCtrl& button : m_moveButtons) button.Attach(this);

    // The side panels frame a view smaller than its place; the frame draws them before the view.
    m_viewSideFill.SetFromTemplate(m_game->GetLayoutCtrl(kLayout, kViewRow));
    m_viewSideBorder.SetFromTemplate(m_game->GetLayoutCtrl(kLayout, kViewRow));
    m_viewSideFill.SetColor(kSidePanelColour);
    m_viewSideBorder.Setup(m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet), 0, 0, SBorderSides::kAll);

    const SFrameSet frames = m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
    const std::pair<SFillBmpCtrl*, SBorderCtrl*> panels[] = {{&m_panel, &m_panelBorder},
                                                             {&m_secondPanel, &m_secondPanelBorder}};
    const uint32_t panelRows[] = {kPanelRow, kSecondPanelRow};
    for (size_t i = 0; i < 2; ++i) {
        if (PlaceCtrl(*panels[i].first, panelRows[i])) {
            panels[i].first->m_tileMode = SFillBmpCtrl::kTiled;
            panels[i].first->SetTile(m_game->InterfacePicture(SInterfaceRole::kDialogBackground));
        }
        if (PlaceCtrl(*panels[i].second, panelRows[i])) panels[i].second->Setup(frames, 0, 0, SBorderSides::kAll);
    }
    if (PlaceCtrl(m_automapCtrl, kAutomap)) {
        m_automapCtrl.Setup();
        m_automapCtrl.ComputeCenter();
    }
    if (PlaceCtrl(m_portrait, kPortrait)) {
        m_portrait.SetFace(m_game->m_player.Face().Text());
        // A player whose face the world does not know still shows a portrait to tap.
        if (m_portrait.m_portrait == nullptr)
            m_portrait.SetPicture(m_game->InterfacePicture(SInterfaceRole::kDefaultPicture));
    }
    if (PlaceCtrl(m_hpBar, kHpRow)) m_hpBar.Setup(1);
    if (PlaceCtrl(m_manaBar, kManaRow)) m_manaBar.Setup(0);
    refreshBars();
    placeButtons();
    // Filled, so that the compass, which blends its ends over what lies beneath, always finds the
    // same ground.
    if (PlaceCtrl(m_compassBorder, kCompassBorderRow)) m_compassBorder.Setup(frames, 1, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_compass, kCompassRow)) {
        const auto set = m_game->InterfaceSet<4>(SInterfaceRole::kCompass);
        m_compass.Setup(set[0], set[1], set[2], set[3]);
    }
    layoutTargetPanels();
    SetDirty();
}

void SStateGame::placeButtons() {
    const SBarSet up = m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarUp);
    const SBarSet down = m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarDown);
    const uint32_t ink = m_game->m_interfaceTextColour, shade = m_game->m_interfaceShadeColour;
    auto place = [&](SButtonCtrl& button, uint32_t row, const char* caption) {
        if (PlaceCtrl(button, row)) button.SetupBar(down, up, caption, row, 1, ink, shade, 0xFFFFFF, shade, 0);
    };
    for (size_t i = 0; i < 4; ++i) place(m_actionButtons[i], kActionRows[i], kActionCaptions[i]);
    for (uint32_t i = 0; i < 6; ++i) place(m_moveButtons[i], kTurnLeft + i, kMoveCaptions[i]);
}

void SStateGame::refreshBars() {
    const SPlayer& player = m_game->m_player;
    m_hpBar.SetPercent(uint32_t(std::max(0, player.GetHpPercent())));
    m_manaBar.SetPercent(uint32_t(std::max(0, player.GetManaPercent())));
}

bool SStateGame::sidePanelsShown() const {
    if (!IsLargeScreenMode(int(m_game->m_screenMode)) || m_display == nullptr) return false;
    const SSettings& settings = m_game->m_settings;
    const uint32_t sizes[] = {settings.viewSize, settings.leftViewSize, settings.rightViewSize};
    const int orientation = m_display->m_orientation;
    return orientation >= 0 && orientation <= 2 && sizes[orientation] != 0 && m_viewSideFill.IsActive();
}

bool SStateGame::viewChanges() const {
    return IsDirty() || m_viewStale != 0 || m_turning != 0 || m_moving != 0 ||
           (m_rain.intensity != 0 && m_currentMap != nullptr && m_currentMap->IsSurface());
}

uint16_t SStateGame::rainColour() const { return IsDay() ? kDayRain : kNightRain; }

void SStateGame::Draw() {
    if (CoversScreen(m_subMode)) {
        if (m_child != nullptr) m_child->Draw();
        return;
    }
    // The world moves on between key presses: a door swings, a creature steps, a script raises a
    // gate. Whatever changed in what the view is drawn from draws it again.
    if (SWorldGrid* grid = OwnGrid(); grid != nullptr && grid->TakeViewChange()) m_viewStale = 1;
    const bool viewDrawn = viewChanges();
    if (IsDirty() && m_display != nullptr) m_display->FillRect(0, 0, m_w, m_h, 0);
    if (viewDrawn) {
        if (sidePanelsShown()) drawSidePanels();
        renderView();
        DrawTargetPanels();
        // The buttons may lie over the view's edge.
        for (SButtonCtrl& button : m_moveButtons) button.SetDirty();
    }
    DrawSelf();
    if (m_child != nullptr) {
        if (viewDrawn) m_child->SetDirty();
        m_child->Draw();
    }
}

void SStateGame::drawSidePanels() {
    m_viewSideFill.Draw();
    m_viewSideBorder.Draw();
}

void SStateGame::renderView() {
    // Only the rain draws the view again: the scene of the last frame stands.
    const bool sceneUnchanged = !IsDirty() && m_viewStale == 0 && m_turning == 0 && m_moving == 0;
    m_viewStale = 0;
    SViewDescriptor& view = m_game->PlayView();
    view.m_positionX = m_playerX * 65536 + std::min(m_fractionX, kLastSubCell);
    view.m_positionY = m_playerY * 65536 + std::min(m_fractionY, kLastSubCell);
    view.m_heading = int32_t(m_heading) * 65536;
    view.m_skyAngle = m_skyAngle;
    if (const SWorldGrid* grid = OwnGrid()) {
        grid->AttachView(view);
        // The cache's tables grow as packages open, so they are taken afresh for every frame.
        const SResourceCache& cache = m_game->m_cache;
        view.m_pictures = {cache.Pictures().data(), uint32_t(cache.Pictures().size())};
        view.m_palettes = {cache.Palettes().data(), uint32_t(cache.Palettes().size())};
    }
    if (m_game->m_render == nullptr) return;
    // The view's polygons may leave a stray pixel uncovered at their seams; cleared to the fog's
    // colour it shows the same in every frame instead of keeping what was there before.
    if (m_display != nullptr && m_viewW > 0 && m_viewH > 0 && !sceneUnchanged)
        m_display->FillRect(m_viewX, m_viewY, m_viewW, m_viewH, view.m_fogColour);
    m_game->m_render->RenderFrame(sceneUnchanged);
    if (m_rain.intensity != 0 && m_currentMap != nullptr && m_currentMap->IsSurface())
        advanceRain(platform::TickCount());
    if (!sceneUnchanged) MakeThumbnail();
}

void SStateGame::MakeThumbnail() {
    if (m_game->m_render == nullptr || m_thumbnail.size() != size_t(kThumbWidth) * kThumbHeight) return;
    m_game->m_render->MakeViewThumbnail(SThumbnail(m_thumbnail.data(), m_thumbnail.size()));
}

void SStateGame::advanceRain(uint32_t now) {
    uint32_t elapsed = now - m_lastRainTick;
    m_lastRainTick = now;
    if (elapsed > kRainStallMs) elapsed = kRainStallStep;
    m_game->m_render->UpdateRain(int32_t(elapsed * 65536 / 1000), *m_game->m_random);
}
