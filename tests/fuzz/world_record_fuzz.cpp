// The play screen's 'W' record of a saved game, read at the versions before and after the rain's
// drift joined it. A record that reads and passes the check holds every value in its range, and
// written back it reads the same again.
#include <cstdlib>

#include "engine/base/archive.h"
#include "screens/play/world_record.h"

namespace {

bool same(const SWorldRecord& a, const SWorldRecord& b) {
    return a.heading == b.heading && a.x == b.x && a.y == b.y && a.previousX == b.previousX &&
           a.previousY == b.previousY && a.facing == b.facing && a.minutes == b.minutes &&
           a.weatherRoll == b.weatherRoll && a.skyOverride == b.skyOverride && a.rainIntensity == b.rainIntensity &&
           a.rainTarget == b.rainTarget && a.rainCountdown == b.rainCountdown && a.rainDirection == b.rainDirection &&
           a.subMode == b.subMode && a.inPrison == b.inPrison && a.prisonStart == b.prisonStart &&
           a.prisonName == b.prisonName;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int version : {98, 116}) {
        SArchive reader;
        reader.OpenRead(data, uint32_t(size));
        SWorldRecord record;
        record.Serialize(reader, version);
        if (reader.Failed() || !record.Fault().empty()) continue;
        if (record.x < 0 || record.x > 34 || record.y < 0 || record.y > 34 || record.heading >= 360 ||
            record.rainIntensity < 0 || record.rainIntensity > 1000)
            std::abort();
        SArchive writer;
        writer.OpenWrite();
        record.Serialize(writer, version);
        SArchive again;
        again.OpenRead(writer.Data(), writer.GetSize());
        SWorldRecord copy;
        copy.Serialize(again, version);
        if (again.Failed() || !same(record, copy)) std::abort();
    }
    return 0;
}
