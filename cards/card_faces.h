#pragma once
// SCardFaces: the pictures the card widgets draw cards with: the back of a card of each deck, and
// the face a shown card is printed on, plain or, for a card that acts at once or gives another
// play, special. The card screen fills them from the interface package; tests fill them with
// pictures of their own.
#include <array>
#include <cstdint>

struct SPictureEntry;

struct SCardFaces {
    static constexpr uint32_t kDecks = 3;

    // The back of a card of the deck; null for a deck number outside the three.
    const SPictureEntry* KindPicture(uint32_t deck) const { return deck < kDecks ? kindPictures[deck] : nullptr; }

    std::array<const SPictureEntry*, kDecks> kindPictures{};
    const SPictureEntry* plainFace = nullptr;
    const SPictureEntry* specialFace = nullptr;
};
