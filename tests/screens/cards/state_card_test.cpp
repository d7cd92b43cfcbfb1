#include "screens/cards/state_card.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <memory>
#include <string>
#include <vector>

#include "data/persons/face_table.h"
#include "data/persons/npc_type.h"
#include "engine/draw/screen_type.h"
#include "engine/files/pdb.h"
#include "engine/files/pdb_writer.h"
#include "screens/cards/card_table_driver.h"
#include "screens/play/state_game.h"
#include "tools/sampledata/interface_art_parts.h"

namespace state_card_test {

namespace {

constexpr uint32_t kCoin = 9;

constexpr uint32_t kEveryMode[] = {6u, 7u, 8u, 9u, 10u, 11u, 14u, 15u, 16u};

class CardScreenTest : public UiRigTest {
protected:
    // The rig in the screen mode with a person who plays for up to `maximum`, a player holding
    // `gold`, and the generator seeded so that the decks and hands are the same every run.
    CardTableDriver& Start(uint32_t mode, uint16_t maximum, uint32_t gold, uint32_t seed = 7) {
        UiRigTest::Start(mode);
        person.texts[0].Assign("Wenna");
        person.signedValue = int16_t(maximum);
        m_driver = std::make_unique<CardTableDriver>(*m_rig);
        SPlayer& player = Game().m_player;
        player.RemoveGold(player.Gold(), false);
        player.ReceiveGold(gold, false, false);
        Game().m_random->Seed(seed);
        return *m_driver;
    }
    // Opens the table and lets the first deal land.
    SStateCard& Open(uintptr_t stake) {
        m_driver->Open(stake, &person);
        EXPECT_TRUE(m_driver->RunFlights());
        m_rig->Sounds().Clear();
        return m_driver->Table();
    }
    SGameData& Game() { return m_rig->Game(); }
    uint32_t Gold() { return Game().m_player.Gold(); }
    uint32_t Minutes() { return SStateGame::Of(Game())->GameMinutes(); }
    SCardGame& Rules() { return m_driver->Rules(); }
    const SCard& Card(uint32_t deck, uint32_t index) { return Game().m_cards.Get(deck, index); }
    // The player's hand made of these cards, slot by slot.
    void GiveHand(std::initializer_list<const SCard*> cards) {
        int32_t slot = 0;
        for (const SCard* card : cards) Rules().Side(kCardPlayer).hand[slot++] = card;
    }
    void TapMessageButton(SDialogMessage& box, uint32_t bit) {
        const SCtrlMessageButton& button = box.m_buttons[std::countr_zero(bit)];
        if (!button.IsShown()) ADD_FAILURE() << "no button " << bit << " shows";
        m_driver->TapCtrl(button);
    }
    static std::string Gold(const char* before, uint32_t amount) {
        return before + std::to_string(amount) + char(kCoin) + ".";
    }

    SNpcType person;
    std::unique_ptr<CardTableDriver> m_driver;
};

TEST_F(CardScreenTest, thePlayerMovesFirstAndTheOpponentAnswersOnlyAfterTheLandingAndTheFullPause) {
    CardTableDriver& driver = Start(7, 250, 1000);
    driver.Open(50, &person);
    SStateCard& table = driver.Table();
    EXPECT_TRUE(table.IsFlying()) << "the hands are dealt with flying cards";
    ASSERT_TRUE(driver.RunFlights());
    EXPECT_EQ(Rules().Turn(), kCardPlayer);
    const std::vector<std::string> sounds = m_rig->Sounds().Lines();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "bsnd_card 10"), 10);
    EXPECT_TRUE(table.CanPlay());
    EXPECT_EQ(Gold(), 950u) << "the stake is taken on entering";

