#include "cards/card_rules.h"

#include "cards/card_table.h"

namespace {

using P = SCardPlay;
using T = SCardTurn;
using D = SCardDeal;
using R = SCardReceive;
using S = SCardScore;

// Record d * 25 + i is card i of deck d, as in the card table.
constexpr SCardRule kRules[kCardDecks * kCardsPerDeck] = {
    // Warrior.
    {P::Strike, T::None, D::None, R::None, S::Fixed, 80, 0},                  // Slash
    {P::Strike, T::None, D::None, R::None, S::Fixed, 80, 0},                  // Crush
    {P::SplitStrike, T::None, D::None, R::None, S::Fixed, 80, 0},             // Rapid stab
    {P::StrikeAndMark, T::HurtValue2, D::None, R::None, S::OwnFull, 40, 60},  // Bleeding
    {P::Assault, T::None, D::None, R::None, S::Fixed, 70, 0},                 // Assault
    {P::SplitStrike, T::None, D::None, R::None, S::Fixed, 80, 0},             // Dual strike
    {P::Backstab, T::None, D::None, R::None, S::Fixed, 80, 0},                // Backstab
    {P::Mark, T::None, D::None, R::Resist, S::OwnFull, 40, 60},               // Block
    {P::Combo, T::None, D::None, R::None, S::Fixed, 80, 0},                   // War cry
    {P::Mark, T::None, D::None, R::Shield, S::OwnFull, 40, 60},               // Tower shield
    {P::Mark, T::None, D::SpendAttack, R::None, S::OwnFull, 40, 60},          // Long sword
    {P::Mark, T::None, D::None, R::Shield, S::OwnFull, 40, 60},               // Kite shield
    {P::Mark, T::None, D::SpendAttack, R::None, S::OwnFull, 40, 60},          // Battle axe
    {P::Mark, T::None, D::None, R::Shield, S::OwnFull, 40, 60},               // Plate mail
    {P::Mark, T::None, D::None, R::Reduce, S::OwnFull, 40, 60},               // Mourner
    {P::Heal, T::None, D::None, R::None, S::Healthy, 30, 90},                 // Remedy
    {P::HealAndMark, T::HealValue2, D::None, R::None, S::Healthy, 30, 90},    // Healing potion
    {P::HealHalf, T::None, D::None, R::None, S::Healthy, 30, 90},             // Rejuvenate
    {P::RaiseAndHeal, T::None, D::None, R::None, S::Fixed, 70, 0},            // Heroic Remedy
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 60},         // Arrow storm
    {P::RemoveMarker, T::None, D::None, R::None, S::Fixed, 60, 0},            // Fosse
    {P::Mark, T::AbsorbValue1, D::None, R::None, S::OwnFull, 40, 60},         // Raid
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 60},         // Marksman
    {P::ComboHeal, T::None, D::None, R::None, S::Healthy, 45, 95},            // Bloodlust
    {P::Mark, T::None, D::Boost, R::Weaken, S::OwnFull, 40, 75},              // Berzerk
    // Sorcerer.
    {P::Mark, T::HealValue1, D::None, R::None, S::OwnFull, 40, 70},      // Life node
    {P::Mark, T::None, D::None, R::Reduce, S::OwnFull, 40, 70},          // Aura of air
    {P::Mark, T::None, D::Boost, R::None, S::OwnFull, 40, 70},           // Death node
    {P::Mark, T::None, D::None, R::Reduce, S::OwnFull, 40, 70},          // Aura of water
    {P::Mark, T::None, D::Boost, R::None, S::OwnFull, 40, 70},           // Moon node
    {P::Mark, T::None, D::None, R::Reflect, S::OwnFull, 40, 70},         // Aura of fire
    {P::Mark, T::None, D::Boost, R::None, S::OwnFull, 40, 70},           // Sun node
    {P::Mark, T::None, D::None, R::Reduce, S::OwnFull, 40, 70},          // Aura of earth
    {P::Strike, T::None, D::None, R::None, S::Fixed, 80, 0},             // Ice bolt
    {P::Strike, T::None, D::None, R::None, S::Fixed, 80, 0},             // Chain lightning
    {P::Strike, T::None, D::None, R::None, S::Fixed, 80, 0},             // Earthquake
    {P::Assault, T::None, D::None, R::None, S::Fixed, 80, 0},            // Whirlwind
    {P::Strike, T::None, D::None, R::None, S::Fixed, 80, 0},             // Firewall
    {P::ClearMarkers, T::None, D::None, R::None, S::EnemyFull, 90, 50},  // Starfall
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 70},    // Sandstorm
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 70},    // Blizzard
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 70},    // Blade storm
    {P::Mark, T::None, D::None, R::Reduce, S::OwnFull, 40, 70},          // Will-o'-the-wisp
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 70},    // Wildfire
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 70},    // Rage of nature
    {P::Heal, T::None, D::None, R::None, S::Healthy, 45, 85},            // Healing shower
    {P::Heal, T::None, D::None, R::None, S::Healthy, 45, 85},            // Healing scroll
    {P::Heal, T::None, D::None, R::None, S::Healthy, 45, 85},            // Bless
    {P::ComboHeal, T::None, D::None, R::None, S::Healthy, 45, 85},       // Mana explosion
    {P::Combo, T::None, D::None, R::None, S::Fixed, 75, 0},              // Mana storm
    // Necromancer.
    {P::StrikeSuffer2, T::None, D::None, R::None, S::Healthy, 80, 20},  // Blood chant
    {P::StrikeSuffer2, T::None, D::None, R::None, S::Healthy, 80, 20},  // Fang
    {P::Strike, T::None, D::None, R::None, S::Fixed, 80, 0},            // Atrophy
    {P::StrikeSuffer1, T::None, D::None, R::None, S::Healthy, 80, 20},  // Sacrifice
    {P::Drain, T::None, D::None, R::None, S::Fixed, 85, 0},             // Dark touch
    {P::StrikeSuffer2, T::None, D::None, R::None, S::Fixed, 80, 0},     // Poison cloud
    {P::StrikeSuffer2, T::None, D::None, R::None, S::Fixed, 80, 0},     // Blood filch
    {P::Drain, T::None, D::None, R::None, S::Fixed, 85, 0},             // Vampire bite
    {P::StrikeSuffer2, T::None, D::None, R::None, S::Fixed, 80, 0},     // Soul crush
    {P::Drain, T::None, D::None, R::None, S::Fixed, 80, 0},             // Black out
    {P::Mark, T::None, D::None, R::ShieldAll, S::OwnFull, 40, 75},      // Bone wall
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 75},   // Blood golem
    {P::Mark, T::None, D::None, R::ShieldAll, S::OwnFull, 40, 75},      // Blood moat
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 75},   // Ghoul
    {P::Mark, T::HealValue1, D::None, R::None, S::OwnFull, 40, 75},     // Graveyard
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 75},   // Skeleton
    {P::Mark, T::DrainValue1, D::None, R::None, S::OwnFull, 40, 75},    // Vampire
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 75},   // Acid rain
    {P::Mark, T::DrainValue1, D::None, R::None, S::OwnFull, 40, 75},    // Parasite
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 75},   // Corpse army
    {P::Mark, T::DrainValue1, D::None, R::None, S::OwnFull, 40, 75},    // Vampire bats
    {P::Mark, T::DrainValue1, D::None, R::None, S::OwnFull, 40, 75},    // Unholy seal
    {P::Mark, T::StrikeValue1, D::None, R::None, S::OwnFull, 40, 75},   // Blood boil
    {P::ComboHeal, T::None, D::None, R::None, S::Healthy, 55, 90},      // Heart pile
    {P::Combo, T::None, D::None, R::None, S::Fixed, 75, 0},             // Soul pile
};

}  // namespace

const SCardRule& CardRule(uint32_t deck, uint32_t index) { return kRules[deck * kCardsPerDeck + index]; }
