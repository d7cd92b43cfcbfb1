#pragma once
// The sample pictures of the card duel, by the interface records the card screen and the card
// table load: per screen class the backs of the three decks, the draw pile, the two faces a shown
// card is printed on (plain, and gold for instant and combo cards), the marker slot with its hit
// and tick marks, and each card's own small picture; the table's background for both.
#include <cstdint>
#include <map>
#include <vector>

// Record id to picture record.
std::map<uint16_t, std::vector<uint8_t>> CardPictures();
