#include "cards/card_table.h"

#include <utility>

#include "engine/base/random.h"
#include "engine/draw/screen_type.h"

namespace {

struct CardTemplate {
    const char* name;
    int32_t copies;
    uint32_t kind;
    int32_t value1, value2, value3;
    const char* text;
};

// Record d * 25 + i is card i of deck d.
constexpr CardTemplate kTemplates[kCardDecks * kCardsPerDeck] = {
    // Warrior.
    {"Slash", 3, 1, 2, 0, 0, "Inflicts %u damage to the enemy."},
    {"Crush", 3, 1, 3, 0, 0, "Inflicts %u damage to the enemy."},
    {"Rapid stab", 3, 1, 4, 0, 0, "Inflicts %u damage, half to the defense if apply."},
    {"Bleeding", 3, 8, 1, 3, 3, "Inflicts %u damage and enemy loses %u Hp per turn. Turns:\v%u."},
    {"Assault", 3, 1, 2, 0, 0, "Inflicts %u damage and removes a marker from the enemy."},
    {"Dual strike", 2, 1, 8, 0, 0, "Inflicts %u damage, half to the defense if apply."},
    {"Backstab", 3, 1, 5, 0, 0, "Inflicts %u damage, any kind of defense ignored."},
    {"Block", 1, 8, 50, 0, 2, "%u%% damage resistance. Turns:\v%u."},
    {"War cry", 1, 1, 0, 0, 0, "Combo card, you can table another card which effect's doubled."},
    {"Tower shield", 2, 2, 20, 0, 8, "%u%% damage reduction per turn. Durability:\v%u\vHp."},
    {"Long sword", 3, 4, 20, 0, 5, "%u%% damage bonus per turn. Attacks:\v%u."},
    {"Kite shield", 3, 2, 25, 0, 12, "%u%% damage reduction per turn. Durability:\v%u\vHp."},
    {"Battle axe", 2, 4, 20, 0, 7, "%u%% damage bonus per turn. Attacks:\v%u."},
    {"Plate mail", 1, 2, 33, 0, 15, "%u%% damage reduction per turn. Durability:\v%u\vHp."},
    {"Mourner", 1, 8, 50, 0, 2, "%u%% damage bonus per turn. Turns:\v%u."},
    {"Remedy", 3, 1, 5, 0, 0, "Heals %u points."},
    {"Healing potion", 3, 8, 7, 1, 3, "Heals %u points plus %u point per turn. Turns:\v%u."},
    {"Rejuvenate", 2, 1, 0, 0, 0, "Heals half of the missing Hp."},
    {"Heroic Remedy", 1, 1, 5, 0, 0, "Increases both Hp and max Hp by %u."},
    {"Arrow storm", 3, 8, 3, 0, 3, "Inflicts %u damage per turn. Turns:\v%u."},
    {"Fosse", 3, 1, 0, 0, 0, "Removes a marker from the opponent."},
    {"Raid", 2, 8, 3, 0, 5, "Inflicts %u damage per turn only to the enemy defense. Turns:\v%u."},
    {"Marksman", 1, 8, 5, 0, 3, "Inflicts %u damage per turn. Turns:\v%u."},
    {"Bloodlust", 2, 16, 0, 0, 0, "Combo card, and heals half of the missing Hp."},
    {"Berzerk", 1, 8, 50, 30, 2, "%u%% damage bonus but %u%% more damage taken per turn. Turns:\v%u."},
    // Sorcerer.
    {"Life node", 3, 8, 2, 0, 10, "Regenerates Hp by %u points per turn. Turns:\v%u."},
    {"Aura of air", 3, 8, 25, 0, 4, "Decreases the damage taken, by %u%% per turn. Turns:\v%u."},
    {"Death node", 3, 8, 25, 0, 4, "Increases the damage inflicted, by %u%% per turn. Turns:\v%u."},
    {"Aura of water", 2, 8, 33, 0, 4, "Decreases the damage taken, by %u%% per turn. Turns:\v%u."},
    {"Moon node", 3, 8, 25, 0, 4, "Increases the damage infilcted, by %u%% per turn. Turns:\v%u."},
    {"Aura of fire", 3, 8, 25, 0, 4, "Reflects %u%% of suffered damage, per turn. Turns:\v%u."},
    {"Sun node", 1, 8, 50, 0, 4, "Increases the infilicted damage, by %u%% per turn. Turns:\v%u."},
    {"Aura of earth", 1, 8, 50, 0, 4, "Decreases the damage taken, by %u%% per turn. Turns:\v%u."},
    {"Ice bolt", 3, 1, 4, 0, 0, "Inflicts %u damage to the enemy."},
    {"Chain lightning", 3, 1, 5, 0, 0, "Inflicts %u damage to the enemy."},
    {"Earthquake", 3, 1, 5, 0, 0, "Inflicts %u damage to the enemy."},
    {"Whirlwind", 2, 1, 5, 0, 0, "Inflicts %u damage to the enemy and destroys one of its markers."},
    {"Firewall", 1, 1, 8, 0, 0, "Inflicts %u damage to the enemy."},
    {"Starfall", 1, 1, 0, 0, 0, "Destroys all of the enemy's markers."},
    {"Sandstorm", 3, 8, 1, 0, 5, "Inflicts %u damage per turn. Turns:\v%u."},
    {"Blizzard", 3, 8, 1, 0, 6, "Inflicts %u damage per turn. Turns:\v%u."},
    {"Blade storm", 3, 8, 3, 0, 2, "Inflicts %u damage per turn. Turns:\v%u."},
    {"Will-o'-the-wisp", 2, 8, 2, 0, 3, "Reduces enemy attack by %u per turn. Turns:\v%u."},
    {"Wildfire", 2, 8, 2, 0, 4, "Inflicts %u damage to the enemy per turn. Turns:\v%u."},
    {"Rage of nature", 1, 8, 4, 0, 3, "Inflicts %u damage to the enemy per turn. Turns:\v%u."},
    {"Healing shower", 3, 1, 4, 0, 0, "Heals %u points."},
    {"Healing scroll", 2, 1, 7, 0, 0, "Heals %u points."},
    {"Bless", 1, 1, 15, 0, 0, "Heals %u points."},
    {"Mana explosion", 1, 16, 0, 0, 0, "Combo card, and heals half of the missing Hp."},
    {"Mana storm", 1, 16, 0, 0, 0, "Combo card, you can table another card which effect's doubled."},
    // Necromancer.
    {"Blood chant", 3, 1, 4, 2, 0, "Inflicts %u damage for suffering %u damage."},
    {"Fang", 3, 1, 6, 3, 0, "Inflicts %u damage for suffering %u damage."},
    {"Atrophy", 3, 1, 2, 0, 0, "Inflicts %u damage."},
    {"Sacrifice", 3, 1, 5, 3, 0, "Inflicts %u damage for suffering %u damage."},
    {"Dark touch", 3, 1, 3, 0, 0, "Drains %u Hp from the enemy."},
    {"Poison cloud", 3, 1, 4, 1, 0, "Inflicts %u damage for suffering %u damage."},
    {"Blood filch", 2, 1, 5, 1, 0, "Inflicts %u damage for suffering %u damage."},
    {"Vampire bite", 2, 1, 6, 0, 0, "Drains %u Hp from the enemy."},
    {"Soul crush", 1, 1, 15, 5, 0, "Inflicts %u damage for suffering %u damage."},
    {"Black out", 1, 1, 12, 0, 0, "Drains %u Hp from the enemy."},
    {"Bone wall", 3, 2, 0, 0, 6, "Defensive bone wall. Hp:\v%u."},
    {"Blood golem", 3, 2, 1, 0, 6, "Minion, inflicts %u damage to the enemy in each turn. Hp:\v%u."},
    {"Blood moat", 3, 2, 0, 0, 8, "Defensive bone wall. Hp:\v%u."},
    {"Ghoul", 3, 2, 2, 0, 4, "Minion, inflicts %u damage to the enemy in each turn. Hp:\v%u."},
    {"Graveyard", 2, 8, 1, 0, 5, "Regenerates %u Hp per turn. Turns:\v%u."},
    {"Skeleton", 1, 2, 3, 0, 4, "Minion, inflicts %u damage to the enemy in each turn. Hp:\v%u."},
    {"Vampire", 1, 8, 3, 0, 3, "Minion, drains %u Hp in each turn. Turns:\v%u."},
    {"Acid rain", 3, 8, 1, 0, 3, "Inflicts %u damage per turn. Turns:\v%u."},
    {"Parasite", 3, 8, 1, 0, 3, "Drains %u Hp per turn. Turns:\v%u."},
    {"Corpse army", 3, 8, 2, 0, 2, "Inflicts %u damage per turn. Turns:\v%u."},
    {"Vampire bats", 2, 8, 1, 0, 4, "Drains %u Hp per turn. Turns:\v%u."},
    {"Unholy seal", 1, 8, 1, 0, 3, "Drains %u Hp per turn. Turns:\v%u."},
    {"Blood boil", 1, 8, 10, 0, 2, "Inflicts %u Hp damage per turn. Turns:\v%u."},
    {"Heart pile", 2, 16, 0, 0, 0, "Combo card, and heals half of the missing Hp."},
    {"Soul pile", 1, 16, 0, 0, 0, "Combo card, you can table another card which effect's doubled."},
};

constexpr int kSwapAttempts = 100;

}  // namespace

