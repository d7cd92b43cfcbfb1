#pragma once
// SDialogGameMap: the full-screen map the player opens from the play screen. Its area face shows
// the automap of the whole play grid, which the stylus drags; its world face shows the world
// package's map picture, where a tap on a map names it. Two buttons switch faces, one closes; the
// header shows the title of what is shown, the day and the time. Its place is the screen's top
// left, so that layout positions are screen positions.
#include <cstdint>

#include "ui/dialog.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/game_map_ctrl.h"
#include "ui/widgets/game_world_map_ctrl.h"
#include "ui/widgets/text_ctrl.h"

class SStateGame;

class SDialogGameMap : public SDialog {
public:
    static constexpr uint32_t kLayout = 8;
    // Commands: the world map was pressed, close (passed to the parent), the two faces.
    static constexpr uint32_t kWorldTap = 46;
    static constexpr uint32_t kClose = 48;
    static constexpr uint32_t kShowWorld = 49;
    static constexpr uint32_t kShowArea = 50;

    void Init(SGameData* game) override;
    // Builds the dialog showing the area face.
    void Open();
    uint32_t OnCommand(uint32_t id) override;
    // The use key (Return) and the refuse key (Escape) close the map as its close button does.
    uint32_t OnKey(uint32_t key) override;

    SFillBmpCtrl m_background;
    STextCtrl m_title;
    STextCtrl m_selection;  // "Selected: ..." on the world face
    STextCtrl m_day;
    STextCtrl m_time;
    SGameMapCtrl m_areaMap;
    SGameWorldMapCtrl m_worldMap;  // the area map's rectangle
    SButtonCtrl m_worldButton;
    SButtonCtrl m_areaButton;
    SButtonCtrl m_closeButton;

private:
    const SStateGame* playScreen() const;
    void selectPressedMap();
    void clearSelection();
    void showFace(bool world);
    const char* currentMapTitle() const;
};
