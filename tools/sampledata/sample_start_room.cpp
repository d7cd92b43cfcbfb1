#include "tools/sampledata/sample_start_room.h"

namespace {

// Below ground the map's cells are the grid's own, so the room lies round the grid's middle. The
// walls meet in the corners, and the wall that juts into the room east of the start shows the
// corner and end pieces from the inside. The plate by the west wall teleports to the crossroads,
// the stairs in the nook east of the start lead up beside them, those in the east wall down to the
// dungeon, with rock behind them as behind every wall; the sign tells, the banner asks. Every wall,
// door and stair has a wall in its second storey too, so that the walls reach the ceiling; under it
// a door or a stair shows the ceiling.
const char* const kCellar = R"(
fog 0x0841
view 100
floor base_stone
ceiling base_ceiling
cell # centre=base_brick shadow-floor=base_brick shadow-centre=base_brick
cell . floor=base_stone
cell D floor=base_stone centre=base_door centre-id=1 centre-extra=8 upper=base_doorleaf shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell B centre=base_brick wall-s=base_banner wall-s-id=2 shadow-floor=base_brick shadow-centre=base_brick
cell S centre=base_brick wall-s=base_sign wall-s-id=3 shadow-floor=base_brick shadow-centre=base_brick
cell P floor=base_stone centre=base_position centre-id=4 centre-extra=1
cell T floor=base_stone centre=base_plate centre-id=7
cell U floor=base_stone centre=base_stairs centre-id=5 shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell F floor=base_stone centre=base_position centre-id=6 centre-extra=4
cell V floor=base_stone centre=base_stairs centre-id=8 shadow-floor=base_brick shadow-centre=base_brick shadow-upper=base_ceiling
cell G floor=base_stone centre=base_position centre-id=9 centre-extra=3
cells 14 12
##########
####.#####
##B#D#S###
#......GV#
#T......##
#.....####
#.....#U##
#...P..F##
##########
end
; A closed plain door: visible and closed.
object 1 base_cellardoor flags=3
object 2 base_cellarbanner text-a="The banner of Brim Vale." text-b=base_touchbanner
object 3 base_cellarsign text-a="Mind the goblin." text-b=base_readsign
object 4 base_start
object 5 base_cellarstairs text-a=base_stairtop text-b=base_stairsup
object 6 base_cellarfoot
object 7 base_cellarplate text-b=base_plate
object 8 base_cellardown state=1 text-a=base_dungeonfoot text-b=base_dungeondown
object 9 base_cellarback
container 1 17 18 loot=base_water,base_money_100,base_alc_alkieberries
; Peaceful until provoked, facing south towards the start, so that it stands to be looked at.
creature base_cavegoblin 18 16 state=0x10 hp=12
)";

}  // namespace

SSampleMap SampleStartRoom() { return {"base_cellar", "The cellar", kCellar}; }