    const SCard* played = Rules().Side(kCardPlayer).hand[2];
    driver.TapHand(2);
    EXPECT_EQ(table.Selected(), 2);
    EXPECT_EQ(table.Side(kCardPlayer).hand[2].m_y,
              table.Side(kCardPlayer).hand[2].m_homeY - int32_t(table.Side(kCardPlayer).hand[2].m_lift));
    EXPECT_FALSE(table.IsFlying()) << "the first tap only selects";
    driver.TapHand(2);
    EXPECT_TRUE(table.IsFlying());
    ASSERT_TRUE(driver.RunFlights());
    EXPECT_EQ(table.m_tableCard.m_card, played);
    EXPECT_EQ(Rules().Side(kCardPlayer).hand[2], nullptr);
    EXPECT_TRUE(table.IsPausing());

    // Frames of 40 ms: at 1000 ms the pause still runs, the frame after it the opponent plays.
    int frames = 0;
    while (!table.IsFlying() && !table.IsOver() && frames < 100) {
        m_rig->Frame();
        ++frames;
    }
    EXPECT_EQ(frames, int(SStateCard::kPauseMs / m_rig->FrameInterval()) + 1);
    EXPECT_EQ(Rules().Turn(), kCardOpponent);
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("card_table_mode7_opponent_plays");
}

TEST_F(CardScreenTest, tapsWhileCardsFlyInThePauseOnAnEmptySlotOrWithAHandNotFullAreIgnored) {
    CardTableDriver& driver = Start(7, 250, 1000);
    driver.Open(50, &person);
    SStateCard& table = driver.Table();
    ASSERT_TRUE(table.IsFlying());
    m_rig->Sounds().Clear();
    driver.TapHand(0);
    driver.TapHand(0);
    EXPECT_EQ(table.Selected(), -1) << "while the deal flies";
    ASSERT_TRUE(driver.RunFlights());

    Rules().Side(kCardPlayer).hand[3] = nullptr;
    m_rig->Sounds().Clear();
    for (int32_t slot : {3, 0, 0}) driver.TapHand(slot);
    EXPECT_EQ(table.Selected(), -1) << "an empty slot, and a hand that is not full without a combo";
    EXPECT_FALSE(table.IsFlying());
    EXPECT_TRUE(m_rig->Sounds().Lines().empty());

    Rules().Side(kCardPlayer).hand[3] = &Card(Rules().Side(kCardPlayer).deck, 0);
    ASSERT_TRUE(driver.Play(1));
    ASSERT_TRUE(table.IsPausing());
    driver.TapHand(0);
    driver.TapHand(0);
    EXPECT_FALSE(table.IsFlying()) << "in the pause after a landing";
    EXPECT_EQ(table.Selected(), -1);
}

// A combo gives the player another play with the hand one short; the pause after the combo card
// still holds every card back, and an empty slot stays empty.
TEST_F(CardScreenTest, aComboPlaysAgainAfterItsPauseAndNeverDuringIt) {
    CardTableDriver& driver = Start(7, 250, 1000);
    Open(50);
    SStateCard& table = driver.Table();
    const SCard& warCry = Card(0, 8);
    const SCard& slash = Card(0, 0);
    GiveHand({&warCry, &slash, &slash, &slash, &slash});
    const int32_t opponentHp = Rules().Side(kCardOpponent).hp;
    ASSERT_TRUE(driver.Play(0));
    EXPECT_TRUE(Rules().ComboPending());
    driver.TapHand(1);
    driver.TapHand(1);
    EXPECT_FALSE(table.IsFlying()) << "no card lands in the pause, also with a combo pending";
    driver.EndPause();
    EXPECT_EQ(Rules().Turn(), kCardPlayer);
    EXPECT_FALSE(table.IsFlying()) << "the opponent waits";
    EXPECT_TRUE(table.CanPlay());
    driver.TapHand(0);
    EXPECT_EQ(table.Selected(), -1) << "the combo card's slot is empty";
    ASSERT_TRUE(driver.Play(1));
    EXPECT_EQ(Rules().Side(kCardOpponent).hp, opponentHp - 4) << "the slash after the war cry deals double";
    driver.EndPause();
    EXPECT_EQ(Rules().Turn(), kCardOpponent);
}

