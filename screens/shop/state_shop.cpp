#include "screens/shop/state_shop.h"

#include <tuple>

#include "data/items/effect_wand_pricing.h"
#include "data/items/item_list.h"
#include "data/maps/map.h"
#include "data/maps/placed_object.h"
#include "data/persons/npc_type.h"
#include "data/player/item_phrase.h"
#include "data/player/player.h"
#include "engine/draw/digit_glyphs.h"
#include "engine/draw/screen_type.h"
#include "game/game_data.h"
#include "game/script/script_context.h"
#include "platform/clock.h"
#include "screens/merchant_level.h"
#include "screens/play/state_game.h"
#include "screens/screen_id.h"
#include "ui/colour_word.h"
#include "ui/fill_around.h"

namespace {

constexpr uint32_t kShopNameColour = 0xBEC8D2;
constexpr uint32_t kShopBodyColour = 0xC8C8C8;
constexpr uint32_t kShopButtonInk = 0xC8C8C8;
constexpr uint32_t kShopButtonShade = 0x585858;
constexpr uint32_t kShopEnchantedColour = 0xFF6464;
constexpr uint32_t kShopSpecialColour = 0x64C8C8;
// The type flag of things no merchant takes (and that the panel marks as special).
constexpr uint8_t kNoSaleFlag = 4;
// Names are centred on one line, as the character page's.
constexpr uint32_t kShopNameAlign = 18;

bool isWearable(uint8_t itemClass) { return itemClass >= 1 && itemClass <= 4; }

}  // namespace

SItemGridGeometry SStateShop::GridGeometry(uint32_t screenType) {
    switch (screenType) {
        case 2: return {40, 56, 4, 5, 1, 15};
        case 3: return {46, 57, 6, 4, 1, 15};
        case 4: return {50, 66, 5, 4, 1, 15};
        case 5:
        case 8: return {40, 52, 5, 2, 1, 15};
        case 7: return {40, 52, 5, 3, 1, 15};
        case 9: return {60, 69, 6, 6, 1, 15};
        case 10: return {60, 69, 6, 4, 1, 15};
        case 11: return {60, 69, 6, 3, 1, 15};
        case 14: return {64, 69, 8, 6, 1, 15};
        case 15: return {64, 73, 8, 7, 1, 15};
        case 16: return {40, 55, 8, 3, 1, 15};
        // Types 1, 12 and 13, which the table leaves out, take type 6's grid.
        default: return {40, 52, 4, 4, 1, 15};
    }
}

void SStateShop::Init(SGameData* game) {
    SState::Init(game);
    for (SCtrl* ctrl :
         std::initializer_list<SCtrl*>{&m_gridFrame, &m_infoFrame, &m_nameFrame, &m_portraitFrame, &m_statusFrame,
                                       &m_portrait, &m_name, &m_grid, &m_info, &m_status, &m_previousPage, &m_nextPage,
                                       &m_back, &m_buy, &m_sell, &m_yes, &m_no})
        ctrl->Attach(this);
}

void SStateShop::Enter(uintptr_t p1, uintptr_t p2, uintptr_t p3, uintptr_t p4) {
    SState::Enter(p1, p2, p3, p4);
    m_dealOpen = false;
    m_infoTimer = false;
    if (SStateGame* play = SStateGame::Of(*m_game)) play->StopAmbientSounds(false);
    m_merchant = reinterpret_cast<const SNpcType*>(p2);
    auto* trader = reinterpret_cast<SPlacedObject*>(p3);
    auto* map = reinterpret_cast<SMap*>(p4);
    m_stock = nullptr;
    if (m_merchant && trader && map && trader->containerId != 0) {
        m_merchant->RestockShop(*map, *trader, m_game->m_items, *m_game->m_random);
        m_stock = map->FindContainer(trader->containerId);
    }
    m_level = m_merchant ? MerchantLevel(*m_merchant, m_game->m_globals) : 0;
    m_mode = kBuyMode;
    build();
    updateStatus();
    fillList();
    SetDirty();
    Draw();
    m_game->m_screenChanged = 0;
    m_openFrame = m_game->m_frameCounter;
}

