#pragma once
// SDialogLoading: the progress panel shown while the game blocks its loop to load (a new game, a
// saved game, the world packages, the rule tables): four pictures, a caption line and a bar in a
// frame, laid out by layout 3. Since nothing else runs meanwhile, starting and every step draw the
// dialog and present the frame at once. The screens that load embed one and open it as their
// child; the loaders see only the steps.
#include <cstdint>

#include "engine/packages/loading_steps.h"
#include "ui/dialog.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/progress_ctrl.h"
#include "ui/widgets/text_ctrl.h"

// The four loading pictures of layout 3 placed on a dialog built from that layout (the loading
// dialog, and the main menu, which shares its pictures); the fourth, the title, is drawn keyed.
// keepAspect scales each picture into its element without stretching it.
void PlaceLoadingPictures(SDialog& dialog, SPicCtrl (&pictures)[4], bool keepAspect);

class SDialogLoading : public SDialog, public SLoadingSteps {
public:
    static constexpr uint32_t kLayout = 3;

    void Init(SGameData* game) override;
    // Builds the dialog from layout 3 on a black ground at the screen's top left. Without a layout
    // element 12 there is no caption, frame or bar; the pictures still show.
    void Open();
    // A bar of `count` steps, none done; 0 steps draw an empty bar.
    void Start(uint32_t count) override;
    // One step more, never past the count.
    void Step() override;

    SPicCtrl m_pictures[4];
    STextCtrl m_caption;  // empty until a loader names what it loads
    SBorderCtrl m_frame;
    SProgressCtrl m_bar;

private:
    void drawAndPresent();
};
