#include "tools/sampledata/enchant_dialog_layouts.h"

#include <algorithm>
#include <utility>

#include "engine/draw/screen_type.h"

namespace {

// What the dialogs are built around, in pixels: the heights of fonts 1 and 2 as the screen type
// selects them, and the sample pictures' sizes (interface_art.cpp).
struct Sizes {
    int margin;
    int line;   // font 1
    int title;  // font 2, with room around it
    int button;
    int bar;
    int arrowW = 20, arrowH = 12;
};

constexpr Sizes kSmall{6, 15, 22, 24, 20};
constexpr Sizes kLarge{10, 26, 34, 36, 30};

// A rectangle that hands out rows from its top, so that each dialog reads as a column of parts.
struct Column {
    int x, y, w;

    int take(int h, int gap) {
        const int top = y;
        y += h + gap;
        return top;
    }
};

SLayoutRow at(int id, int x, int y, int w, int h) {
    return {uint16_t(id), uint16_t(std::max(x, 0)), uint16_t(std::max(y, 0)), uint16_t(std::max(w, 1)),
            uint16_t(std::max(h, 1))};
}

// A list with its page buttons in a strip at its right, the up one at the top, the down one at the
// bottom.
void pagedList(std::vector<SLayoutRow>& rows, const Sizes& k, int listId, int upId, int downId, int x, int y, int w,
               int h) {
    rows.push_back(at(listId, x, y, w - k.arrowW - 2, h));
    rows.push_back(at(upId, x + w - k.arrowW, y, k.arrowW, k.arrowH));
    rows.push_back(at(downId, x + w - k.arrowW, y + h - k.arrowH, k.arrowW, k.arrowH));
}

// The controls of a number the player steps: its label, its frame, the number, the up arrow (the
// down arrow is the next id) and the button that steps up by ten (down by ten is the next id; 0
// for none).
struct ValueIds {
    int label, frame, value, up, upTen;
};

// The label, the framed number, the up and down arrows one above the other, then (when there are
// any) the buttons that step by ten, down first.
void valueRow(std::vector<SLayoutRow>& rows, const Sizes& k, int x, int y, int labelW, const ValueIds& ids) {
    const int numberW = 3 * k.line;
    rows.push_back(at(ids.label, x, y + (k.button - k.line) / 2, labelW, k.line));
    rows.push_back(at(ids.frame, x + labelW, y, numberW, k.button));
    rows.push_back(at(ids.value, x + labelW + 4, y, numberW - 8, k.button));
    const int arrowsX = x + labelW + numberW + 4;
    rows.push_back(at(ids.up, arrowsX, y, k.arrowW, k.arrowH));
    rows.push_back(at(ids.up + 1, arrowsX, y + k.button - k.arrowH, k.arrowW, k.arrowH));
    if (ids.upTen == 0) return;
    rows.push_back(at(ids.upTen + 1, arrowsX + k.arrowW + 4, y, k.button, k.button));
    rows.push_back(at(ids.upTen, arrowsX + k.arrowW + 8 + k.button, y, k.button, k.button));
}

// The needed and available storage, each a label with its number beside it.
void storageRows(std::vector<SLayoutRow>& rows, const Sizes& k, Column& c) {
    const int labelW = c.w * 3 / 4;
    for (int id : {247, 249}) {
        const int y = c.take(k.line, 1);
        rows.push_back(at(id, c.x, y, labelW, k.line));
        rows.push_back(at(id + 1, c.x + labelW, y, c.w - labelW, k.line));
    }
}

int boxWidth(const SScreenSize& s, const Sizes& k, int small, int large) {
    return std::min(s.width - 2 * k.margin, IsLargeScreenType(s.mode) ? large : small);
}

int boxHeight(const SScreenSize& s, const Sizes& k, int small, int large) {
    return std::min(s.height - 2 * k.margin, IsLargeScreenType(s.mode) ? large : small);
}

// A dialog in its frame with its title at the top; the column goes on below the title, and the
// bottom row holds confirm at the left and cancel (or close) at the right.
struct Box {
    Box(const SScreenSize& screen, const Sizes& sizes, int width, int height, int titleHeight)
        : mode(screen.mode), k(sizes), w(width), h(height), c{sizes.margin, sizes.margin, width - 2 * sizes.margin} {
        rows.push_back(at(19, 0, 0, w, h));
        rows.push_back(at(16, c.x, c.take(titleHeight, 2), c.w, titleHeight));
    }
    SLayoutMode finish(int cancelId) {
        rows.push_back(at(25, k.margin, h - k.margin - k.button, k.button, k.button));
        rows.push_back(at(cancelId, w - k.margin - k.button, h - k.margin - k.button, k.button, k.button));
        return {mode, uint16_t(w), uint16_t(h), rows};
    }
    // What is left above the bottom row.
    int below() const { return h - c.y - k.button - k.margin - 4; }

