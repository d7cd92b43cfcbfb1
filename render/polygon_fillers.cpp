#include "render/polygon_fillers.h"

#include "render/fill/fillers.h"

const SPolygonFillers kPolygonFillers = {
    .flat = DrawPolyFlat,
    .sky = DrawPolySky,
    .billboard = DrawPolyBillboard,
    .wall = DrawPolyWall,
    .sideFace = DrawPolySideFace,
    .wallOverlay = DrawPolyWallOverlay,
    .objectFace = DrawPolyType10,
    .keyedQuad = DrawPolyType13,
    .keyedObjectQuad = DrawPolyType14,
    .floor1 = {DrawPolyFloor1NS, DrawPolyFloor1EW, DrawPolyFloor1Free},
    .floor2 = {DrawPolyFloor2NS, DrawPolyFloor2EW, DrawPolyFloor2Free},
    .floor3 = {DrawPolyFloor3NS, DrawPolyFloor3EW, DrawPolyFloor3Free},
    .floor4 = {DrawPolyFloor4NS, DrawPolyFloor4EW, DrawPolyFloor4Free},
    .floor5 = {DrawPolyFloor5NS, DrawPolyFloor5EW, DrawPolyFloor5Free},
};
