#pragma once
// One card definition of the card duel.
#include <cstdint>
#include <memory>
#include <string>

class SPdb;
struct SPictureEntry;

// Kind flags. A weapon (4) stays on the table with a count of attacks; it wears by attacking, so no
// rule looks at its flag.
constexpr uint32_t kCardInstant = 1;  // acts once when played
constexpr uint32_t kCardItem = 2;     // stays on the table and absorbs damage with its count
constexpr uint32_t kCardLasting = 8;  // stays on the table; its count is turns
constexpr uint32_t kCardCombo = 16;   // gives its side another play

// The count GetText shows for a card in a hand: none, so the card's own lasting count appears.
constexpr uint32_t kNoShownCount = 0xFFFFFFFF;

// A record filled once from the built-in table and never changed afterwards; only its picture
// comes and goes with the card screen.
struct SCard {
    SCard();
    ~SCard();
    SCard(const SCard&) = delete;
    SCard& operator=(const SCard&) = delete;

    uint32_t deck = 0;   // 0 warrior, 1 sorcerer, 2 necromancer
    uint32_t index = 0;  // 0 .. 24 within the deck
    int32_t copies = 0;  // in a freshly built draw pile
    const char* name = nullptr;
    // "%u" placeholders for the numbers; byte 0x0B stands for a space that must not break the line,
    // so a count stays beside its label.
    const char* text = nullptr;
    int32_t value1 = 0;
    int32_t value2 = 0;
    int32_t value3 = 0;  // the count a card starts with when it stays on the table
    uint32_t kind = 0;
    uint16_t pictureId = 0;                  // record id in the interface package
    std::unique_ptr<SPictureEntry> picture;  // loaded while the card screen shows

    // Appends the rule text with its numbers filled in. shownCount is the count of the card as it
    // lies on the table, or kNoShownCount for a card in a hand.
    void GetText(std::string& out, uint32_t shownCount) const;
    // False, with no picture kept, when the package lacks the record or it is not a picture.
    bool LoadPicture(SPdb& package);
    void ReleasePicture();
};
