#include "tools/sampledata/interface_package.h"

#include <map>

#include "engine/files/pdb_writer.h"
#include "engine/files/settings.h"
#include "game/interface_pictures.h"
#include "game/interface_roles.h"
#include "tools/sampledata/card_art.h"
#include "tools/sampledata/card_table_art.h"
#include "tools/sampledata/font_strips.h"
#include "tools/sampledata/interface_art.h"
#include "tools/sampledata/interface_layout.h"
#include "tools/sampledata/scene_screen_art.h"
#include "tools/sampledata/splash_art.h"
#include "tools/sampledata/wave_writer.h"

namespace {

// Every record the slot table names: a role's picture where a role takes the slot, else a plain
// tile. The small, square and large screens each name their own records; where they share one,
// its role draws it the same on every screen.
std::map<uint16_t, std::vector<uint8_t>> interfacePictures() {
    std::map<uint16_t, std::vector<uint8_t>> pictures;
    for (uint16_t id : AllInterfacePictureRecords()) pictures[id] = InterfacePicture(id);
    for (uint32_t mode : {7u, 8u, 10u}) {
        for (int r = 0; r < int(SInterfaceRole::kCount); ++r) {
            const SInterfaceRole role = SInterfaceRole(r);
            const SRoleSlots slots = InterfaceRoleSlots(role);
            for (int i = 0; i < slots.count; ++i)
                if (uint16_t id = InterfacePictureRecord(slots.first + i, mode))
                    pictures[id] = RolePicture(role, i, IsLargeScreenMode(int(mode)));
        }
    }
    return pictures;
}

using SPackageRecords = std::vector<std::pair<uint16_t, std::vector<uint8_t>>>;

// Every record of the package, in the order it is written; false, with why, when a font strip
// cannot be drawn.
bool collectRecords(SPackageRecords& records, std::string& error) {
    for (uint16_t id = 3010; id <= 3014; ++id) {
        std::vector<uint8_t> strip = RenderFontStrip(id, error);
        if (strip.empty()) return false;
        records.emplace_back(id, std::move(strip));
    }
    for (bool squareOrLarge : {false, true})
        records.emplace_back(squareOrLarge ? 3003 : 3001, SLayoutRecord::Build(SampleLayout(squareOrLarge)));
    for (auto* pictures : {interfacePictures, CardPictures, CardTablePictures, SplashPictures, SceneScreenPictures})
        for (auto& [id, picture] : pictures()) records.emplace_back(id, std::move(picture));
    // The two interface clicks: a light one for turning a page, a deeper one for an answer.
    records.emplace_back(4031, MakeWave(22050, 1, FadingTone(22050, 1200, 0.03, 9000)));
    records.emplace_back(4032, MakeWave(22050, 1, FadingTone(22050, 800, 0.05, 9000)));
    return true;
}

// The records come out the same at every call, and the tests write the package for nearly every
// case, so they are drawn once per process.
const SPackageRecords* packageRecords(std::string& error) {
    static std::string failure;
    static const SPackageRecords records = [] {
        SPackageRecords collected;
        if (!collectRecords(collected, failure)) collected.clear();
        return collected;
    }();
    if (records.empty()) {
        error = failure;
        return nullptr;
    }
    return &records;
}

}  // namespace

bool WriteInterfacePackage(const SFileFolder& folder, std::string& error) {
    const SPackageRecords* records = packageRecords(error);
    if (!records) return false;
    SPdbWriter writer;
    writer.Attach(folder);
    writer.SetTypeAndCreator("DATA", kPackageCreator);
    for (const auto& [id, record] : *records) writer.AddRecord(id, record.data(), uint32_t(record.size()));
    if (!writer.Write("BrimvaleData")) {
        error = "cannot write " + folder.Resolve("BrimvaleData.pdb");
        return false;
    }
    return true;
}
