// The viewer's sample worlds.
#include "tools/sampledata/tiny_world.h"

const char* const kSampleDungeon =
    R"(# A dungeon: a corridor north with a pit, a side room under a second storey, the map's edge east.
sky off
fog 2
far 7
fogcolour 0841
light 256
position 3.5 12.5
heading 0
view 380 240
ceiling ceiling
cell # wall=brick upper=upper
cell . floor=stone
cell , floor=stone blend=moss mask=mask
cell p floor=pitside pit
cell r floor=stone upper=upper vault=vault
cell - wall=brick
grid
##############
#..,..#......#
#.#####.####.-
#.#rrr..#..#.-
#.#r.r#.#..#.-
#.p...#...,...
#.#####.####.-
#.......,,...-
###.##########
###.##########
###.##########
###,##########
###.##########
##############
)";

const char* const kSampleYard =
    R"(# An outdoor yard under the sky: grass and sand round a walled court with an open gate.
sky on
fog 2
far 7
fogcolour 9CF3
light 256
position 7.5 12.5
heading 45
view 380 240
ceiling sky
cell . floor=grass
cell , floor=grass blend=dirt mask=mask
cell s floor=sand
cell # wall=brick
cell H wall=brick upper=upper
cell t floor=grass canopy=canopy
grid
...............
..,,,......s...
..#######H#....
..#sssssss#....
..#s.....s#..t.
..#s.....s#..t.
..#sss.sss#....
..####.####....
.......,.......
...ss...t......
...ss.....,,...
...............
...............
...............
)";
