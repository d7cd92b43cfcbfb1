#pragma once
// SWorldRecord: the play screen's part of a saved game, the 'W' record: where the player stands and
// looks, the game clock, the weather and the prison sentence. One field list serves both
// directions. The three rain drift fields came with version 99; older saves leave them 0.
#include <cstdint>
#include <string>

class SArchive;

struct SWorldRecord {
    static constexpr uint8_t kTag = 'W';
    static constexpr int kFirstVersionWithDrift = 99;

    // Reading takes the tag when it is there; without it the record is read from its first
    // aligned word all the same.
    void Serialize(SArchive& archive, int version);
    // Empty when every value lies in its range; otherwise what is wrong, for the load's message.
    std::string Fault() const;

    uint32_t heading = 0;
    int32_t x = 0, y = 0;
    int32_t previousX = -1, previousY = -1;  // -1, -1 before the first step
    uint32_t facing = 0;
    uint32_t minutes = 0;
    uint32_t weatherRoll = 0;
    std::string skyOverride;
    int32_t rainIntensity = 0;
    int32_t rainTarget = 0;
    int32_t rainCountdown = 0;
    int32_t rainDirection = 0;
    uint32_t subMode = 0;  // kept for the file's sake: a game always resumes in free play
    uint32_t inPrison = 0;
    uint32_t prisonStart = 0;
    std::string prisonName;
};
