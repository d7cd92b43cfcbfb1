#pragma once
// Whole frames compared exactly with frames looked at and kept in tests/render/golden/. A frame that
// differs is written with a picture of the differences into $BRIMVALE_SHOTS (or the temporary
// folder); BRIMVALE_REGENERATE_GOLDENS=1 rewrites the kept frames, to be looked at before they are
// committed.
#include <cstdint>
#include <string>
#include <vector>

// Fails the running test, naming where the frame and its differences were written, when the
// frame of width x height pixels is not the one kept as NAME.png.
void ExpectGolden(const std::string& name, const std::vector<uint16_t>& pixels, int width, int height);
