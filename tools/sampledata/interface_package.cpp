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

}  // namespace

bool WriteInterfacePackage(const SFileFolder& folder, std::string& error) {
    SPdbWriter writer;
    writer.Attach(folder);
    writer.SetTypeAndCreator("DATA", kPackageCreator);
    for (uint16_t id = 3010; id <= 3014; ++id) {
        std::vector<uint8_t> strip = RenderFontStrip(id, error);
        if (strip.empty()) return false;
        writer.AddRecord(id, strip.data(), uint32_t(strip.size()));
    }
    for (bool squareOrLarge : {false, true}) {
        const std::vector<uint8_t> layout = SLayoutRecord::Build(SampleLayout(squareOrLarge));
        writer.AddRecord(squareOrLarge ? 3003 : 3001, layout.data(), uint32_t(layout.size()));
    }
    for (const auto& [id, picture] : interfacePictures())
        writer.AddRecord(id, picture.data(), uint32_t(picture.size()));
    for (const auto& [id, picture] : CardPictures()) writer.AddRecord(id, picture.data(), uint32_t(picture.size()));
    for (const auto& [id, picture] : CardTablePictures())
        writer.AddRecord(id, picture.data(), uint32_t(picture.size()));
    for (const auto& [id, picture] : SplashPictures()) writer.AddRecord(id, picture.data(), uint32_t(picture.size()));
    for (const auto& [id, picture] : SceneScreenPictures())
        writer.AddRecord(id, picture.data(), uint32_t(picture.size()));
    // The two interface clicks: a light one for turning a page, a deeper one for an answer.
    const std::vector<uint8_t> click = MakeWave(22050, 1, FadingTone(22050, 1200, 0.03, 9000));
    const std::vector<uint8_t> answer = MakeWave(22050, 1, FadingTone(22050, 800, 0.05, 9000));
    writer.AddRecord(4031, click.data(), uint32_t(click.size()));
    writer.AddRecord(4032, answer.data(), uint32_t(answer.size()));
    if (!writer.Write("BrimvaleData")) {
        error = "cannot write " + folder.Resolve("BrimvaleData.pdb");
        return false;
    }
    return true;
}
