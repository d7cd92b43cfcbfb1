#include "tools/sampledata/sample_ferry.h"

#include "tools/sampledata/sample_package.h"
#include "tools/sampledata/sample_world_scripts.h"
#include "tools/sampledata/section_cells.h"

namespace {

constexpr const char* kLanding = "base_s0302";
// Both stand north of the road (row 10), their signs on their south sides, facing the road.
constexpr int kPostX = 14;
constexpr int kBoatX = 16;
constexpr int kRow = 9;

const char* const kLegend = R"(cell s floor=base_grass centre=base_brick wall-s=base_sign wall-s-id=80
cell t floor=base_grass centre=base_brick wall-s=base_sign wall-s-id=81)";

const char* const kObjects = R"(object 80 base_ferrypost text-a="The ferry to Eastbrook." text-b=base_ferryask
object 81 base_ferryboat text-a="A boat bound downriver." text-b=base_ferrysail
)";

struct SFerryScript {
    const char* name;
    const char* listing;
};

const SFerryScript kScripts[] = {
    {"base_ferryask",
     R"(if ( evtuse ( ) ) @player . movequestion ( "base_s0303townportal" , "Take the ferry down the river to Eastbrook?" ) ;)"},
    {"base_ferrysail",
     R"(if ( evtuse ( ) ) @player . movebyship ( "base_s0303townportal" , "You sail down the river to Eastbrook." ) ;)"},
};

}  // namespace

void AddFerryLanding(std::vector<SSampleMap>& maps) {
    for (SSampleMap& map : maps) {
        if (map.name != kLanding) continue;
        AddSectionLegend(map.level, kLegend);
        SetSectionCell(map.level, kPostX, kRow, 's');
        SetSectionCell(map.level, kBoatX, kRow, 't');
        map.level += kObjects;
    }
}

void AddFerryScripts(SScriptTable& scripts) {
    for (const SFerryScript& sample : kScripts) AddWorldScript(scripts, sample.name, sample.listing);
}