// A hand of combo cards only: each gives another play, and when none is left the turn passes
// instead of waiting for a card the player does not have.
TEST_F(CardScreenTest, aPlayerWithNothingLeftToPlayPassesTheTurn) {
    CardTableDriver& driver = Start(7, 250, 1000);
    Open(50);
    SStateCard& table = driver.Table();
    const SCard& warCry = Card(0, 8);
    GiveHand({&warCry, &warCry, &warCry, &warCry, &warCry});
    for (int32_t slot = 0; slot < kHandSlots; ++slot) {
        ASSERT_TRUE(table.CanPlay()) << "slot " << slot;
        ASSERT_TRUE(driver.Play(slot));
        driver.EndPause();
    }
    EXPECT_EQ(Rules().Turn(), kCardOpponent) << "the empty hand passes";
    EXPECT_TRUE(table.IsFlying()) << "the opponent plays";
    ASSERT_TRUE(driver.RunFlights());
    driver.EndPause();
    ASSERT_TRUE(driver.RunFlights());
    EXPECT_EQ(Rules().Turn(), kCardPlayer);
    EXPECT_NE(driver.FirstCard(), -1) << "and the player's hand is dealt anew";
    EXPECT_TRUE(table.CanPlay());
}

TEST_F(CardScreenTest, winningAStakeOf50LeavesThePlayer50AboveAndOkGoesBack) {
    CardTableDriver& driver = Start(7, 250, 1000);
    SStateCard& table = Open(50);
    const uint32_t minutes = Minutes();
    Rules().Side(kCardOpponent).hp = 1;
    GiveHand({&Card(0, 6)});  // Backstab: no defence stops it
    ASSERT_TRUE(driver.Play(0));
    EXPECT_TRUE(table.IsOver());
    EXPECT_EQ(Gold(), 1050u);
    EXPECT_EQ(driver.MessageText(), Gold("You win! The bet is yours, ", 100));
    EXPECT_EQ(Minutes(), minutes + 60);
    m_rig->Shot("card_table_mode7_won");

    // Nothing settles twice: a give-up after the end changes nothing.
    Rules().GiveUp();
    driver.EndPause();
    EXPECT_EQ(Gold(), 1050u);
    EXPECT_EQ(Minutes(), minutes + 60);

    TapMessageButton(table.m_message, SDialogMessage::kOk);
    EXPECT_EQ(Game().m_currentScreen, Game().Screen(kPlayScreen)) << "Ok returns to the caller";
}

TEST_F(CardScreenTest, giveUpAsksAndNoChangesNothingWhileYesLosesTheStake) {
    CardTableDriver& driver = Start(7, 250, 1000);
    SStateCard& table = Open(100);
    const uint32_t minutes = Minutes();
    m_rig->Key(SStateCard::kGiveUpKey);
    ASSERT_EQ(table.m_child, &table.m_question);
    EXPECT_EQ(m_rig->Sounds().Lines(), std::vector<std::string>{"bsnd_click 10"});
    TapMessageButton(table.m_question, SDialogMessage::kNo);
    EXPECT_EQ(table.m_child, nullptr);
    EXPECT_FALSE(table.IsOver());
    EXPECT_EQ(Gold(), 900u);
    EXPECT_TRUE(table.CanPlay());
    EXPECT_TRUE(m_rig->MatchesFullRepaint());

    driver.TapCtrl(table.m_giveUp);
    ASSERT_EQ(table.m_child, &table.m_question);
    TapMessageButton(table.m_question, SDialogMessage::kYes);
    EXPECT_TRUE(table.IsOver());
    EXPECT_EQ(driver.MessageText(), Gold("You lost your bet, ", 100));
    EXPECT_EQ(Gold(), 900u) << "the stake taken on entering stays lost";
    EXPECT_EQ(Minutes(), minutes + 60);
    TapMessageButton(table.m_message, SDialogMessage::kOk);
    EXPECT_EQ(Game().m_currentScreen, Game().Screen(kPlayScreen));
}

