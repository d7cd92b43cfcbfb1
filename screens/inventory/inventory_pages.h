#pragma once
// SInventoryPages: where the inventory screen stood: its page, the page a character-sheet dialog
// returns to, the character sub-page, the items page's view and filter, the effects and quest
// filters and the spell school. Every saved game keeps it as record 3005.
#include <cstdint>

class SArchive;

struct SInventoryPages {
    // The page word: the four pages, then the modal sub-modes over them.
    enum Page : uint32_t {
        kItems = 0,
        kCharacter = 1,
        kQuests = 2,
        kSpells = 3,
        kPortraitChoice = 4,
        kNameEntry = 5,
        kReading = 6,
        kAlchemy = 7,
        kRepair = 8,
        kHandQuestion = 9,
    };
    static constexpr uint32_t kLastPage = kHandQuestion;
    static constexpr uint32_t kLastSubPage = 4;
    static constexpr uint32_t kLastItemFilter = 8;
    static constexpr uint32_t kLastEffectsFilter = 2;
    static constexpr uint32_t kLastQuestFilter = 3;
    static constexpr uint32_t kFirstSchool = 1;
    static constexpr uint32_t kLastSchool = 7;

    uint32_t page = kItems;
    uint32_t returnPage = kItems;
    uint32_t subPage = 0;
    uint32_t descriptionView = 1;
    uint32_t itemFilter = 0;
    uint32_t effectsFilter = 0;
    uint32_t questFilter = 0;
    uint32_t spellSchool = kFirstSchool;

    // The record: the tag 'X' and three zero bytes, then the eight words in the order above. A
    // record without its tag is read from its start all the same.
    void Serialize(SArchive& archive);
    // Reads the record into a copy and takes it only when whole; values outside their ranges fall
    // back to the first page and no filter, since they only say where the screen stood. False, the
    // pages unchanged, for a record cut short.
    bool Read(SArchive& archive);
};