void SStateShop::build() {
    m_x = 0;
    m_y = 0;
    SetLayout(kLayout);
    // Draw fills the black ground itself, around the grid.
    NoBackground();
    m_bgColor = 0;
    const uint32_t type = m_game->m_screenMode;
    const SFrameSet frames = m_game->ScreenFrameSet();
    // The status is one line: the small frame leaves it room inside on every screen type.
    const SFrameSet statusFrames = m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
    for (auto [frame, element, set] :
         {std::tuple{&m_gridFrame, kGridFrame, &frames}, std::tuple{&m_infoFrame, kInfoFrame, &frames},
          std::tuple{&m_nameFrame, kNameFrame, &frames}, std::tuple{&m_portraitFrame, kPortraitFrame, &frames},
          std::tuple{&m_statusFrame, kStatusFrame, &statusFrames}})
        if (PlaceCtrl(*frame, element)) frame->Setup(*set, 0, 0, SBorderSides::kAll);
    if (PlaceCtrl(m_portrait, kPortrait)) {
        const char* face = m_merchant && *m_merchant->FaceName() ? m_merchant->FaceName() : nullptr;
        if (face == nullptr && m_game->m_scriptContext) face = m_game->m_scriptContext->GetPartnerFace();
        m_portrait.SetFace(face ? face : SScriptContext::kUnknownFace);
    }
    if (PlaceCtrl(m_name, kName))
        m_name.SetTextEx(m_merchant ? m_merchant->DisplayName() : "", kShopNameAlign, 1, kShopNameColour, 0);
    if (PlaceCtrl(m_grid, kGrid)) {
        const SItemGridGeometry grid = GridGeometry(type);
        const SFrameSet gridFrames = m_game->InterfaceSet<9>(SInterfaceRole::kSmallFrameSet);
        m_grid.Setup(gridFrames, gridFrames, grid.cellW, grid.cellH, grid.columns, grid.rows, grid.frameFlags, m_level,
                     1);
    }
    if (PlaceCtrl(m_info, kInfo)) {
        m_info.Setup(1, kWhite, kShopBodyColour, 0, 0, 2, 2, kShopEnchantedColour, kShopSpecialColour);
        m_info.m_titleTwoLines = IsLargeScreenType(type) ? 1 : 0;
        m_info.SetText("", "", 0, 0);
    }
    if (PlaceCtrl(m_previousPage, kPreviousPage))
        m_previousPage.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kPreviousPageButton), kPreviousPage, 0);
    if (PlaceCtrl(m_nextPage, kNextPage))
        m_nextPage.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kNextPageButton), kNextPage, 0);
    if (PlaceCtrl(m_back, kBack))
        m_back.SetupPicture(m_game->InterfaceSet<3>(SInterfaceRole::kCloseButton), kBack, kBackKey);
    placeTextButton(m_buy, kBuy, "Buy");
    placeTextButton(m_sell, kSell, "Sell");
    placeTextButton(m_yes, kYes, "Yes");
    placeTextButton(m_no, kNo, "No");
    // The deal question's answers show only while it is asked.
    RemoveCtrl(&m_yes);
    RemoveCtrl(&m_no);
    if (PlaceCtrl(m_status, kStatus)) m_status.SetTextEx("", type == 5 || type == 8 ? 18 : 17, 1, kShopBodyColour, 0);
}

void SStateShop::placeTextButton(SButtonCtrl& button, uint32_t element, const char* caption) {
    if (!PlaceCtrl(button, element)) return;
    button.SetupBar(m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarDown),
                    m_game->InterfaceSet<3>(SInterfaceRole::kTextButtonBarUp), caption, element, 1, kShopButtonInk,
                    kShopButtonShade, kWhite, kShopButtonShade, 0);
}

SItemEntry* SStateShop::selectedEntry() const {
    return m_grid.m_selected >= 0 ? m_grid.Entry(m_grid.m_selected) : nullptr;
}

void SStateShop::updateStatus() {
    const SPlayer& player = m_game->m_player;
    SString text;
    FormatShopStatus(m_game->m_screenMode, player.Gold(), player.SumItemWeights(),
                     uint32_t(std::max(player.GetMaxCarryWeight(), 0)), text);
    ToDigitGlyphs(text);
    m_status.SetText(text.Text());
    m_status.Layout();
    SetDirty();
}

void SStateShop::fillGrid() {
    // A shop opened without a stock (from a script) shows an empty grid.
    static const SItemList kNoStock;
    const SEffectWandPricing wands(m_game->EffectLookups());
    // In buy mode the grid asks the merchant's prices, in sell mode what the merchant pays.
    m_grid.m_merchantPays = m_mode == kBuyMode ? 1 : 0;
    if (m_mode == kBuyMode)
        m_grid.Fill(m_stock ? *m_stock : kNoStock, 0, std::nullopt, wands);
    else
        m_grid.Fill(m_game->m_player.Pack(), 0, m_merchant ? m_merchant->classMask : uint16_t(0), wands);
}