// The stake is what the person plays for and the player can pay, whatever the caller asked.
TEST_F(CardScreenTest, theStakeNeverPassesThePersonsMaximumOrThePlayersGold) {
    struct Case {
        const char* what;
        uint16_t maximum;
        uint32_t gold;
        uintptr_t asked;
        uint32_t stake;
    };
    const Case cases[] = {
        {"a person who plays for nothing", 0, 1000, 50, 0},
        {"less gold than the step", 250, 5, 50, 5},
        {"no gold at all", 250, 0, 50, 0},
        {"more than the person's maximum", 30, 1000, 50, 30},
        {"a stake far beyond any purse", 65535, 1000000000, UINTPTR_MAX, 65535},
    };
    for (const Case& c : cases) {
        CardTableDriver& driver = Start(7, c.maximum, c.gold);
        SStateCard& table = Open(c.asked);
        EXPECT_EQ(table.Stake(), c.stake) << c.what;
        EXPECT_EQ(Gold(), c.gold - c.stake) << c.what;
        m_rig->Key(SStateCard::kGiveUpKey);
        TapMessageButton(table.m_question, SDialogMessage::kYes);
        EXPECT_EQ(driver.MessageText(), Gold("You lost your bet, ", c.stake)) << c.what;
        EXPECT_EQ(Gold(), c.gold - c.stake) << c.what;
    }
}

// A table whose pictures are not all in the interface package is never laid: the message says
// which picture is missing, Ok goes back, and no gold moves.
TEST_F(CardScreenTest, aMissingPictureEndsTheDuelBeforeItStartsWithTheGoldUntouched) {
    for (uint16_t missing : {uint16_t(3952 + 10), uint16_t(3051), uint16_t(3655)}) {
        CardTableDriver& driver = Start(7, 250, 1000);
        // The interface package again, without that record.
        SPdb& full = *Game().m_dataPackage;
        SPdbWriter writer;
        writer.Attach(*Game().m_fileFolder);
        writer.SetTypeAndCreator("DATA", "BrVa");
        for (uint32_t id = 3000; id <= 4100; ++id)
            if (id != missing)
                if (std::unique_ptr<SPdbRecord> record = full.LoadRecord(uint16_t(id)))
                    writer.AddRecord(uint16_t(id), record->Data(), record->Size());
        ASSERT_TRUE(writer.Write("BrimvaleBroken"));
        auto broken = std::make_unique<SPdb>();
        broken->Attach(*Game().m_fileFolder);
        ASSERT_TRUE(broken->Open("BrimvaleBroken"));
        std::unique_ptr<SPdb> kept = std::move(Game().m_dataPackage);
        Game().m_dataPackage = std::move(broken);

        driver.Open(50, &person);
        SStateCard& table = driver.Table();
        EXPECT_TRUE(table.IsOver()) << missing;
        EXPECT_EQ(table.Rules(), nullptr) << missing;
        EXPECT_EQ(driver.MessageText(),
                  "The card table cannot be laid: picture " + std::to_string(missing) + " is missing.");
        EXPECT_EQ(Gold(), 1000u) << missing;
        for (int i = 0; i < 75; ++i) EXPECT_EQ(Card(uint32_t(i / 25), uint32_t(i % 25)).picture, nullptr);
        TapMessageButton(table.m_message, SDialogMessage::kOk);
        EXPECT_EQ(Game().m_currentScreen, Game().Screen(kPlayScreen)) << missing;
        EXPECT_EQ(Gold(), 1000u) << missing;
        Game().m_dataPackage = std::move(kept);
    }
}

