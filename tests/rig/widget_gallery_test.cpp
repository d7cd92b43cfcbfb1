// Every widget of the kit together in one dialog over the play screen, driven through the rig as a
// player would drive them, in a small and a large screen mode.
#include <gtest/gtest.h>

#include "engine/draw/display.h"
#include "screens/play/state_game.h"
#include "support/ui_rig.h"
#include "tools/sampledata/wave_writer.h"
#include "ui/widgets/anim_ctrl.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/compass_ctrl.h"
#include "ui/widgets/ctrl_message_button.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/fill_bmp_ctrl.h"
#include "ui/widgets/fill_color_ctrl.h"
#include "ui/widgets/gradient_ctrl.h"
#include "ui/widgets/hpsp_ctrl.h"
#include "ui/widgets/name_text_ctrl.h"
#include "ui/widgets/pic_ctrl.h"
#include "ui/widgets/portrait_source.h"
#include "ui/widgets/progress_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"
#include "ui/widgets/topic_button_ctrl.h"

namespace widget_gallery_test {

namespace {

using R = SInterfaceRole;

constexpr uint32_t kOk = 25, kMessage = 26, kBar = 27, kTopic = 28, kSwatch = 29;

// A guard of the people (kind 4): its tenth picture is its portrait.
class GuardPortraits : public SPortraitSource {
public:
    explicit GuardPortraits(const SGameData& game) {
        for (int i = 0; i < 10; ++i) m_pictures[size_t(i)] = game.InterfacePicture(R::kRacePictures, i % 6);
    }
    const char* FacePictureName(const char*) const override { return nullptr; }
    std::optional<SBaseTypePictures> FindBaseType(const char* name) const override {
        if (std::string(name) != "Guard") return std::nullopt;
        return SBaseTypePictures{4, m_pictures};
    }

private:
    std::array<const SPictureEntry*, 10> m_pictures{};
};

// One of each widget, laid out on a 232-pixel square (twice that on the large screens), centred
// over the view. Its commands play the interface click.
class GalleryDialog : public SDialog {
public:
    void Open(SGameData& game) {
        Init(&game);
        const bool large = IsLargeScreenMode(int(game.m_screenMode));
        s = large ? 2 : 1;
        m_w = m_h = 232 * s;
        CenterInView();
        SetBackgroundBitmap(game.InterfacePicture(R::kDialogBackground));

        add(border, 0, 0, 232, 232);
        border.Setup(game.InterfaceSet<9>(R::kLargeFrameSet), 0, 0, SBorderSides::kAll);

        add(title, 10, 10, 150, 50);
        title.Setup(2, 0xA0DCFA, 0xC8C8C8, 0x161616, 0, 2, 2, 0xFFFFFF, 0xFFFFFF);
        title.SetText("All the widgets", "Buttons, texts, pictures, fills and bars, over the play screen.", 0, 0);

        add(face, 168, 10, 50, 50);
        face.m_w = face.m_h = 50;
        face.SetFace("Guard");
        face.SetMark(1, 0);
        face.m_id = 30;

        add(text, 10, 62, 100, 16);
        text.m_outline = 1;
        text.SetTextEx("Brim Vale", STextAlign::kCentred | STextAlign::kMiddle, 1, 0xFFFFFF, 0x404040);

        add(compass, 116, 62, 102, 16);
        compass.Setup(game.InterfacePicture(R::kCompass, 0), game.InterfacePicture(R::kCompass, 1),
                      game.InterfacePicture(R::kCompass, 2), game.InterfacePicture(R::kCompass, 3));
        compass.m_w = uint16_t(std::min<int>(compass.m_w, compass.m_stripW));
        compass.m_h = uint16_t(PictureHeight(compass.m_strip));

        add(name, 10, 82, 110, 16);
        name.SetDefaults();
        name.SetLabel("Gold");
        name.SetValue("1234");

        add(panel, 10, 102, 90, 48);
        panel.SetPanel(game.InterfaceSet<9>(R::kMessagePanel));

        add(picture, 110, 106, 50, 50);
        picture.m_w = picture.m_h = 50;
        picture.SetFrame(game.InterfaceSet<9>(R::kPictureFrameSet));
        picture.SetPicture(game.InterfacePicture(R::kRacePictures, 2), 0, 0, 0);

        const SPictureEntry* fire0 = game.InterfacePicture(R::kFireFrames, 0);
        add(fire, 174, 106, 40, 40);
        fire.m_w = uint16_t(PictureWidth(fire0));
        fire.m_h = uint16_t(PictureHeight(fire0));
        // Ten seconds a frame: a full repaint shows frame 1, so the checks below run before it steps.
        for (int i = 0; i < 8; ++i) m_fireFrames.push_back({game.InterfacePicture(R::kFireFrames, i), 0, 0, 1000});
        fire.SetAnimation(m_fireFrames);

        add(gradient, 10, 156, 96, 12);
        gradient.SetDefaults();
        gradient.SetValue(40);

        add(progress, 116, 158, 100, 8);
        progress.Reset();
        progress.SetMaximum(4);
        for (int i = 0; i < 3; ++i) progress.Step();

        add(hp, 116, 172, 100, 12);
        hp.m_h = uint16_t(PictureHeight(game.InterfacePicture(R::kFirstHorizontalBar, 0)));
        hp.Setup(1);
        hp.SetPercent(60);

        add(mana, 222 - 10, 100, 8, 46);
        mana.m_w = uint16_t(PictureWidth(game.InterfacePicture(R::kSecondVerticalBar, 0)));
        mana.Setup(0);
        mana.SetPercent(150);

        add(topic, 10, 174, 100, 0);
        topic.Setup("Rumours", kTopic, topic.m_x, topic.m_y, topic.m_w, 0, 0xC8C8C8, 0x161616, 0);

        add(ok, 10, 200, 0, 0);
        ok.SetupPicture(game.InterfaceSet<3>(R::kOkButton), kOk, 3006);

        add(bar, 40, 200, 60, 20);
        bar.m_h = uint16_t(PictureHeight(game.InterfacePicture(R::kTextButtonBarUp, 0)));
        bar.SetupBar(game.InterfaceSet<3>(R::kTextButtonBarDown), game.InterfaceSet<3>(R::kTextButtonBarUp), "Bar",
                     kBar, 1, 0xC8C8C8, 0x585858, 0xFFFFFF, 0x585858, 0);

        message.Attach(this);
        message.SetupDefault("Message", kMessage);
        message.SetPos(int16_t(m_x + 106 * s), int16_t(m_y + 196 * s));
        AddCtrl(&message);

        add(swatch, 190, 200, 30, 16);
        swatch.m_input = SCtrlInput::kPen;
        swatch.m_id = kSwatch;
        swatch.SetColor(0x3070C0);
        Reopen();
    }

