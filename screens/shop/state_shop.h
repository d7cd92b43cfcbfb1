#pragma once
// SStateShop: trading with a merchant (screen 5). One item grid shows the merchant's stock (buy
// mode) or what of the player's pack the merchant trades in (sell mode); a panel shows the chosen
// item or the last trade, a line the gold and the pack's weight. Prices are worked out in 64 bits
// and held at the largest purse, the purse never passes the cap nor goes below nothing, and a
// merchant whose maximum is below an item's price offers a deal at that maximum.
#include <cstdint>

#include "screens/inventory/item_grid_geometry.h"
#include "screens/shop/shop_rules.h"
#include "ui/state.h"
#include "ui/widgets/border_ctrl.h"
#include "ui/widgets/button_ctrl.h"
#include "ui/widgets/face_ctrl.h"
#include "ui/widgets/items_ctrl.h"
#include "ui/widgets/text_ctrl.h"
#include "ui/widgets/title_text_ctrl.h"

class SItem;
class SItemList;
class SMap;
class SNpcType;
struct SPlacedObject;

class SStateShop : public SState {
public:
    static constexpr uint32_t kLayout = 42;
    static constexpr uint32_t kBackKey = 3007;
    static constexpr uint32_t kTradeSkill = 15;
    static constexpr uint32_t kModeSwitchMs = 500;
    static constexpr uint32_t kRefusalMs = 750;
    static constexpr uint32_t kTradeMs = 3000;

    // The layout elements, which are also the commands of the controls that send any.
    enum Element : uint32_t {
        kBackground = 19,
        kStatus = 22,
        kGrid = 274,
        kPortrait = 288,
        kName = 289,
        kPortraitFrame = 292,
        kGridFrame = 293,
        kStatusFrame = 294,
        kInfoFrame = 305,
        kNextPage = 319,
        kPreviousPage = 320,
        kInfo = 322,
        kBuy = 529,
        kSell = 530,
        kBack = 531,
        kYes = 532,
        kNo = 533,
        kNameFrame = 562,
    };
    enum Mode : uint32_t { kSellMode = 0, kBuyMode = 1 };

    // The grid on a screen type: cell size, columns and rows.
    static SItemGridGeometry GridGeometry(uint32_t screenType);

    void Init(SGameData* game) override;
    // p2 the merchant's person type, p3 the placed object that stands for the shop (may be 0),
    // p4 the map it stands on (may be 0: then the stock is empty).
    void Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) override;
    uint32_t OnCommand(uint32_t id) override;
    uint32_t OnTick(uint32_t arg) override;
    // A full redraw fills the screen's ground only around the item grid, which paints every pixel
    // of its own rectangle anyway.
    void Draw() override;

    Mode ShopMode() const { return m_mode; }
    bool DealOpen() const { return m_dealOpen; }
    const SItemList* Stock() const { return m_stock; }
    // The merchant's level: the grid's buy factor in tenths.
    uint32_t Level() const { return m_level; }

    SBorderCtrl m_gridFrame;
    SBorderCtrl m_infoFrame;
    SBorderCtrl m_nameFrame;
    SBorderCtrl m_portraitFrame;
    SBorderCtrl m_statusFrame;
    SFaceCtrl m_portrait;
    STextCtrl m_name;
    SItemsCtrl m_grid;
    STitleTextCtrl m_info;
    STextCtrl m_status;
    SButtonCtrl m_previousPage;
    SButtonCtrl m_nextPage;
    SButtonCtrl m_back;
    SButtonCtrl m_buy;
    SButtonCtrl m_sell;
    SButtonCtrl m_yes;
    SButtonCtrl m_no;

private:
    void build();
    void placeTextButton(SButtonCtrl& button, uint32_t element, const char* caption);
    void updateStatus();
    void fillList();
    void showItemInfo();
    // The text alone in the panel; after `ms` (when not 0) the panel shows the item again.
    void showInfoMessage(const char* text, uint32_t ms);
    // Where the layout stands the deal's answers in the status's place, the status makes way for
    // them while the question is asked: its words would show between them.
    bool answersCoverStatus() const;
    void askDeal(uint32_t maxPrice);
    void closeDeal();
    void updateArrows();
    void buy();
    void sell(bool forced);
    // The grid from the list of the mode, nothing selected.
    void fillGrid();
    // The grid after an item of the type left it (or joined the stock): the selection stays on that
    // type while any of it is there, else nothing is selected, so that a second tap on Buy or
    // Sell never trades a neighbour the player did not choose.
    void afterTrade(const SItemType& traded);
    void switchMode(Mode mode, const char* title);
    SSaleOffer offerOf(const SItemEntry& entry, bool forced) const;
    SItemEntry* selectedEntry() const;

    const SNpcType* m_merchant = nullptr;
    SItemList* m_stock = nullptr;
    Mode m_mode = kBuyMode;
    bool m_dealOpen = false;
    uint32_t m_level = 0;
    bool m_infoTimer = false;
    uint32_t m_infoUntil = 0;
};