TEST_F(CardScreenTest, leavingReleasesEveryCardPicture) {
    CardTableDriver& driver = Start(10, 250, 1000);
    SStateCard& table = Open(10);
    EXPECT_NE(Card(2, 24).picture, nullptr);
    EXPECT_EQ(Card(2, 24).picture->recordId, 3654);
    m_rig->Key(SStateCard::kGiveUpKey);
    TapMessageButton(table.m_question, SDialogMessage::kYes);
    TapMessageButton(table.m_message, SDialogMessage::kOk);
    for (int i = 0; i < 75; ++i) EXPECT_EQ(Card(uint32_t(i / 25), uint32_t(i % 25)).picture, nullptr);
    (void)driver;
}

}  // namespace

namespace {

// Every screen mode lays the whole table out, and the flights, which redraw only what they
// uncover and cover, leave the screen as a full repaint would after every frame.
TEST_F(CardScreenTest, onEveryScreenModeTheFlyingCardsLeaveWhatAFullRepaintDraws) {
    for (uint32_t mode : kEveryMode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        CardTableDriver& driver = Start(mode, 250, 1000);
        driver.Open(50, &person);
        SStateCard& table = driver.Table();
        for (uint32_t element : {SStateCard::kBackground, SStateCard::kTableCard, SStateCard::kCardText,
                                 SStateCard::kGiveUp, SStateCard::kPlayerPile, SStateCard::kOpponentPile})
            EXPECT_TRUE(Game().GetLayoutCtrl(SStateCard::kLayout, element)) << "element " << element;
        for (int frame = 0; table.IsFlying() && frame < CardTableDriver::kMostTicks; ++frame) {
            m_rig->Frame();
            ASSERT_TRUE(m_rig->MatchesFullRepaint()) << "dealing, frame " << frame;
        }
        driver.TapHand(1);
        driver.TapHand(1);
        for (int frame = 0; table.IsFlying() && frame < CardTableDriver::kMostTicks; ++frame) {
            m_rig->Frame();
            ASSERT_TRUE(m_rig->MatchesFullRepaint()) << "playing, frame " << frame;
        }
        driver.EndPause();
        m_rig->Frames(3);
        EXPECT_TRUE(m_rig->MatchesFullRepaint()) << "the opponent's card on its way";
        m_rig->Shot("card_table_mode" + std::to_string(mode));
    }
}

}  // namespace

