#include "screens/play/monster_steps.h"

#include <array>
#include <cstddef>

namespace monster_steps {

namespace {

constexpr std::array<int, 9> kDirections = {7, 0, 1, 6, 0, 2, 5, 4, 3};

constexpr SStepChoice kStop = {0, 0, 0};
constexpr SStepChoice kNorth = {0, 0, -1};  // towards a player north of it: always side 0
constexpr SStepChoice kWest = {1, -1, 0};
constexpr SStepChoice kSouth = {2, 0, 1};
constexpr SStepChoice kEast = {3, 1, 0};

// By direction, then preference, then candidate.
constexpr SStepChoice kSteps[8][2][kCandidates] = {
    {{kSouth, kWest, kEast}, {kSouth, kEast, kWest}},   {{kWest, kSouth, kStop}, {kSouth, kWest, kStop}},
    {{kWest, kNorth, kSouth}, {kWest, kSouth, kNorth}}, {{kWest, kNorth, kStop}, {kNorth, kWest, kStop}},
    {{kNorth, kWest, kEast}, {kNorth, kEast, kWest}},   {{kEast, kNorth, kStop}, {kNorth, kEast, kStop}},
    {{kEast, kNorth, kSouth}, {kEast, kSouth, kNorth}}, {{kEast, kSouth, kStop}, {kSouth, kEast, kStop}},
};

constexpr int32_t kNearEdge = 535;
constexpr int32_t kFarEdge = 65000;
constexpr int32_t kMiddle = 32768;

// x then y for sides 0..3, by place.
constexpr int32_t kPlaces[5][2][4] = {
    {{kMiddle, kFarEdge, kMiddle, kNearEdge}, {kFarEdge, kMiddle, kNearEdge, kMiddle}},
    {{14480, kFarEdge, 51056, kNearEdge}, {kFarEdge, 51056, kNearEdge, 14480}},
    {{51056, 64000, 14480, 1535}, {64000, 14480, 1535, 51056}},
    {{20480, kFarEdge, 45056, kNearEdge}, {kFarEdge, 45056, kNearEdge, 20480}},
    {{45056, 64000, 20480, 1535}, {64000, 20480, 1535, 45056}},
};

}  // namespace

int Direction(int signX, int signY) { return kDirections[std::size_t((signX + 1) + (signY + 1) * 3)]; }

const SStepChoice& Candidate(int direction, int preference, int index) {
    return kSteps[direction & 7][preference & 1][index];
}

SSubCell SlotOffset(SSlotPlace place, int side) {
    const auto p = std::size_t(place);
    const auto s = std::size_t(side & 3);
    return {kPlaces[p][0][s], kPlaces[p][1][s]};
}

int32_t InsideEdges(int32_t position) {
    if (position <= 0) return kFarEdge;
    if (position >= 65536) return kNearEdge;
    return position;
}

}  // namespace monster_steps
