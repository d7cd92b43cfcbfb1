#include "ui/widgets/items_ctrl.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "data/items/item_classes.h"
#include "item_widget_fixture.h"
#include "ui/colour_word.h"

namespace items_ctrl_test {

namespace {

constexpr uint16_t kSword = 0xF800, kPotion = 0x001F, kBelt = 0x07E0;
constexpr uint16_t kEquippedMark = 0xFFE0, kEquippableMark = 0x07FF, kUnusableMark = 0xF81F;
constexpr uint32_t kGridId = 40;

// A 3 x 2 grid of 40-pixel cells at (4, 4) with 2-pixel separators and a frame on every side.
class ItemGridTest : public ItemWidgetTest {
public:
    // What the rows of a table build the pack with.
    using ItemWidgetTest::addType;
    using ItemWidgetTest::game;
    using ItemWidgetTest::give;

protected:
    void SetUp() override {
        ItemWidgetTest::SetUp();
        const SRoleSlots marks = InterfaceRoleSlots(SInterfaceRole::kEquipMarks);
        game.m_interfacePictures[marks.first] = SolidPicture(6, 6, kEquippedMark);
        game.m_interfacePictures[marks.first + 1] = SolidPicture(6, 6, kEquippableMark);
        game.m_interfacePictures[marks.first + 2] = SolidPicture(6, 6, kUnusableMark);
        for (auto& piece : framePieces) piece = SolidPicture(2, 2, 0x4208);
        for (size_t i = 0; i < frame.size(); ++i) frame[i] = framePieces[i].get();
        grid.m_id = kGridId;
        place(grid, 4, 4, 3 * 40 + 4 * 2, 2 * 40 + 3 * 2);
    }
    void setup(uint32_t shopMode = 0) { grid.Setup(frame, frame, 40, 40, 3, 2, 0x0F, 10, shopMode); }
    void fillFromPack(uint32_t category = 0, std::optional<uint16_t> merchant = std::nullopt) {
        grid.Fill(game.m_player.Pack(), category, merchant, wands);
    }
    // Each entry as "kind.subkind x count flags".
    std::vector<std::string> entries() const {
        std::vector<std::string> out;
        for (int i = 0; i < grid.EntryCount(); ++i) {
            const SItemEntry& e = *grid.Entry(i);
            out.push_back(std::to_string(e.kind) + "." + std::to_string(e.subkind) + " x" + std::to_string(e.count) +
                          " f" + std::to_string(e.flags));
        }
        return out;
    }
    int cellLeft(int column) const { return 4 + 2 + column * 42; }
    int cellTop(int row) const { return 4 + 2 + row * 42; }