    uint32_t OnCommand(uint32_t id) override {
        m_commands.push_back(id);
        m_game->PlaySound("bsnd_click", 10);
        return 0;
    }

    int s = 1;
    SBorderCtrl border;
    STitleTextCtrl title;
    SFaceCtrl face;
    STextCtrl text;
    SCompassCtrl compass;
    SNameTextCtrl name;
    SFillBmpCtrl panel;
    SPicCtrl picture;
    SAnimCtrl fire;
    SGradientCtrl gradient;
    SProgressCtrl progress;
    SHPSPCtrl hp;
    SHPSPCtrl mana;
    STopicButtonCtrl topic;
    SButtonCtrl ok;
    SButtonCtrl bar;
    SCtrlMessageButton message;
    SFillColorCtrl swatch;
    std::vector<uint32_t> m_commands;

private:
    void add(SCtrl& ctrl, int x, int y, int w, int h) {
        ctrl.Attach(this);
        ctrl.SetRect(int16_t(m_x + x * s), int16_t(m_y + y * s), uint16_t(w * s), uint16_t(h * s));
        AddCtrl(&ctrl);
    }

    std::vector<SAnimFrame> m_fireFrames;
};

class WidgetGallery : public UiRigTest {
protected:
    // The rig in the mode with the gallery open over a play screen facing west.
    UiRig& open(uint32_t mode) {
        UiRig& rig = Start(mode);
        if (HasFailure()) return rig;
        auto click = std::make_unique<SSoundType>();
        click->name = "bsnd_click";
        click->sampleImage = MakeWave(11025, 1, FadingTone(11025, 1200, 0.02, 8000));
        rig.Game().m_soundTable.AddSound(std::move(click));
        portraits = std::make_unique<GuardPortraits>(rig.Game());
        rig.Game().m_portraits = portraits.get();
        rig.PlayScreen().m_heading = 90;
        dialog = std::make_unique<GalleryDialog>();
        dialog->Open(rig.Game());
        rig.OpenDialog(*dialog);
        rig.Frame();
        return rig;
    }
    static int centreX(const SCtrl& c) { return c.m_x + c.m_w / 2; }
    static int centreY(const SCtrl& c) { return c.m_y + c.m_h / 2; }

    std::unique_ptr<GuardPortraits> portraits;
    std::unique_ptr<GalleryDialog> dialog;
};

TEST_F(WidgetGallery, everyWidgetStandsOverThePlayScreenAndAnswersThroughTheRealInputPath) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        const std::string name = "widget_gallery_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(name));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name;

        const std::vector<uint16_t> before = rig.Capture();
        rig.Frame();
        EXPECT_EQ(rig.Capture(), before) << name << ": an idle frame changes no pixel";

        rig.Tap(centreX(dialog->ok), centreY(dialog->ok));
        rig.Tap(centreX(dialog->bar), centreY(dialog->bar));
        rig.Tap(centreX(dialog->message), centreY(dialog->message));
        rig.Tap(dialog->topic.m_x + 20, centreY(dialog->topic));
        rig.Tap(centreX(dialog->swatch), centreY(dialog->swatch));
        rig.Tap(centreX(dialog->face), centreY(dialog->face));
        rig.Key(3006);
        EXPECT_EQ(dialog->m_commands, (std::vector<uint32_t>{kOk, kBar, kMessage, kTopic, kSwatch, kOk})) << name;
        EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>(6, "bsnd_click 10")) << name;
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name << " after the taps";

        // Held down, the bar button shows its pressed look until the pen lifts.
        rig.PenDown(centreX(dialog->bar), centreY(dialog->bar));
        EXPECT_TRUE(dialog->bar.IsPressed());
        EXPECT_TRUE(rig.MatchesFullRepaint()) << name << " while pressed";
        EXPECT_TRUE(rig.Shot(name + "_pressed"));
        rig.PenUp(centreX(dialog->bar), centreY(dialog->bar));

        // The fire burns on after its ten seconds, drawn by the tick alone.
        const std::vector<uint16_t> firstFrame = rig.Capture();
        rig.AdvanceClock(10000);
        rig.Frame();
        EXPECT_EQ(dialog->fire.m_frame, 2u);
        EXPECT_NE(rig.Capture(), firstFrame);
    }
}

}  // namespace

}  // namespace widget_gallery_test
