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
    R"(# An outdoor yard under the sky: grass and sand round a walled court with an open gate, and south
# of it a street between roofed houses with every kind of object.
sky on
fog 2
far 7
fogcolour 9CF3
light 256
position 7.5 12.5
heading 45
view 380 240
ceiling sky
markers marker-a marker-b
cell . floor=grass
cell , floor=grass blend=dirt mask=mask
cell s floor=sand
cell # wall=brick
cell H wall=brick upper=upper
cell t floor=grass canopy=canopy
cell h wall=brick roof=roof
cell c floor=sand composite=statue+lamp@-4,8+lamp@36,8
cell l floor=sand large=tree@600,400
cell D floor=sand door=doorframe+door-left@40,24+door-right@160,24 opening=28 mode=2
cell S floor=sand shelf=shelf@16,1,4 stack=potion+book+apple free=barrel@8,22,1
cell x floor=sand cross=fence
cell p floor=sand panel=notice+paper@60,4
cell b floor=sand turning=bush
cell g floor=sand pile=goblin@400,500 marker=100 pile=barrel@800,300
cell i floor=sand items=coin+potion+apple+coin+book+coin+apple+potion+coin+book
cell f floor=sand sprite=fireball@512,512,40 side=banner/banner-side@31,16,12 sign=sign@1,20,14
cell w floor=sand group=barrel@300,300+barrel@700,300+statue@512,700
cell r floor=sand raised=bird@300,500+bird@700,400 height=1.1
cell k floor=sand hanging=chandelier
cell u floor=sand upperpanel=balcony
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
...hhhh.hhhh...
...hhhwslhhh...
...hhhhSDhhh...
...hhhcsxhhh...
...hhhpsbhhh...
...hhhfsghhh...
...hhhsishhh...
...hhhksruhh...
...hhhs.shhh...
...hhhhhhhhh...
)";