    uint16_t mode;
    const Sizes& k;
    int w, h;
    Column c;
    std::vector<SLayoutRow> rows;
};

SLayoutMode chooser(const SScreenSize& s, const Sizes& k) {
    // "Select the item to be enchanted" takes two lines on the small screens.
    const int titleH = IsLargeScreenType(s.mode) ? k.title : 2 * k.title - 4;
    Box b(s, k, boxWidth(s, k, 232, 440), boxHeight(s, k, 300, 440), titleH);
    Column& c = b.c;
    b.rows.push_back(at(273, c.x, c.take(k.line, 1), c.w, k.line));
    const int capacityH = 2 * k.line + 8, descH = 3 * k.line + 8;
    const int listH = b.below() - descH - capacityH - 5;
    pagedList(b.rows, k, 274, 275, 276, c.x, c.take(listH, 3), c.w, listH);
    const int descY = c.take(descH, 2);
    b.rows.push_back(at(568, c.x, descY, c.w, descH));
    b.rows.push_back(at(277, c.x + 3, descY + 3, c.w - 6, descH - 6));
    b.rows.push_back(at(278, c.x, c.take(capacityH, 0), c.w, capacityH));
    return b.finish(279);
}

SLayoutMode recharge(const SScreenSize& s, const Sizes& k) {
    const int wandH = 4 * k.line + 6, costH = 2 * k.line + 8;
    Box b(s, k, boxWidth(s, k, 220, 400), 2 * k.margin + k.title + wandH + costH + k.button + 8, k.title);
    Column& c = b.c;
    b.rows.push_back(at(277, c.x, c.take(wandH, 2), c.w, wandH));
    b.rows.push_back(at(287, c.x, c.take(costH, 4), c.w, costH));
    return b.finish(26);
}

// The whole screen: the item and its storage in a frame, the entries in another with the Add,
// Modify and Remove bars below, then the price and the gold, and the two buttons at the bottom.
SLayoutMode enchant(const SScreenSize& s, const Sizes& k) {
    Box b(s, k, s.width, s.height, k.title);
    Column& c = b.c;
    const int infoY = c.take(2 * k.line + 8, 3);
    b.rows.push_back(at(568, c.x, infoY, c.w, 2 * k.line + 8));
    const int itemLabelW = c.w / 4, storageLabelW = c.w * 3 / 4;
    b.rows.push_back(at(280, c.x + 4, infoY + 4, itemLabelW, k.line));
    b.rows.push_back(at(277, c.x + 4 + itemLabelW, infoY + 4, c.w - 8 - itemLabelW, k.line));
    b.rows.push_back(at(249, c.x + 4, infoY + 4 + k.line, storageLabelW, k.line));
    b.rows.push_back(at(250, c.x + 4 + storageLabelW, infoY + 4 + k.line, c.w - 8 - storageLabelW, k.line));
    b.rows.push_back(at(255, c.x, c.take(k.line, 1), c.w, k.line));
    const int listH = b.below() - k.bar - 2 * k.line - 8;
    const int listY = c.take(listH, 4);
    b.rows.push_back(at(567, c.x, listY, c.w, listH));
    b.rows.push_back(at(257, c.x + 4, listY + 2, c.w - 8, listH - 6));
    const int barY = c.take(k.bar, 4), barW = (c.w - 2 * k.margin) / 3;
    for (int i = 0; i < 3; ++i) b.rows.push_back(at(281 + i, c.x + i * (barW + k.margin), barY, barW, k.bar));
    // The labels end at the middle, right-aligned, and the amounts start there.
    const int half = c.w / 2;
    for (auto [label, amount] : {std::pair{284, 285}, std::pair{286, 22}}) {
        const int y = c.take(k.line, 0);
        b.rows.push_back(at(label, c.x, y, half - 4, k.line));
        b.rows.push_back(at(amount, c.x + half, y, c.w - half, k.line));
    }
    return b.finish(26);
}

SLayoutMode wandScrollEditor(const SScreenSize& s, const Sizes& k) {
    Box b(s, k, boxWidth(s, k, 232, 420), boxHeight(s, k, 236, 460), k.title);
    Column& c = b.c;
    b.rows.push_back(at(236, c.x, c.take(k.line, 1), c.w, k.line));
    const int listH = b.below() - 2 * (k.button + 3) - 2 * (k.line + 1) - 4;
    pagedList(b.rows, k, 215, 241, 242, c.x, c.take(listH, 4), c.w, listH);
    const int labelW = c.w / 3;
    valueRow(b.rows, k, c.x, c.take(k.button, 3), labelW, {237, 251, 239, 243, 0});
    valueRow(b.rows, k, c.x, c.take(k.button, 3), labelW, {238, 252, 240, 245, 253});
    storageRows(b.rows, k, c);
    return b.finish(26);
}

// The types and the targets side by side, so that the small screens keep lists of a few rows.
SLayoutMode otherEditor(const SScreenSize& s, const Sizes& k) {
    Box b(s, k, boxWidth(s, k, 236, 460), boxHeight(s, k, 236, 460), k.title);
    Column& c = b.c;
    const int kindY = c.take(k.line + 1, 2), third = c.w / 3;
    b.rows.push_back(at(266, c.x, kindY, third, k.line));
    b.rows.push_back(at(267, c.x + third, kindY, third, k.line + 1));
    b.rows.push_back(at(268, c.x + 2 * third, kindY, third, k.line + 1));
    const int half = (c.w - k.margin) / 2, labelsY = c.take(k.line, 1);
    b.rows.push_back(at(255, c.x, labelsY, half, k.line));
    b.rows.push_back(at(269, c.x + half + k.margin, labelsY, half, k.line));
    const int listH = b.below() - (k.button + 3) - 2 * (k.line + 1) - 4;
    const int listY = c.take(listH, 4);
    pagedList(b.rows, k, 257, 259, 260, c.x, listY, half, listH);
    pagedList(b.rows, k, 270, 271, 272, c.x + half + k.margin, listY, half, listH);
    valueRow(b.rows, k, c.x, c.take(k.button, 3), c.w / 3, {256, 263, 258, 261, 264});
    storageRows(b.rows, k, c);
    return b.finish(26);
}

}  // namespace

std::vector<SLayoutDialog> EnchantDialogLayouts(std::span<const SScreenSize> screens) {
    std::vector<SLayoutDialog> dialogs{{23, {}}, {24, {}}, {25, {}}, {26, {}}, {27, {}}};
    for (const SScreenSize& screen : screens) {
        const Sizes& k = IsLargeScreenType(screen.mode) ? kLarge : kSmall;
        dialogs[0].modes.push_back(wandScrollEditor(screen, k));
        dialogs[1].modes.push_back(otherEditor(screen, k));
        dialogs[2].modes.push_back(chooser(screen, k));
        dialogs[3].modes.push_back(enchant(screen, k));
        dialogs[4].modes.push_back(recharge(screen, k));
    }
    return dialogs;
}
