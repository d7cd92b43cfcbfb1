#include "ui/dialogs/dialog_face_select.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/dialogs/play_dialog_fixture.h"

namespace dialog_face_select_test {

namespace {

class FaceSelectTest : public PlayDialogTest {
protected:
    UiRig& open(uint32_t mode, std::initializer_list<std::pair<const char*, uint8_t>> faces, const char* current) {
        UiRig& rig = StartPlay(mode);
        if (HasFailure()) return rig;
        for (auto [name, selectable] : faces) {
            auto face = std::make_unique<SFaceType>();
            face->name.Set(name);
            face->playerPortrait = selectable;
            Game().m_faces.Add(std::move(face));
        }
        Player().SetFace(current);
        dialog.Init(&Game());
        dialog.Open();
        rig.OpenDialog(dialog);
        rig.Frame();
        rig.Sounds().Clear();
        return rig;
    }
    std::vector<std::string> names() const { return {dialog.m_names.begin(), dialog.m_names.end()}; }

    SDialogFaceSelect dialog;
};

TEST_F(FaceSelectTest, listsOnlySelectableFacesInByteOrderAndOpensOnThePlayersFace) {
    open(7, {{"b", 1}, {"a", 1}, {"scripted", 0}, {"C", 1}}, "a");
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(names(), (std::vector<std::string>{"C", "a", "b"}));
    EXPECT_EQ(dialog.m_index, 1);
    EXPECT_TRUE(dialog.m_previous.IsEnabled());
    EXPECT_TRUE(dialog.m_next.IsEnabled());
    m_rig->Tap(dialog.m_next.m_x + 2, dialog.m_next.m_y + 2);
    EXPECT_STREQ(dialog.SelectedName(), "b");
    EXPECT_FALSE(dialog.m_next.IsEnabled());
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_click 10"});
    dialog.OnCommand(SDialogFaceSelect::kNext);
    EXPECT_STREQ(dialog.SelectedName(), "b") << "a command past the end stays on the last face";
    m_rig->Sounds().Clear();
    m_rig->Tap(dialog.m_ok.m_x + 2, dialog.m_ok.m_y + 2);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{25});
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_clickh 10"});
}

TEST_F(FaceSelectTest, anUnselectableFaceShowsTheDefaultPortraitWithNoneSelected) {
    UiRig& rig = open(7, {{"b", 1}, {"a", 1}, {"scripted", 0}}, "scripted");
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(dialog.m_index, -1);
    EXPECT_EQ(dialog.SelectedName(), nullptr);
    EXPECT_EQ(dialog.m_face.m_portrait, Game().InterfacePicture(SInterfaceRole::kDefaultPicture));
    EXPECT_FALSE(dialog.m_previous.IsEnabled());
    EXPECT_TRUE(dialog.m_next.IsEnabled());
    dialog.OnCommand(SDialogFaceSelect::kPrevious);
    EXPECT_EQ(dialog.m_index, -1);
    dialog.OnCommand(SDialogFaceSelect::kNext);
    EXPECT_STREQ(dialog.SelectedName(), "a");
    dialog.OnCommand(SDialogFaceSelect::kPrevious);
    rig.Tap(dialog.m_cancel.m_x + 2, dialog.m_cancel.m_y + 2);
    EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{26});
}

TEST_F(FaceSelectTest, oneFaceDisablesBothArrows) {
    open(7, {{"only", 1}}, "only");
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(dialog.m_index, 0);
    EXPECT_FALSE(dialog.m_previous.IsEnabled());
    EXPECT_FALSE(dialog.m_next.IsEnabled());
}

TEST_F(FaceSelectTest, looksRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode, {{"b", 1}, {"a", 1}}, "scripted");
        ASSERT_FALSE(HasFailure());
        const std::string name = "face_select_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;
    }
}

}  // namespace

}  // namespace dialog_face_select_test