void SStateShop::fillList() {
    fillGrid();
    m_grid.Select(0);
    m_grid.SetDirty();
    updateArrows();
    showItemInfo();
}

void SStateShop::updateArrows() {
    const int page = int(m_grid.m_columns * m_grid.m_rows);
    m_previousPage.SetEnabled(m_grid.m_first != 0);
    m_nextPage.SetEnabled(m_grid.m_first + page < m_grid.EntryCount());
    m_previousPage.SetDirty();
    m_nextPage.SetDirty();
}

void SStateShop::showItemInfo() {
    const SItemEntry* entry = selectedEntry();
    if (entry == nullptr || entry->type == nullptr) {
        m_info.SetText("", "", 0, 0);
    } else {
        const SItemType& type = *entry->type;
        SString title, body;
        type.GetDisplayName(entry->item, title, false, m_game->m_spells);
        type.GetDescription(entry->item, m_game->EffectLookups(), m_game->m_player, m_game->m_screenMode, false, body);
        ToDigitGlyphs(body);
        const bool magic = isWearable(type.m_class) && type.EffectsOf(entry->item) != nullptr;
        m_info.SetText(title.Text(), body.Text(), magic ? 1 : 0, (type.m_flags & kNoSaleFlag) ? 1 : 0);
    }
    m_infoTimer = false;
    m_info.SetDirty();
    SetDirty();
}

void SStateShop::showInfoMessage(const char* text, uint32_t ms) {
    m_info.SetText("", text, 0, 0);
    m_info.SetDirty();
    SetDirty();
    m_infoTimer = ms > 0;
    m_infoUntil = platform::TickCount() + ms;
}

bool SStateShop::answersCoverStatus() const {
    const auto cuts = [this](const SCtrl& answer) {
        return answer.m_x < m_status.m_x + m_status.m_w && m_status.m_x < answer.m_x + answer.m_w &&
               answer.m_y < m_status.m_y + m_status.m_h && m_status.m_y < answer.m_y + answer.m_h;
    };
    return cuts(m_yes) || cuts(m_no);
}

void SStateShop::askDeal(uint32_t maxPrice) {
    SString text;
    text.Format("I can't pay you more than %u. Do we have a deal?", maxPrice);
    showInfoMessage(text.Text(), 0);
    m_dealOpen = true;
    if (answersCoverStatus()) RemoveCtrl(&m_status);
    AddCtrl(&m_yes);
    AddCtrl(&m_no);
}

void SStateShop::closeDeal() {
    if (m_dealOpen || m_yes.IsActive() || m_no.IsActive()) {
        RemoveCtrl(&m_yes);
        RemoveCtrl(&m_no);
        if (answersCoverStatus()) AddCtrl(&m_status);
        SetDirty();
    }
    m_dealOpen = false;
}

void SStateShop::switchMode(Mode mode, const char* title) {
    m_game->PlaySound("bsnd_clickh", 10);
    m_mode = mode;
    fillList();
    showInfoMessage(title, kModeSwitchMs);
}

SSaleOffer SStateShop::offerOf(const SItemEntry& entry, bool forced) const {
    SSaleOffer offer;
    offer.neverSold = entry.type->m_flags & kNoSaleFlag;
    offer.merchantTrades = m_merchant &&
                           (m_game->m_items.CategoryBit(entry.type->m_class) & m_merchant->classMask) != 0;
    offer.maxPrice = m_merchant ? m_merchant->MaxPrice() : 0;
    offer.price = entry.price;
    offer.forced = forced;
    return offer;
}

void SStateShop::buy() {
    if (m_mode == kSellMode) return switchMode(kBuyMode, "Shop items");
    SItemEntry* entry = selectedEntry();
    if (entry == nullptr || entry->item == nullptr || m_stock == nullptr) return;
    SPlayer& player = m_game->m_player;
    const uint32_t price = entry->price;
    if (!player.HasGold(price)) {
        m_game->PlaySound("bsnd_clickh", 10);
        showInfoMessage("You don't have enough gold.", kRefusalMs);
        return;
    }
    player.CountSkillUse(kTradeSkill);
    player.RemoveGold(price, false);
    const SItemType& type = *entry->type;
    std::unique_ptr<SItem> item = m_stock->Take(entry->item);
    if (item) player.AddOwnedItem(std::move(item));
    afterTrade(type);
    m_game->PlaySound("bsnd_pickup", 10);
    SString phrase, text;
    FormatItemPhrase(type, 1, phrase);
    text.Format("You have purchased %s for %u gold.", phrase.Text(), price);
    ToDigitGlyphs(text);
    showInfoMessage(text.Text(), kTradeMs);
    updateStatus();
    updateArrows();
}

