// The item grid on a 480x640 screen: a whole page of thirty cells in shop mode (pictures, prices,
// counts), and a tap, which redraws only the cell it leaves and the cell it selects. Against a
// memset of the whole screen: the tap should cost a small fraction of it, the page a few times it.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/items/item_classes.h"
#include "support/block_font.h"
#include "support/item_records.h"
#include "support/memory_display.h"
#include "support/pictured_items.h"
#include "ui/dialog.h"
#include "ui/widgets/items_ctrl.h"

namespace {

constexpr int kWidth = 480, kHeight = 640, kCell = 60, kColumns = 6, kRows = 5;

std::unique_ptr<SPictureEntry> itemPicture(int seed) {
    std::vector<uint32_t> indices(50 * 50);
    for (size_t i = 0; i < indices.size(); ++i) indices[i] = uint32_t((i * 7 + size_t(seed)) % 16);
    std::vector<uint16_t> colours(16);
    for (int c = 0; c < 16; ++c) colours[size_t(c)] = uint16_t(0x1082 * (c + 1) + seed);
    auto entry = std::make_unique<SPictureEntry>();
    entry->record = std::make_unique<SPdbRecord>();
    entry->record->bytes = PictureRecord(0, 50, 50, indices, colours);
    SReadError error;
    entry->Bind(entry->record->bytes, 0, error);
    return entry;
}

// A shop grid of thirty stacks of two, drawn once.
struct ShopGrid {
    ShopGrid() {
        game.m_screenMode = 10;
        game.m_display = std::make_unique<SDisplay>();
        DrawIntoMemory(*game.m_display, pixels, kWidth, kHeight);
        game.m_text = std::make_unique<SText>();
        game.m_text->SetDisplay(game.m_display.get());
        UseBlockFont(*game.m_text);
        game.InitTables();
        dialog.Init(&game);
        for (int i = 0; i < kColumns * kRows; ++i) {
            const std::string name = "ware" + std::to_string(i);
            SItemType& type = AddPicturedItemType(game, name, kItemPotion, 1, uint32_t(100 + 37 * i), itemPicture(i));
            for (int copy = 0; copy < 2; ++copy) stock.Add(std::make_unique<SItem>(type));
        }
        grid.Attach(&dialog);
        grid.SetRect(0, 0, kColumns * kCell, kRows * kCell);
        grid.m_flags = SCtrlFlags::kPlaced;
        grid.Setup({}, {}, kCell, kCell, kColumns, kRows, 0, 10, 1);
        grid.Fill(stock, 0, std::nullopt, wands);
        grid.Draw();
    }

    std::vector<uint16_t> pixels = std::vector<uint16_t>(size_t(kWidth) * kHeight);
    SGameData game;
    SDialog dialog;
    SItemList stock;
    TestWandPricing wands;
    SItemsCtrl grid;
};

void BM_GridPage(benchmark::State& state) {
    ShopGrid shop;
    for (auto _ : state) {
        shop.grid.Draw();
        benchmark::DoNotOptimize(shop.pixels.data());
    }
}
BENCHMARK(BM_GridPage);

void BM_GridTap(benchmark::State& state) {
    ShopGrid shop;
    int column = 0;
    for (auto _ : state) {
        column = (column + 1) % kColumns;
        shop.grid.OnPen(column * kCell + kCell / 2, kCell / 2, 1, 0);
        benchmark::DoNotOptimize(shop.pixels.data());
    }
}
BENCHMARK(BM_GridTap);

// Baseline: clearing the whole screen.
void BM_ScreenMemset(benchmark::State& state) {
    std::vector<uint16_t> pixels(size_t(kWidth) * kHeight);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x21, pixels.size() * sizeof(uint16_t));
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_ScreenMemset);

}  // namespace
