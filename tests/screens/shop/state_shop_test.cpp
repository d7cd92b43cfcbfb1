#include "screens/shop/state_shop.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "screens/shop/shop_fixture.h"
#include "screens/shop/shop_rules.h"

namespace state_shop_test {

namespace {

constexpr uint32_t kMercantile = 15;

struct PriceCase {
    const char* name;
    bool buying;
    uint8_t itemClass, subtype;
    uint32_t value, amount;
    uint8_t level;
    uint16_t mercantile;
    uint32_t price;
};

// Buy: level x value / 10; sell: a quarter for books and spellbooks, a half for the rest; thrown
// weapons by their count (value x count / 12). Mercantile 35 is a tenth off what the player pays
// and a tenth more on what the player is paid.
constexpr PriceCase kPrices[] = {
    {"buySword", true, 1, 1, 100, 1000, 10, 0, 100},
    {"buySwordFromADearShop", true, 1, 1, 100, 1000, 25, 0, 250},
    {"buyThrowingKnives", true, 1, 8, 120, 24, 10, 0, 240},
    {"buyArrowsByTheQuiver", true, 1, 11, 12, 30, 20, 0, 60},
    {"buyWithMercantile", true, 1, 1, 100, 1000, 10, 35, 90},
    {"sellRing", false, 4, 2, 100, 1000, 10, 0, 50},
    {"sellBook", false, 5, 1, 100, 1000, 10, 0, 25},
    {"sellSpellbook", false, 9, 2, 100, 1000, 10, 0, 25},
    {"sellLetterAtHalf", false, 5, 2, 100, 1000, 10, 0, 50},
    {"sellRingWithMercantile", false, 4, 2, 100, 1000, 10, 35, 55},
    {"sellBoltsByCount", false, 1, 13, 24, 12, 10, 0, 12},
};

class ShopScreenTest : public ShopTest {};

TEST_F(ShopScreenTest, pricesFollowModeClassLevelAndTheTradeSkill) {
    for (const PriceCase& row : kPrices) {
        SCOPED_TRACE(row.name);
        StartShop(7);
        Player().SetBaseSkill(kMercantile, row.mercantile);
        merchant.roomPrice = row.level;
        const SItemType& type = Type(row.name, row.itemClass, row.subtype, row.value);
        if (row.buying)
            Put(*stock, type, row.amount);
        else
            Give(type, row.amount);
        Open();
        if (!row.buying) ToSellMode();
        ASSERT_NE(Entry(0), nullptr);
        EXPECT_EQ(Entry(0)->price, row.price);
    }
}

// The shop fills its black ground only around the grid, and the grid its own ground only around
// the wares: over a screen cleared first, as a fill of the whole screen left it, and over any
// other, a full redraw leaves the same picture, on a page with empty cells, buying and selling.
TEST_F(ShopScreenTest, aFullRedrawPaintsTheWholeScreenAsOverAClearedOne) {
    for (uint32_t mode : {7u, 10u, 15u}) {
        SCOPED_TRACE(mode);
        StartShop(mode);
        for (const char* ware : {"ware0", "ware1", "ware2", "ware3", "ware4"}) Put(*stock, Type(ware, 8, 1, 20));
        Give(Type("ring", 4, 2, 100));
        Open();
        for (bool selling : {false, true}) {
            if (selling) ToSellMode();
            m_rig->BeginScene();
            Game().m_display->FillRect(0, 0, m_rig->Width(), m_rig->Height(), 0);
            Shop().SetDirty();
            Shop().Draw();
            m_rig->Frame();
            EXPECT_TRUE(m_rig->MatchesFullRepaint()) << (selling ? "selling" : "buying");
        }
    }
}

// Each text of the shop stands on the plain inside of its frame, never on the frame's border: with
// the texts emptied, each text's box is one colour. (A status line a line high stood on the large
// frame's border, dim and cut.)
TEST_F(ShopScreenTest, everyTextStandsOnThePlainInsideOfItsFrame) {
    for (uint32_t mode : {7u, 8u, 10u, 11u, 15u}) {
        SCOPED_TRACE(mode);
        StartShop(mode);
        SStateShop& shop = Open();
        shop.m_status.SetText("");
        shop.m_name.SetText("");
        shop.m_info.SetText("", "", 0, 0);
        shop.SetDirty();
        m_rig->Frame();
        const std::vector<uint16_t> screen = m_rig->Capture();
        for (const SCtrl* text : std::initializer_list<const SCtrl*>{&shop.m_status, &shop.m_name, &shop.m_info}) {
            std::set<uint16_t> colours;
            for (int y = text->m_y; y < text->m_y + int(text->m_h); ++y)
                for (int x = text->m_x; x < text->m_x + int(text->m_w); ++x)
                    colours.insert(screen[size_t(y * m_rig->Width() + x)]);
            EXPECT_EQ(colours.size(), 1u) << "control " << text->m_id;
        }
    }
}

TEST_F(ShopScreenTest, buyingPaysTakesTheItemFromTheStockAndCountsTheTradeSkill) {
    StartShop(7);
    const SItemType& potion = Type("potion", 8, 1, 30);
    for (int i = 0; i < 2; ++i) Put(*stock, potion);
    SStateShop& shop = Open();
    ASSERT_EQ(Entry(0)->count, 2);
    Command(SStateShop::kBuy);
    EXPECT_EQ(Player().Gold(), 970u);
    EXPECT_EQ(Player().CountOwnedItemsByName("potion"), 1);
    EXPECT_EQ(stock->Count(), 1);
    EXPECT_EQ(Entry(0)->count, 1) << "the cell stands for the rest of its stack";
    EXPECT_EQ(Player().UseCount(kMercantile), 1u);
    EXPECT_EQ(m_rig->Sounds().Lines().back(), "bsnd_pickup 10");
    EXPECT_EQ(Info().rfind("You have purchased", 0), 0u) << Info();
    m_rig->Frame();
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("shop_mode7_bought");

    SetGold(10);
    Command(SStateShop::kBuy);
    EXPECT_EQ(Player().Gold(), 10u);
    EXPECT_EQ(Info(), "You don't have enough gold.");
    EXPECT_EQ(shop.ShopMode(), SStateShop::kBuyMode);
}

// The selection moved on to the next cell when the last of a kind was bought, so a second tap on
// Buy bought something the player never chose. It stays on the kind while any is left, in either
// direction of trade, and otherwise nothing is selected.
TEST_F(ShopScreenTest, theSelectionStaysOnTheKindTradedAndNeverMovesToANeighbour) {
    StartShop(7);
    const SItemType& potion = Type("potion", 8, 1, 30);
    const SItemType& sword = Type("sword", 1, 1, 40);
    Put(*stock, potion);
    Put(*stock, potion);
    Put(*stock, sword);
    SStateShop& shop = Open();
    // The cell of the type in the grid the screen shows now; -1 for none.
    const auto cellOf = [this](const SItemType& type) {
        for (int cell = 0; Entry(cell) != nullptr; ++cell)
            if (Entry(cell)->type == &type) return cell;
        return -1;
    };
    const auto selectedType = [&shop, this] {
        const SItemEntry* entry = Entry(shop.m_grid.m_selected);
        return entry ? entry->type : nullptr;
    };
    ASSERT_NE(cellOf(potion), -1);
    shop.m_grid.Select(cellOf(potion));
    Command(SStateShop::kBuy);
    EXPECT_EQ(selectedType(), &potion) << "one potion is left";
    Command(SStateShop::kBuy);
    EXPECT_EQ(shop.m_grid.m_selected, -1) << "no potion is left, and the sword was not chosen";
    Command(SStateShop::kBuy);
    EXPECT_EQ(Player().Gold(), 940u) << "a third tap buys nothing";
    EXPECT_EQ(Player().CountOwnedItemsByName("sword"), 0);

    const SItemType& ring = Type("ring", 4, 2, 10);
    Give(ring);
    Give(ring);
    ToSellMode();
    ASSERT_NE(cellOf(ring), -1);
    shop.m_grid.Select(cellOf(ring));
    Command(SStateShop::kSell);
    EXPECT_EQ(selectedType(), &ring) << "one ring is left in the pack";
}

TEST_F(ShopScreenTest, sellingOneOfThreeLeavesTwoAndGoldStopsAtTheCap) {
    StartShop(7);
    const SItemType& ring = Type("ring", 4, 2, 10);
    for (int i = 0; i < 3; ++i) Give(ring);
    SetGold(999'999'999);
    Open();
    ToSellMode();
    ASSERT_EQ(Entry(0)->count, 3);
    ASSERT_EQ(Entry(0)->price, 5u);
    Command(SStateShop::kSell);
    EXPECT_EQ(Player().Gold(), 1'000'000'000u);
    EXPECT_EQ(Entry(0)->count, 2);
    EXPECT_EQ(Player().CountOwnedItemsByName("ring"), 2);
    EXPECT_EQ(stock->Count(), 1) << "the stock keeps what it bought";
    EXPECT_EQ(m_rig->Sounds().Lines().back(), "bsnd_drop 10");
}

TEST_F(ShopScreenTest, theTradeCounterStopsAt255) {
    StartShop(7);
    for (int i = 0; i < 300; ++i) Player().CountSkillUse(kMercantile);
    ASSERT_EQ(Player().UseCount(kMercantile), 255u);
    Give(Type("ring", 4, 2, 10));
    Open();
    ToSellMode();
    Command(SStateShop::kSell);
    EXPECT_EQ(Player().UseCount(kMercantile), 255u);
}

// The answers stand over the panel's foot (type 10), beside the panel (type 7) or in the status
// line under the buttons (type 11); in the status's place the status makes way while they are
// asked, so that none of its words shows between them.
TEST_F(ShopScreenTest, aMaximumBelowThePriceAsksAndYesPaysExactlyTheMaximum) {
    for (uint32_t mode : {7u, 10u, 11u}) {
        SCOPED_TRACE(mode);
        StartShop(mode);
        merchant.wideValue = 30;
        Give(Type("ring", 4, 2, 100));
        SStateShop& shop = Open();
        ToSellMode();
        Command(SStateShop::kSell);
        EXPECT_TRUE(shop.DealOpen());
        EXPECT_EQ(Info(), "I can't pay you more than 30. Do we have a deal?");
        EXPECT_TRUE(shop.m_yes.IsShown() && shop.m_no.IsShown());
        EXPECT_EQ(shop.m_status.IsShown(), mode == 10);
        EXPECT_EQ(Player().Gold(), 1000u);
        m_rig->Frame();
        EXPECT_TRUE(m_rig->MatchesFullRepaint());
        m_rig->Shot("shop_mode" + std::to_string(mode) + "_deal");
        Command(SStateShop::kYes);
        EXPECT_FALSE(shop.DealOpen());
        EXPECT_FALSE(shop.m_yes.IsShown());
        EXPECT_TRUE(shop.m_status.IsShown());
        EXPECT_EQ(Player().Gold(), 1030u);
        EXPECT_EQ(Player().CountOwnedItemsByName("ring"), 0);
    }
}

TEST_F(ShopScreenTest, noOnTheDealAndAnyOtherCommandSellNothing) {
    StartShop(7);
    merchant.wideValue = 30;
    Give(Type("ring", 4, 2, 100));
    SStateShop& shop = Open();
    ToSellMode();
    for (uint32_t answer : {uint32_t(SStateShop::kNo), uint32_t(SStateShop::kGrid)}) {
        Command(SStateShop::kSell);
        ASSERT_TRUE(shop.DealOpen());
        Command(answer);
        EXPECT_FALSE(shop.DealOpen());
        EXPECT_FALSE(shop.m_no.IsShown());
        EXPECT_EQ(Player().Gold(), 1000u);
        EXPECT_EQ(Player().CountOwnedItemsByName("ring"), 1);
    }
}

TEST_F(ShopScreenTest, refusalsComeInTheirOrder) {
    struct Case {
        SSaleOffer offer;
        SSaleVerdict verdict;
    };
    const Case cases[] = {
        {{true, false, 0, 10, false}, SSaleVerdict::kNeverSold},
        {{false, false, 0, 10, false}, SSaleVerdict::kNotTraded},
        {{false, true, 0, 10, false}, SSaleVerdict::kBuysNothing},
        {{false, true, 5, 10, false}, SSaleVerdict::kAskDeal},
        {{false, true, 5, 10, true}, SSaleVerdict::kSell},
        {{false, true, 10, 10, false}, SSaleVerdict::kSell},
    };
    for (const Case& row : cases) EXPECT_EQ(JudgeSale(row.offer), row.verdict);
    EXPECT_EQ(SaleAmount({false, true, 5, 10, true}), 5u);

    StartShop(7);
    merchant.classMask = uint16_t(Game().m_items.CategoryBit(8));
    Give(Type("ring", 4, 2, 100));
    Open();
    ToSellMode();
    EXPECT_EQ(Shop().m_grid.EntryCount(), 0) << "the pack shows only what the merchant trades in";
    merchant.classMask = uint16_t(Game().m_items.CategoryBit(4));
    merchant.wideValue = 0;
    Command(SStateShop::kBuy);
    Command(SStateShop::kSell);
    ASSERT_EQ(Shop().m_grid.EntryCount(), 1);
    Command(SStateShop::kSell);
    EXPECT_EQ(Info(), "Tobin the trader doesn't purchase anything.");
    EXPECT_EQ(Player().CountOwnedItemsByName("ring"), 1);
}

TEST_F(ShopScreenTest, aShopWithoutTraderShowsAnEmptyStock) {
    StartShop(7);
    Put(*stock, Type("potion", 8, 1, 30));
    SStateShop& shop = Open(false);
    EXPECT_EQ(shop.Stock(), nullptr);
    EXPECT_EQ(shop.m_grid.EntryCount(), 0);
    Command(SStateShop::kBuy);
    EXPECT_EQ(Player().Gold(), 1000u);
    EXPECT_EQ(Command(SStateShop::kBack), uint32_t(kGoBack));
    EXPECT_EQ(Game().m_currentScreen, SStateGame::Of(Game()));
}

TEST_F(ShopScreenTest, aHugeLevelGlobalNeverWrapsAPriceAndTheGoldNeverGoesBelowNothing) {
    StartShop(7);
    SetLevelGlobal("base_tobinlevel", INT32_MAX);
    Put(*stock, Type("crown", 4, 1, 4'000'000));
    SStateShop& shop = Open();
    EXPECT_EQ(shop.Level(), uint32_t(INT32_MAX));
    ASSERT_NE(Entry(0), nullptr);
    EXPECT_EQ(Entry(0)->price, UINT32_MAX) << "held at the largest price, not wrapped to a small one";
    Command(SStateShop::kBuy);
    EXPECT_EQ(Player().Gold(), 1000u);
    EXPECT_EQ(stock->Count(), 1);
}

TEST_F(ShopScreenTest, aMaskOfBitsNoClassHasAndAnItemOfNoKnownClassTradeNothing) {
    StartShop(7);
    merchant.classMask = 0x8000;
    Give(Type("ring", 4, 2, 100));
    Open();
    ToSellMode();
    EXPECT_EQ(Shop().m_grid.EntryCount(), 0);
    Command(SStateShop::kSell);
    EXPECT_EQ(Player().Gold(), 1000u);

    StartShop(7);
    Give(Type("oddity", 40, 1, 100));
    Open();
    ToSellMode();
    EXPECT_EQ(Shop().m_grid.EntryCount(), 0) << "a class past the table has no bit in any mask";
    EXPECT_EQ(Player().CountOwnedItemsByName("oddity"), 1);
}

TEST_F(ShopScreenTest, statusLinesFollowTheScreenType) {
    struct Case {
        uint32_t type;
        const char* text;
    };
    const Case cases[] = {
        {10, "Gold: 12K\t     Pack: 1.5/20.0"}, {16, "Gold: 12K\t     Pack: 1.5/20.0"},
        {5, "Gold:\r12K\rPack:\r1.5/20.0"},     {7, "Gold:12K\rPack:\r1.5/20.0"},
        {6, "Gold:12K, Pack:1.5/20.0"},
    };
    for (const Case& row : cases) {
        SString text;
        FormatShopStatus(row.type, 12'345, 150, 2000, text);
        EXPECT_STREQ(text.Text(), row.text) << row.type;
    }
}

TEST_F(ShopScreenTest, theModeSwitchTitleGoesBackToTheItemAfterHalfASecond) {
    StartShop(10);
    Put(*stock, Type("potion", 8, 1, 30));
    Give(Type("ring", 4, 2, 10));
    Open();
    Command(SStateShop::kSell);
    EXPECT_EQ(Info(), "Player items");
    m_rig->AdvanceClock(SStateShop::kModeSwitchMs + 1);
    m_rig->Frame();
    EXPECT_STREQ(Shop().m_info.m_title.Text(), "ring");
    EXPECT_TRUE(m_rig->MatchesFullRepaint());
    m_rig->Shot("shop_mode10_sell");
}

}  // namespace

}  // namespace state_shop_test