namespace {

// The picture of that name in the resource cache, drawn as the sample portraits are.
void addPortrait(SGameData& game, const char* name, int race) {
    auto face = std::make_unique<SFaceType>();
    face->name.Set(name);
    game.m_faces.Add(std::move(face));
    auto picture = std::make_unique<SPictureEntry>();
    picture->record = std::make_unique<SPdbRecord>();
    picture->record->bytes = interface_art::Portrait(race).Record();
    SReadError error;
    ASSERT_TRUE(picture->Bind(picture->record->bytes, 0, error)) << error.Message();
    picture->name.SetOwned();
    picture->name.Set(name);
    game.m_cache.AddPicture(std::move(picture));
    game.m_portraits = &game.m_worldPortraits;
}

// For a person to look at: a duel some turns in, with both faces, hit marks, markers on the table
// and a card on its way, on a small and a large screen.
TEST_F(CardScreenTest, aDuelInProgressShowsBothFacesTheMarkersAndTheHits) {
    for (uint32_t mode : {7u, 10u}) {
        CardTableDriver& driver = Start(mode, 250, 1000, 11);
        addPortrait(Game(), "bres_cardplayer", 3);
        addPortrait(Game(), "bres_hero", 1);
        ASSERT_FALSE(HasFailure());
        person.texts[1].Assign("bres_cardplayer");
        Game().m_player.SetFace("bres_hero");
        SStateCard& table = Open(50);
        EXPECT_NE(table.Side(kCardOpponent).portrait.m_portrait, nullptr);
        EXPECT_NE(table.Side(kCardPlayer).portrait.m_portrait, nullptr);
        // A few rounds, the player always playing its first card.
        for (int round = 0; round < 4 && !table.IsOver(); ++round) {
            ASSERT_TRUE(driver.Play(driver.FirstCard()));
            driver.EndPause();
            ASSERT_TRUE(driver.RunFlights());
            driver.EndPause();
            ASSERT_TRUE(driver.RunFlights());
        }
        ASSERT_FALSE(table.IsOver());
        const int32_t slot = driver.FirstCard();
        driver.TapHand(slot);
        m_rig->Shot("card_table_in_progress_mode" + std::to_string(mode) + "_selected");
        driver.TapHand(slot);
        m_rig->Frames(3);
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
        m_rig->Shot("card_table_in_progress_mode" + std::to_string(mode) + "_flying");
        ASSERT_TRUE(driver.RunFlights());
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
        m_rig->Shot("card_table_in_progress_mode" + std::to_string(mode) + "_landed");
    }
}

TEST_F(CardScreenTest, onEveryScreenModeTheRaisedCardLeavesThePlayersHpInSight) {
    for (uint32_t mode : kEveryMode) {
        CardTableDriver& driver = Start(mode, 250, 1000);
        const SStateCard& table = Open(50);
        driver.TapHand(1);
        const SCtrl& card = table.Side(kCardPlayer).hand[1];
        const SCtrl& hp = table.Side(kCardPlayer).hp;
        ASSERT_LT(card.m_y, table.Side(kCardPlayer).hand[0].m_y) << "the card is raised";
        const bool apart = card.m_y >= hp.m_y + int(hp.m_h) || card.m_x >= hp.m_x + int(hp.m_w) ||
                           hp.m_x >= card.m_x + int(card.m_w) || hp.m_y >= card.m_y + int(card.m_h);
        EXPECT_TRUE(apart) << "mode " << mode << ": card at " << card.m_x << "," << card.m_y << ", hp at " << hp.m_x
                           << "," << hp.m_y << " " << hp.m_w << "x" << hp.m_h;
    }
}

// A card in the hand shows its face with the card's whole picture on it, the emblem of what it
// does and the band that says how much, on every screen mode.
TEST_F(CardScreenTest, onEveryScreenModeEachHandCardShowsItsWholePictureOnItsFace) {
    for (uint32_t mode : kEveryMode) {
        Start(mode, 250, 1000);
        const SStateCard& table = Open(50);
        for (int32_t slot = 0; slot < kHandSlots; ++slot) {
            const SCardCtrl& ctrl = table.Side(kCardPlayer).hand[size_t(slot)];
            const SCard* card = Rules().Side(kCardPlayer).hand[slot];
            ASSERT_TRUE(card && card->picture && ctrl.m_picture) << "mode " << mode << " slot " << slot;
            const SPicture& picture = card->picture->picture;
            // The picture is printed 8, 5 pixels into the face on the small screens, 10, 6 on the others.
            const bool small = IsSmallScreenType(Game().m_screenMode);
            const int left = ctrl.m_x + (small ? 8 : 10), top = ctrl.m_y + (small ? 5 : 6);
            EXPECT_LE(left + picture.Width(), ctrl.m_x + ctrl.m_picture->picture.Width()) << "mode " << mode;
            EXPECT_LE(top + picture.Height(), ctrl.m_y + ctrl.m_picture->picture.Height()) << "mode " << mode;
            int wrong = 0;
            for (int y = 0; y < picture.Height(); ++y)
                for (int x = 0; x < picture.Width(); ++x)
                    if (m_rig->Pixel(left + x, top + y) !=
                        picture.Colour(picture.Texels()[y * picture.RowLength() + x]))
                        ++wrong;
            EXPECT_EQ(wrong, 0) << "mode " << mode << " slot " << slot << ": " << card->name;
        }
    }
}

}  // namespace

}  // namespace state_card_test