void SStateShop::sell(bool forced) {
    if (m_mode == kBuyMode) return switchMode(kSellMode, "Player items");
    SItemEntry* entry = selectedEntry();
    if (entry == nullptr || entry->item == nullptr) return;
    const SSaleOffer offer = offerOf(*entry, forced);
    const char* name = m_merchant ? m_merchant->DisplayName() : "";
    SString text;
    switch (JudgeSale(offer)) {
        case SSaleVerdict::kNeverSold:
            m_game->PlaySound("bsnd_clickh", 10);
            return showInfoMessage("You can't sell this item.", kRefusalMs);
        case SSaleVerdict::kNotTraded:
            m_game->PlaySound("bsnd_clickh", 10);
            text.Format("%s doesn't purchase such things.", name);
            return showInfoMessage(text.Text(), kTradeMs);
        case SSaleVerdict::kBuysNothing:
            m_game->PlaySound("bsnd_clickh", 10);
            text.Format("%s doesn't purchase anything.", name);
            return showInfoMessage(text.Text(), kTradeMs);
        case SSaleVerdict::kAskDeal: m_game->PlaySound("bsnd_clickh", 10); return askDeal(offer.maxPrice);
        case SSaleVerdict::kSell: break;
    }
    SPlayer& player = m_game->m_player;
    const SItemType& type = *entry->type;
    const uint32_t paid = SaleAmount(offer);
    std::unique_ptr<SItem> item = player.RemoveOwnedItem(entry->item);
    // A shop opened without a stock (from a script) still buys; what it bought is gone with it.
    if (item && m_stock) m_stock->Add(std::move(item));
    player.ReceiveGold(paid, false, false);
    player.CountSkillUse(kTradeSkill);
    afterTrade(type);
    m_game->PlaySound("bsnd_drop", 10);
    SString phrase;
    FormatItemPhrase(type, 1, phrase);
    text.Format("You have sold %s for %u gold.", phrase.Text(), paid);
    ToDigitGlyphs(text);
    showInfoMessage(text.Text(), kTradeMs);
    updateStatus();
    updateArrows();
}

void SStateShop::afterTrade(const SItemType& traded) {
    const int selected = m_grid.m_selected;
    const int first = m_grid.m_first;
    fillGrid();
    m_grid.m_first = first;
    // The cell it was in, when it still stands for the type; else the type's first cell.
    const SItemEntry* same = m_grid.Entry(selected);
    int keep = same != nullptr && same->type == &traded ? selected : -1;
    for (int i = 0; keep < 0 && i < m_grid.EntryCount(); ++i)
        if (m_grid.Entry(i)->type == &traded) keep = i;
    if (keep >= 0) m_grid.Select(keep);
    m_grid.SetDirty();
}

uint32_t SStateShop::OnCommand(uint32_t id) {
    if (m_dealOpen) {
        if (id == kYes) {
            closeDeal();
            sell(true);
        } else if (id == kNo) {
            closeDeal();
            showItemInfo();
        }
        if (id == kYes || id == kNo) return kStay;
    }
    closeDeal();
    switch (id) {
        case kBuy: buy(); break;
        case kSell: sell(false); break;
        case kBack: m_game->PlaySound("bsnd_clickh", 10); return kGoBack;
        case kGrid:
            m_game->PlaySound("bsnd_click", 10);
            showItemInfo();
            break;
        case kNextPage:
        case kPreviousPage:
            m_game->PlaySound("bsnd_click", 10);
            if (id == kNextPage)
                m_grid.NextPage();
            else
                m_grid.PrevPage();
            updateArrows();
            m_grid.SetDirty();
            showItemInfo();
            break;
        default: break;
    }
    return kStay;
}

void SStateShop::Draw() {
    if (IsDirty() && m_display) {
        const SScreenBox screen{m_x, m_y, m_x + m_w, m_y + m_h};
        const SScreenBox grid{m_grid.m_x, m_grid.m_y, m_grid.m_x + m_grid.m_w, m_grid.m_y + m_grid.m_h};
        FillAround(*m_display, screen, std::span(&grid, m_grid.IsShown() ? 1 : 0), ColourWord565(m_bgColor));
    }
    SState::Draw();
}

uint32_t SStateShop::OnTick(uint32_t arg) {
    // The difference is taken unsigned, so that the tick counter's wrap cuts no message short.
    if (m_infoTimer && int32_t(platform::TickCount() - m_infoUntil) > 0) showItemInfo();
    return SDialog::OnTick(arg);
}
