#pragma once
// SSavePackageIndex: record 3001 of a saved game: the world package the player was in and its
// current map, then every package the save holds the state of, each with the first record id of
// its part of the file.
#include <cstdint>
#include <string>
#include <vector>

class SArchive;

struct SSavePackageIndex {
    struct Entry {
        std::string identifier;
        uint32_t firstId = 0;
    };

    // A u32 count, the current package and map, then each entry: the identifier, zero bytes up to
    // a multiple of 4 and the first id. Reading grows the list with what the record holds.
    void Serialize(SArchive& archive);
    // The entry of that identifier; null when the index lists none.
    const Entry* Find(const std::string& identifier) const;

    std::string current;
    std::string currentMap;
    std::vector<Entry> packages;
};