void SCardTable::Init(uint32_t screenMode) {
    // The small screen types have their own set of card pictures.
    const bool small = IsSmallScreenType(screenMode);
    for (uint32_t deck = 0; deck < kCardDecks; ++deck) {
        for (uint32_t index = 0; index < kCardsPerDeck; ++index) {
            const CardTemplate& from = kTemplates[deck * kCardsPerDeck + index];
            SCard& card = m_cards[deck * kCardsPerDeck + index];
            card.deck = deck;
            card.index = index;
            card.copies = from.copies;
            card.name = from.name;
            card.text = from.text;
            card.value1 = from.value1;
            card.value2 = from.value2;
            card.value3 = from.value3;
            card.kind = from.kind;
            card.pictureId = uint16_t(small ? 3952 + 25 * deck + index : 3570 + 30 * deck + index);
        }
    }
}

bool SCardTable::LoadPictures(SPdb& package, uint16_t& missing) {
    for (SCard& card : m_cards) {
        if (card.LoadPicture(package)) continue;
        missing = card.pictureId;
        ReleasePictures();
        return false;
    }
    return true;
}

void SCardTable::ReleasePictures() {
    for (SCard& card : m_cards) card.ReleasePicture();
}

void SCardTable::BuildDeck(uint32_t deck, SCardPile& pile, SRandom& random) const {
    pile.clear();
    for (uint32_t index = 0; index < kCardsPerDeck; ++index) {
        for (int32_t copy = 0; copy < Get(deck, index).copies; ++copy) pile.push_back(index);
    }
    for (int attempt = 0; attempt < kSwapAttempts; ++attempt) {
        const int32_t a = random.Next(int32_t(pile.size()));
        const int32_t b = random.Next(int32_t(pile.size()));
        if (a != b) std::swap(pile[a], pile[b]);
    }
}
