#pragma once
// SFillBmpCtrl: its rectangle covered with the game's nine-piece panel (tile mode 0) or with copies
// of one picture (tile mode 1). The owner sets the mode and whether the pictures are keyed.
#include <cstdint>

#include "ui/ctrl.h"
#include "ui/picture_sets.h"

class SFillBmpCtrl : public SCtrl {
public:
    static constexpr uint32_t kPanel = 0;
    static constexpr uint32_t kTiled = 1;

    void SetTile(const SPictureEntry* picture);
    void SetPanel(const SFrameSet& set);
    void Draw() override;

    SFrameSet m_panelSet{};
    uint32_t m_keyed = 0;
    uint32_t m_tileMode = kPanel;
    const SPictureEntry* m_tile = nullptr;
};