    std::array<std::unique_ptr<SPictureEntry>, 9> framePieces;
    SFrameSet frame{};
    SItemsCtrl grid;
};

constexpr uint8_t kWorn = SItemEntryFlags::kNeverStacks | SItemEntryFlags::kEquipped | SItemEntryFlags::kEquippable;

// An own effect list of one effect of that magnitude.
std::unique_ptr<SEffectList> ownEffects(int16_t magnitude) {
    std::vector<std::unique_ptr<SEffect>> effects;
    effects.push_back(ItemEffect(1, magnitude));
    return EffectListOf(std::move(effects));
}

struct StackRow {
    const char* name;
    void (*pack)(ItemGridTest&);
    std::vector<std::string> expected;
};

class ItemStacking : public ItemGridTest, public ::testing::WithParamInterface<StackRow> {};

TEST_P(ItemStacking, fillStacksIdenticalItemsButNeverAWornPieceOrItemsWithDifferentOwnEffects) {
    setup();
    GetParam().pack(*this);
    fillFromPack();
    EXPECT_EQ(entries(), GetParam().expected);
    EXPECT_EQ(grid.m_selected, -1);
    EXPECT_EQ(grid.m_first, 0);
    EXPECT_EQ(grid.m_selectedEntry, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ItemStacking,
    ::testing::Values(StackRow{"twoIdenticalSwords",
                               [](ItemGridTest& t) { t.give(t.addType("sword", kItemWeapon, 2, 100), 2); },
                               {"1.2 x2 f8"}},
                      StackRow{"aWornSwordAbsorbsNoOther",
                               [](ItemGridTest& t) {
                                   SItemType& sword = t.addType("sword", kItemWeapon, 2, 100);
                                   t.game.m_player.EquipItem(t.give(sword), false);
                                   t.give(sword);
                               },
                               {"1.2 x1 f" + std::to_string(kWorn), "1.2 x1 f8"}},
                      StackRow{"aWornSwordIsNotAbsorbedIntoAStackBeforeIt",
                               [](ItemGridTest& t) {
                                   SItemType& sword = t.addType("sword", kItemWeapon, 2, 100);
                                   t.give(sword, 2);
                                   t.game.m_player.EquipItem(t.give(sword), false);
                               },
                               {"1.2 x2 f8", "1.2 x1 f" + std::to_string(kWorn)}},
                      StackRow{"potionsWithDifferentOwnEffects",
                               [](ItemGridTest& t) {
                                   SItemType& potion = t.addType("potion", kItemPotion, 1, 20);
                                   t.give(potion)->m_effects = ownEffects(1);
                                   t.give(potion)->m_effects = ownEffects(2);
                                   t.give(potion)->m_effects = ownEffects(2);
                                   t.give(potion);
                               },
                               {"8.1 x1 f0", "8.1 x2 f0", "8.1 x1 f0"}},
                      StackRow{"anEmptyPack", [](ItemGridTest&) {}, {}}),
    [](const ::testing::TestParamInfo<StackRow>& info) { return std::string(info.param.name); });

TEST_F(ItemGridTest, eachCategoryAndAMerchantsMaskTakeTheirKindsOnly) {
    setup();
    // One item of every kind, and a spell book (kind 9, subkind 2) besides the kind 9 scroll.
    SItemList list;
    for (uint8_t kind = 1; kind <= 16; ++kind)
        list.Add(std::make_unique<SItem>(addType("kind" + std::to_string(kind), kind, 1, 10)));
    list.Add(std::make_unique<SItem>(addType("spellbook", kItemMagic, kMagicSpellbook, 10)));
    const std::vector<std::pair<uint32_t, std::string>> rows = {
        {1, "1"},
        {2, "2 3"},
        {3, "4"},
        {4, "5 9.2"},
        {5, "6 7"},
        {6, "8"},
        {7, "9 9.2"},
        {8, "10 11 12 13 14 15 16"},
        {0, "1 2 3 4 5 6 8 7 9 9.2 10 11 12 13 14 15 16"},
        {9, "1 2 3 4 5 6 8 7 9 9.2 10 11 12 13 14 15 16"},
    };
    auto listed = [this] {
        std::string out;
        for (int i = 0; i < grid.EntryCount(); ++i) {
            const SItemEntry& e = *grid.Entry(i);
            out += (out.empty() ? "" : " ") + std::to_string(e.kind) + (e.subkind == 2 ? ".2" : "");
        }
        return out;
    };
    for (const auto& [category, expected] : rows) {
        grid.Fill(list, category, std::nullopt, wands);
        EXPECT_EQ(listed(), expected) << "category " << category;
    }
    const uint16_t weaponsAndPotions = game.m_items.CategoryBit(kItemWeapon) | game.m_items.CategoryBit(kItemPotion);
    grid.Fill(list, 0, weaponsAndPotions, wands);
    EXPECT_EQ(listed(), "1 8");
    grid.Fill(list, 2, weaponsAndPotions, wands);
    EXPECT_EQ(listed(), "");
}

TEST_F(ItemGridTest, shopPricesHalveOrQuarterOrTakeTheMerchantsFactorAndNeverWrap) {
    constexpr uint32_t kMax = std::numeric_limits<uint32_t>::max();
    struct Row {
        const char* name;
        uint32_t value, amount;
        uint8_t kind, subkind;
        SItemFillRules rules;
        uint32_t price;
    };
    const SItemFillRules pack{}, shop{0, {}, 1, 0, 10}, merchant{0, {}, 1, 1, 7};
    for (const Row& row : {
             Row{"a weapon outside a shop", 100, 0, kItemWeapon, 2, pack, 100},
             Row{"a weapon in a shop", 100, 0, kItemWeapon, 2, shop, 50},
             Row{"a book in a shop", 100, 0, kItemBook, kBookSubtypeBook, shop, 25},
             Row{"a spell book in a shop", 100, 0, kItemMagic, kMagicSpellbook, shop, 25},
             Row{"a scroll in a shop", 100, 0, kItemMagic, kMagicScroll, shop, 50},
             Row{"a weapon the merchant pays 7 tenths for", 100, 0, kItemWeapon, 2, merchant, 70},
             Row{"a quiver of 24 arrows worth 10", 10, 24, kItemWeapon, kWeaponQuiver, pack, 20},
             Row{"a bolt quiver in a shop", 10, 24, kItemWeapon, kWeaponBoltQuiver, shop, 10},
             Row{"throwing knives the merchant buys", 10, 24, kItemWeapon, kWeaponThrowing, merchant, 14},
             Row{"a long bow is not priced by amount", 10, 24, kItemWeapon, kWeaponLongBow, pack, 10},
             Row{"a huge quiver stack caps", 4'000'000'000u, 1000, kItemWeapon, kWeaponQuiver, pack, kMax},
             Row{"a huge quiver stack caps before the factor", 4'000'000'000u, 1000, kItemWeapon, kWeaponQuiver,
                 SItemFillRules{0, {}, 1, 1, 255}, kMax},
             Row{"a huge quiver stack is halved in 64 bits, then capped", kMax, 24, kItemWeapon, kWeaponQuiver, shop,
                 kMax},
             Row{"a huge quiver stack at half the merchant's factor", kMax, 24, kItemWeapon, kWeaponQuiver,
                 SItemFillRules{0, {}, 1, 1, 5}, kMax},
         }) {
        EXPECT_EQ(ShopPrice(row.value, row.amount, row.kind, row.subkind, row.rules), row.price) << row.name;
    }
    // The grid's entries carry the price after the player's own trade adjustment.
    setup(1);
    give(addType("sword", kItemWeapon, 2, 100));
    fillFromPack();
    ASSERT_EQ(grid.EntryCount(), 1);
    EXPECT_EQ(grid.Entry(0)->price, game.m_player.AdjustPrice(50, false));
}

TEST_F(ItemGridTest, pricesShowInShortFormWithTheGoldGlyphInPlainOrRaisedDigits) {
    struct Row {
        uint32_t price;
        uint8_t flags;
        std::vector<uint8_t> text;
    };
    for (const Row& row : {
             Row{3'000'000'000u, 0, {14 + 3, 26, 9}},
             Row{950, 0, {14 + 9, 14 + 5, 14 + 0, 9}},
             Row{12'000, 0, {14 + 1, 14 + 2, 24, 9}},
             Row{4'000'000, SItemEntryFlags::kMagic, {160 + 4, 131, 9}},
             Row{7, SItemEntryFlags::kSpecial, {160 + 7, 9}},
         }) {
        SItemEntry entry;
        entry.price = row.price;
        entry.flags = row.flags;
        SString text;
        ItemPriceText(entry, text);
        const std::string bytes = text.Text();
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), row.text) << row.price;
    }
}

TEST_F(ItemGridTest, entriesSortByKindWithPotionsFirstThenSubkindThenNameWithANamelessTypeLast) {
    setup();
    SItemList list;
    const std::vector<const SItemType*> types = {
        &addType("zeta", kItemIngredient, 1, 1), &addType("beta", kItemWeapon, 3, 1),
        &addType("gamma", kItemPotion, 1, 1),    &addType("bravo", kItemWeapon, 1, 1),
        &addType("alpha", kItemWeapon, 1, 1),
    };
    for (const SItemType* type : types) list.Add(std::make_unique<SItem>(*type));
    SItemType nameless;
    nameless.m_class = kItemWeapon;
    nameless.m_subtype = 1;
    list.Add(std::make_unique<SItem>(nameless));
    list.Add(std::make_unique<SItem>(*types[3]));
    grid.Fill(list, 0, std::nullopt, wands);
    std::vector<std::string> order;
    for (int i = 0; i < grid.EntryCount(); ++i) {
        const char* name = grid.Entry(i)->type->m_name.Text();
        order.push_back((name ? name : "(none)") + std::string(" x") + std::to_string(grid.Entry(i)->count));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"alpha x1", "bravo x2", "(none) x1", "beta x1", "gamma x1", "zeta x1"}));
}

// Eight potions of different values on a 3 x 2 grid: entries 0 to 5 on the first page, 6 and 7
// on the second.
class ItemGridKeysTest : public ItemGridTest {
protected:
    void SetUp() override {
        ItemGridTest::SetUp();
        setup();
        for (int i = 0; i < 8; ++i) give(addType("potion" + std::to_string(i), kItemPotion, 1, 10, kPotion));
        fillFromPack();
    }
};

TEST_F(ItemGridKeysTest, keysMoveBetweenEntriesAndStopAtEveryEdge) {
    struct Row {
        int from;
        uint32_t key;
        int to;
        int first;
    };
    for (const Row& row : {
             Row{-1, 1000, 0, 0},
             Row{-1, 1002, 0, 0},
             Row{-1, 1004, -1, 0},
             Row{-1, 1006, 0, 0},
             Row{1, 1000, 0, 0},
             Row{4, 1000, 1, 0},
             Row{2, 1002, 5, 0},
             Row{4, 1002, 7, 6},
             Row{6, 1002, 7, 6},
             Row{0, 1004, 0, 0},
             Row{0, 3004, 0, 0},
             Row{3, 3004, 2, 0},
             Row{5, 1006, 6, 6},
             Row{7, 1006, 7, 6},
             Row{7, 3005, 7, 6},
             Row{6, 1000, 3, 0},
         }) {
        if (row.from >= 0)
            grid.Select(row.from);
        else {
            grid.m_selected = -1;
            grid.m_selectedEntry = nullptr;
            grid.m_first = 0;
        }
        EXPECT_EQ(grid.OnKey(row.key), kGridId) << row.from << " key " << row.key;
        EXPECT_EQ(grid.m_selected, row.to) << row.from << " key " << row.key;
        EXPECT_EQ(grid.m_first, row.first) << row.from << " key " << row.key;
        EXPECT_EQ(grid.m_selectedEntry, grid.Entry(row.to)) << row.from << " key " << row.key;
    }
    EXPECT_EQ(grid.OnKey(1001), 0u);
}

TEST_F(ItemGridKeysTest, pagingMovesTheSelectionAndAnEmptyOrUnsetGridIgnoresMoves) {
    grid.Select(1);
    grid.NextPage();
    EXPECT_EQ(grid.m_first, 6);
    EXPECT_EQ(grid.m_selected, 6);
    grid.NextPage();
    EXPECT_EQ(grid.m_first, 6);
    grid.Select(7);
    grid.PrevPage();
    EXPECT_EQ(grid.m_first, 0);
    EXPECT_EQ(grid.m_selected, 1);
    grid.PrevPage();
    EXPECT_EQ(grid.m_first, 0);
    grid.Select(99);
    EXPECT_EQ(grid.m_selected, 7);

    SItemList empty;
    grid.Fill(empty, 0, std::nullopt, wands);
    for (uint32_t key : {1000u, 1002u, 1004u, 1006u, 3004u, 3005u}) EXPECT_EQ(grid.OnKey(key), 0u) << key;
    grid.Select(0);
    EXPECT_EQ(grid.m_selected, -1);

    // Before Setup the grid has no columns or rows: selecting, paging and tapping do nothing.
    SItemsCtrl unset;
    place(unset, 4, 4, 100, 100);
    unset.Fill(game.m_player.Pack(), 0, std::nullopt, wands);
    unset.Select(3);
    unset.NextPage();
    unset.PrevPage();
    EXPECT_EQ(unset.m_selected, -1);
    EXPECT_EQ(unset.m_first, 0);
    EXPECT_EQ(unset.OnPen(10, 10, 1, 0), 0u);
    unset.Draw();
}

TEST_F(ItemGridTest, theUseKeyAsksToEquipOrUseAndLetsTheNextPenEventWaitForANewPress) {
    setup();
    SItemType& belt = addType("belt", kItemLightArmour, kArmourBelt, 10, kBelt);
    give(belt);
    give(addType("potion", kItemPotion, 1, 10, kPotion));
    fillFromPack();
    game.m_frameCounter = 42;
    ASSERT_FALSE(dialog.IsOpenFrame());
    grid.Select(0);
    EXPECT_EQ(grid.OnKey(3006), kGridId);
    EXPECT_EQ(grid.m_equipRequest, 1u);
    EXPECT_EQ(grid.m_useRequest, 0u);
    EXPECT_TRUE(dialog.IsOpenFrame()) << "the owner's pen gate is reset";
    grid.Select(1);
    EXPECT_EQ(grid.OnKey(3006), kGridId);
    EXPECT_EQ(grid.m_equipRequest, 0u);
    EXPECT_EQ(grid.m_useRequest, 1u);
    grid.OnKey(1004);
    EXPECT_EQ(grid.m_useRequest, 0u) << "every key clears the requests";

    // A shop asks for neither.
    setup(1);
    fillFromPack();
    grid.Select(0);
    EXPECT_EQ(grid.OnKey(3006), kGridId);
    EXPECT_EQ(grid.m_equipRequest + grid.m_useRequest, 0u);
}

TEST_F(ItemGridKeysTest, aTapSelectsItsCellAndATapPastTheLastEntryKeepsTheSelection) {
    grid.Draw();
    EXPECT_EQ(grid.OnPen(cellLeft(1) + 20, cellTop(1) + 20, 1, 0), kGridId);
    EXPECT_EQ(grid.m_selected, 4);
    EXPECT_EQ(grid.m_selectedEntry, grid.Entry(4));
    EXPECT_EQ(grid.OnPen(cellLeft(1) + 41, cellTop(1) + 20, 1, 0), 0u) << "on the separator";
    EXPECT_EQ(grid.OnPen(cellLeft(1) + 20, cellTop(1) + 20, 0, 0), 0u) << "a release";
    EXPECT_EQ(grid.m_selected, 4);
    grid.NextPage();
    EXPECT_EQ(grid.OnPen(cellLeft(2) + 20, cellTop(0) + 20, 1, 0), 0u) << "past the last entry";
    EXPECT_EQ(grid.m_selected, 6);
    EXPECT_EQ(grid.OnPen(cellLeft(1) + 20, cellTop(0) + 20, 1, 1), kGridId) << "a move counts";
    EXPECT_EQ(grid.m_selected, 7);
}

TEST_F(ItemGridTest, aTapInTheCornerOfAnEquippableCellAsksToEquipOutsideAShopOnly) {
    give(addType("belt", kItemLightArmour, kArmourBelt, 10, kBelt));
    give(addType("potion", kItemPotion, 1, 10, kPotion));
    struct Row {
        uint32_t shopMode;
        int x, y;
        uint32_t equip;
    };
    // Cell 0 is the belt, cell 1 the potion; the corner square is 12 pixels on this small screen.
    for (const Row& row : {Row{0, cellLeft(0) + 11, cellTop(0) + 11, 1}, Row{0, cellLeft(0) + 12, cellTop(0) + 2, 0},
                           Row{0, cellLeft(0) + 2, cellTop(0) + 12, 0}, Row{0, cellLeft(1) + 2, cellTop(0) + 2, 0},
                           Row{1, cellLeft(0) + 2, cellTop(0) + 2, 0}}) {
        setup(row.shopMode);
        fillFromPack();
        EXPECT_EQ(grid.OnPen(row.x, row.y, 1, 0), kGridId);
        EXPECT_EQ(grid.m_equipRequest, row.equip) << row.x << "," << row.y << " shop " << row.shopMode;
    }
}

TEST_F(ItemGridKeysTest, aTapRedrawsOnlyTheOldAndTheNewCell) {
    grid.Select(0);
    grid.Draw();
    clearScreen();
    grid.OnPen(cellLeft(1) + 20, cellTop(1) + 20, 1, 0);
    auto inCell = [this](int x, int y, int column, int row) {
        return x >= cellLeft(column) && x < cellLeft(column) + 40 && y >= cellTop(row) && y < cellTop(row) + 40;
    };
    int outside = 0, untouchedInside = 0;
    for (int y = 0; y < kScreenH; ++y) {
        for (int x = 0; x < kScreenW; ++x) {
            const bool inside = inCell(x, y, 0, 0) || inCell(x, y, 1, 1);
            if (!inside && at(x, y) != kGround) ++outside;
            if (inside && at(x, y) == kGround) ++untouchedInside;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(untouchedInside, 0);
    EXPECT_EQ(at(cellLeft(1) + 20, cellTop(1) + 20), kPotion);
}

// Two 60-pixel cells side by side with a 10-pixel margin right of them inside the frame: a sword in
// the first, the second empty. Whatever was on the screen before, a redraw leaves the picture it
// leaves over a rectangle cleared to the ground first: the margin and the empty cell in the ground
// colour, the drawn cell cleared around its picture, the separator and the frame over them.
TEST_F(ItemGridTest, aRedrawPaintsEveryPixelOfTheGridWhateverWasUnderIt) {
    constexpr uint16_t kPoison = 0x1234, kFrame = 0x4208;
    constexpr int kW = 2 * 60 + 3 * 2 + 10, kH = 60 + 2 * 2;
    const uint16_t ground = ColourWord565(0x808080);
    give(addType("sword", kItemWeapon, 2, 10, kSword));
    struct Look {
        uint32_t screenMode, shopMode;
    };
    // A small, a large and an in-between screen type, each with and without prices.
    for (const Look look : {Look{7, 0}, Look{7, 1}, Look{10, 0}, Look{10, 1}, Look{16, 0}, Look{16, 1}}) {
        game.m_screenMode = look.screenMode;
        place(grid, 4, 4, kW, kH);
        grid.Setup(frame, frame, 60, 60, 2, 1, 0x0F, 10, look.shopMode);
        grid.m_bgColor = 0x808080;
        fillFromPack();
        grid.Select(0);
        std::fill(pixels.begin(), pixels.end(), kPoison);
        grid.Draw();
        const std::vector<uint16_t> overPoison = pixels;
        std::fill(pixels.begin(), pixels.end(), kPoison);
        game.m_display->FillRect(4, 4, kW, kH, ground);
        grid.Draw();
        const std::string name = "screen " + std::to_string(look.screenMode) + " shop " + std::to_string(look.shopMode);
        EXPECT_EQ(pixels, overPoison) << name;
        EXPECT_EQ(at(3, 30), kPoison) << name << ": left of the grid";
        EXPECT_EQ(at(4, 30), kFrame) << name << ": the frame";
        EXPECT_EQ(at(66, 30), kFrame) << name << ": the separator";
        EXPECT_EQ(at(98, 30), ground) << name << ": the empty cell";
        EXPECT_EQ(at(133, 30), ground) << name << ": the margin";
        EXPECT_EQ(at(140, 30), kPoison) << name << ": right of the grid";
        if (look.screenMode != 10 || look.shopMode != 0) continue;
        // On a large screen the pack's picture covers 11,9 to 60,58 of the cell at 6,6.
        EXPECT_EQ(at(26, 8), 0) << "above the picture";
        EXPECT_EQ(at(26, 9), kSword) << "the picture's top row";
        EXPECT_EQ(at(60, 58), kSword) << "the picture's last pixel";
        EXPECT_EQ(at(61, 58), 0) << "right of the picture";
        EXPECT_EQ(at(60, 59), 0) << "below the picture";
    }
}

TEST_F(ItemGridTest, equippableCellsCarryTheWornTheForbiddenOrTheEquippableMark) {
    setup();
    SItemType& sword = addType("sword", kItemWeapon, 2, 10, kSword);
    game.m_player.EquipItem(give(sword), false);
    give(sword);
    SItemType& cursed = addType("cursed", kItemWeapon, 3, 10, kSword);
    cursed.m_alignment = kAlignmentEvil;
    give(cursed);
    give(addType("potion", kItemPotion, 1, 10, kPotion));
    fillFromPack();
    ASSERT_EQ(grid.EntryCount(), 4);
    grid.Draw();
    EXPECT_EQ(at(cellLeft(0) + 1, cellTop(0) + 1), kEquippedMark);
    EXPECT_EQ(at(cellLeft(1) + 1, cellTop(0) + 1), kEquippableMark);
    EXPECT_EQ(at(cellLeft(2) + 1, cellTop(0) + 1), kUnusableMark);
    EXPECT_EQ(at(cellLeft(0) + 1, cellTop(1) + 1), kPotion) << "a potion has no mark";
}

}  // namespace

}  // namespace items_ctrl_test
