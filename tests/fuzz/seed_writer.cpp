// brimvale-fuzz-seeds FOLDER: writes each fuzz target's first inputs into FOLDER/<target>/, every
// one made by the game's own writers (or the test support's, which use them), so that the seeds
// follow the formats as they change. A folder per target, named as the target's program.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/package/module_context.h"
#include "data/package/module_list.h"
#include "data/player/character_choice.h"
#include "data/rules/attribute_table.h"
#include "data/rules/race_table.h"
#include "data/rules/skill_table.h"
#include "engine/base/archive.h"
#include "engine/draw/picture.h"
#include "engine/files/pdb_writer.h"
#include "engine/files/settings.h"
#include "engine/packages/resource_cache.h"
#include "fuzz/archive_script.h"
#include "fuzz/dialogue_input.h"
#include "fuzz/empty_save_names.h"
#include "fuzz/music_input.h"
#include "game/interface_pictures.h"
#include "game/layout_record.h"
#include "screens/inventory/inventory_pages.h"
#include "screens/play/world_record.h"
#include "support/playable_game.h"
#include "support/sound_fixtures.h"
#include "support/step_counter.h"
#include "support/world_package.h"
#include "tools/sampledata/audio_packages.h"
#include "tools/sampledata/interface_art.h"
#include "tools/sampledata/interface_layout.h"
#include "tools/sampledata/sample_people.h"
#include "tools/sampledata/script_assembler.h"
#include "tools/sampledata/wave_writer.h"
#include "tools/sampledata/world_packages.h"

namespace {

namespace fs = std::filesystem;

class SSeeds {
public:
    explicit SSeeds(fs::path folder) : m_folder(std::move(folder)) {}

    // The folder of one target's seeds, made when missing.
    fs::path Target(const char* target) const {
        fs::path path = m_folder / target;
        fs::create_directories(path);
        return path;
    }
    void Write(const char* target, const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(Target(target) / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) fail("cannot write " + (Target(target) / name).string());
    }
    // A database's file bytes, for the targets that read whole files.
    void Write(const char* target, const std::string& name, const SPdbWriter& writer) const {
        Write(target, name, writer.Build());
    }
    [[noreturn]] static void fail(const std::string& why) {
        std::fprintf(stderr, "brimvale-fuzz-seeds: %s\n", why.c_str());
        std::exit(1);
    }

private:
    fs::path m_folder;
};

std::vector<uint8_t> picture(int format, int width, int height) {
    const int texels = format == 0 ? width * height : (width / 2) * (height / 2);
    std::vector<uint32_t> indices(size_t(std::max(texels, 0)));
    for (size_t i = 0; i < indices.size(); ++i) indices[i] = uint32_t(i % 5);
    // A block index names four table entries, so block pictures carry four times the colours.
    const uint16_t shades[] = {0x0000, 0xF800, 0x07E0, 0x001F, 0xFFFF};
    std::vector<uint16_t> colours(format == 0 ? 5 : 20);
    for (size_t i = 0; i < colours.size(); ++i) colours[i] = shades[i % 5];
    return BuildPictureRecord(format, width, height, indices, colours);
}

std::vector<SNamedResource> samplePictures() {
    return {{"base_wall", picture(0, 4, 3)}, {"base_door", picture(1, 8, 8)}, {"base_sky", picture(2, 6, 4)}};
}

std::vector<SNamedResource> samplePalettes() {
    return {{"base_dusk", std::vector<uint8_t>(16, 0x42), "dusk", 3}, {"base_dawn", std::vector<uint8_t>(8, 0x17)}};
}

// Level data with every part a map reads: a surface section with its cell index, and a cave with
// objects, creatures and containers.
const char* const kSurfaceLevel = R"(
surface
cell . floor=base_water/base_dusk
cell t floor=base_water centre=base_water centre-id=1 wall-n=base_water/base_dawn wall-n-id=2 shadow-centre=base_water
cells 2 3
.t.
t..
end
object 1 base_water flags=3 state=0x241
object 2 base_water text-a=east
creature base_rat 3 3 container=1
container 1 255 255 flags=1 loot=base_bread*2%50,level2
)";
const char* const kCaveLevel = R"(
floor base_water
cell # centre=base_water decoration-e=base_water shadow-upper=base_water/base_dusk
cells 0 0
##
end
object 4 base_water
creature base_rat 1 1 owner=4 state=6
container 2 1 0
)";

TestWorldPackage sampleWorld(int version) {
    TestWorldPackage package;
    package.version = version;
    package.mapPrefix = "base_s";
    package.pictures = samplePictures();
    package.palettes = samplePalettes();
    package.names[SNameIndex::Palettes] = {"base_dusk", "base_dawn"};
    package.names[SNameIndex::MapObjectTypes] = {"base_water"};
    package.paletteIndex = 1;
    package.maps = {{"base_s0303", "Brim", kSurfaceLevel}, {"base_s0403", "Vale"}, {"base_cave", "Cave", kCaveLevel}};
    return package;
}

void writeWorld(const TestWorldPackage& world, SPdbWriter& writer) {
    std::string error;
    if (!world.WriteTo(writer, &error)) SSeeds::fail("cannot write a seed world: " + error);
}

// A world whose rule tables hold the built-in entries, with the sample people, and the sample sound
// package, for the target that reads packages through the game's own table loaders.
void writeWorldTables(const SSeeds& seeds) {
    TestWorldPackage world = sampleWorld(114);
    SAttributeTable attributes;
    attributes.InitDefaults();
    SSkillTable skills;
    skills.InitDefaults();
    SRaceTable races;
    races.InitDefaults();
    world.tables = {{SModuleTable::Attributes, {TableRecord(attributes, world.version)}},
                    {SModuleTable::Skills, {TableRecord(skills, world.version)}},
                    {SModuleTable::Races, {TableRecord(races, world.version)}}};
    AddSamplePeople(world);
    SPdbWriter writer;
    writeWorld(world, writer);
    seeds.Write("world_tables_fuzz", "rules.pdb", writer);

    std::string error;
    if (!WriteSoundPackage(SFileFolder(seeds.Target("world_tables_fuzz").string() + "/"), error)) SSeeds::fail(error);
}

void writePackages(const SSeeds& seeds) {
    for (int version : {114, 100, 71}) {
        SPdbWriter writer;
        writeWorld(sampleWorld(version), writer);
        seeds.Write("package_fuzz", "world-" + std::to_string(version) + ".pdb", writer);
        if (version == 114) seeds.Write("pdb_fuzz", "world.pdb", writer);
    }
    TestWorldPackage bare;
    SPdbWriter writer;
    writeWorld(bare, writer);
    seeds.Write("package_fuzz", "bare.pdb", writer);

    SPdbWriter index;
    index.SetTypeAndCreator("DATA", kPackageCreator);
    uint16_t id = 4000;
    WriteResourceIndex(index, id, samplePictures(), samplePalettes());
    seeds.Write("resource_index_fuzz", "index.pdb", index);
    SPdbWriter empty;
    empty.SetTypeAndCreator("DATA", kPackageCreator);
    id = 4000;
    WriteResourceIndex(empty, id, {}, {});
    seeds.Write("resource_index_fuzz", "empty.pdb", empty);
}

// A whole saved game: a new game on the sample world, saved by the game.
void writeSavedGame(const SSeeds& seeds) {
    const fs::path world = seeds.Target("saved_game_fuzz") / "world";
    fs::create_directories(world);
    const SFileFolder folder(world.string());
    std::string error;
    SGameData game;
    PrepareGameWithoutWindow(game, world.string() + "/", 7);
    StepCounter steps;
    if (!WriteSoundPackage(folder, error) || !WriteMusicPackage(folder, error) ||
        !WriteResourcePackage(folder, error) || !WriteWorldPackage(folder, error) ||
        !game.m_saveNames.NewGame(steps, SCharacterChoice{}, error) || !game.m_saveNames.SaveGame(1, error))
        SSeeds::fail("cannot save the seed game: " + error);
    fs::copy_file(world / "BrimvaleSave1.pdb", seeds.Target("saved_game_fuzz") / "new-game.pdb",
                  fs::copy_options::overwrite_existing);
    fs::remove_all(world);
}

void writeSaves(const SSeeds& seeds) {
    const fs::path world = seeds.Target("save_state_fuzz") / "world";
    fs::create_directories(world);
    const SFileFolder folder(world.string());
    SResourceCache cache;
    cache.Init();
    SModuleContext context;
    context.folder = &folder;
    context.cache = &cache;
    SModuleList modules(context);
    if (!sampleWorld(114).Write(folder, "Brimvale") || !modules.Open("Brimvale"))
        SSeeds::fail("cannot open the seed world: " + modules.Error().Message());
    SModule& module = *modules.Current();
    module.SetPosition(*module.FindMap("base_s0403"), 10, 20, 3);
    for (int version : {116, 95, 90}) {
        SPdbWriter writer;
        writer.InitSaveHeader("BrimvaleSave1");
        SArchive archive;
        SEmptySaveNames names;
        module.SaveSaveState(writer, archive, version, 3100, names);
        seeds.Write("save_state_fuzz", "save-" + std::to_string(version) + ".pdb", writer);
        if (version == 116) seeds.Write("pdb_fuzz", "save.pdb", writer);
    }
    modules.Clear();
    fs::remove_all(world);
}

void writePictures(const SSeeds& seeds) {
    for (int format : {0, 1, 2})
        for (int size : {1, 6, 50})
            seeds.Write("picture_fuzz", "format" + std::to_string(format) + "-" + std::to_string(size),
                        picture(format, size, size));
    // The sample interface's pictures that are small enough to mutate quickly.
    int kept = 0;
    for (uint16_t id : AllInterfacePictureRecords()) {
        const std::vector<uint8_t> bytes = InterfacePicture(id);
        if (bytes.size() > 8192 || kept == 4) continue;
        seeds.Write("picture_fuzz", "interface-" + std::to_string(id), bytes);
        ++kept;
    }
}

void writeWorldRecords(const SSeeds& seeds) {
    SWorldRecord record;
    record.heading = 90;
    record.x = 17;
    record.y = 21;
    record.minutes = 880;
    record.weatherRoll = 95;
    record.skyOverride = "bres_sky-thunder";
    record.rainIntensity = 875;
    record.rainTarget = 950;
    record.rainDirection = 1;
    record.inPrison = 1;
    record.prisonName = "base_town_jail";
    for (int version : {98, 116}) {
        SArchive archive;
        archive.OpenWrite();
        record.Serialize(archive, version);
        seeds.Write("world_record_fuzz", "world-" + std::to_string(version),
                    {archive.Data(), archive.Data() + archive.GetSize()});
    }
}

void writeLayouts(const SSeeds& seeds) {
    for (bool large : {false, true})
        seeds.Write("layout_record_fuzz", large ? "large" : "handheld", SLayoutRecord::Build(SampleLayout(large)));
}

// The inventory's record with and without its tag, and one whose words are all out of range.
void writeInventoryPages(const SSeeds& seeds) {
    SInventoryPages pages;
    pages.page = SInventoryPages::kSpells;
    pages.spellSchool = 4;
    SArchive archive;
    archive.OpenWrite();
    pages.Serialize(archive);
    const std::vector<uint8_t> tagged(archive.Data(), archive.Data() + archive.GetSize());
    seeds.Write("inventory_pages_fuzz", "tagged", tagged);
    seeds.Write("inventory_pages_fuzz", "untagged", {tagged.begin() + 4, tagged.end()});
    seeds.Write("inventory_pages_fuzz", "out-of-range", std::vector<uint8_t>(32, 0xFF));
}

void writeScripts(const SSeeds& seeds) {
    const SScriptAssembler::Commands commands = {{"message", 187}, {"echo", 120}};
    const char* listings[] = {
        "$x = 2 * 3 + 4 ; $y = \"ab\" \"cd\" ; $y += $x ;",
        "if ( $x == 1 ) { @door . message ( \"hi\" , 70000 ) ; } else { $x -- ; } #7 return ;",
        "$x = echo ( 7 ) + 1 ; @nowhere . echo ( 1 ) ;",
        "~ #3 $x ~ = #4 ! ( 5 % 2 ) ; $x %= 4 ; $x *= ( 1 + 2 ) ;",
    };
    int n = 0;
    for (const char* listing : listings)
        seeds.Write("script_fuzz", "script" + std::to_string(n++), SScriptAssembler::Assemble(listing, commands));
}

void writeSounds(const SSeeds& seeds) {
    seeds.Write("wave_fuzz", "click", MakeWave(22050, 1, FadingTone(22050, 1200, 0.01, 9000)));
    seeds.Write("wave_fuzz", "stereo", MakeWave(11025, 2, {1000, 3000, -2000, -4000, 5, 6}));
    std::vector<uint8_t> eightBit = MakeWave(8000, 1, {0x7F00, 0x0180});
    eightBit[34] = 8;  // bits per sample: the four data bytes become four frames
    seeds.Write("wave_fuzz", "eight-bit", eightBit);
}

void writeMusic(const SSeeds& seeds) {
    SMusicInput input;
    input.bank = MakeBank("forest", 3, {4, 6});
    input.songs[0] = MakeSong("walk", "forest", 2);
    input.songs[1] = MakeSong("run", "forest", 3);
    for (const char* name : {"same-size", "wider"}) {
        SArchive archive;
        archive.OpenWrite();
        input.Serialize(archive);
        seeds.Write("music_module_fuzz", name,
                    std::vector<uint8_t>(archive.Data(), archive.Data() + archive.GetSize()));
        input.songs[1].patternSize = 1100;
    }
}

// Settings as the game stores them, through the registry's own writer.
void writeSettings(const SSeeds& seeds) {
    const fs::path home = seeds.Target("settings_fuzz") / "home";
    fs::create_directories(home);
    setenv("BRIMVALE_HOME", home.c_str(), 1);
    SSettings settings;
    LoadSettings(settings, 10);
    fs::copy_file(home / "registry.ini", seeds.Target("settings_fuzz") / "first-run",
                  fs::copy_options::overwrite_existing);
    settings.viewSize = 2;
    settings.leftViewSize = 1;
    settings.keys[0] = 3000;
    SaveSettings(settings);
    fs::copy_file(home / "registry.ini", seeds.Target("settings_fuzz") / "changed",
                  fs::copy_options::overwrite_existing);
    fs::remove_all(home);
}

// The sample world's dialogue chunk and its person's record, read from their package records and
// written as one input per version.
void writeDialogue(const SSeeds& seeds) {
    for (int version : {114, 60, 40}) {
        TestWorldPackage package;
        package.version = version;
        AddSamplePeople(package);
        const std::vector<uint8_t>& world = package.tables[SModuleTable::Dialogue][0];
        const std::vector<uint8_t>& person = package.tables[SModuleTable::NpcTypes][1];
        SDialogueInput input;
        input.version = uint8_t(version);
        SArchive archive;
        archive.OpenRead(world.data(), uint32_t(world.size()));
        input.world.Serialize(archive, version, SDialogScope::World);
        const bool worldRead = !archive.Failed();
        archive.OpenRead(person.data(), uint32_t(person.size()));
        input.person.Serialize(archive, version);
        if (!worldRead || archive.Failed())
            SSeeds::fail("the sample people do not read back at version " + std::to_string(version));
        archive.OpenWrite();
        input.Serialize(archive);
        seeds.Write("dialogue_fuzz", "people-" + std::to_string(version),
                    std::vector<uint8_t>(archive.Data(), archive.Data() + archive.GetSize()));
    }
}

void writeArchiveScripts(const SSeeds& seeds) {
    using Op = SArchiveOp;
    struct Seed {
        const char* name;
        std::vector<Op> ops;
        std::vector<SArchiveValue> values;
    };
    const Seed list[] = {
        {"numbers",
         {Op::Tag, Op::U16, Op::U32, Op::I16, Op::U8, Op::I32},
         {{1, ""}, {513, ""}, {70000, ""}, {0xFFFF, ""}, {7, ""}, {0xFFFFFFF0, ""}}},
        {"texts", {Op::CStr, Op::SString, Op::Name, Op::CStrCopy}, {{0, "base_wall"}, {0, "Brim"}, {0, ""}, {0, "x"}}},
        {"blobs",
         {Op::U8, Op::Blob, Op::Align4, Op::Bytes, Op::Skip, Op::U32},
         {{3, ""}, {0, "abcde"}, {}, {0, "xyz"}, {}, {9, ""}}},
    };
    for (const Seed& seed : list) {
        std::vector<uint8_t> script;
        for (Op op : seed.ops) script.push_back(uint8_t(op));
        std::vector<SArchiveValue> values = seed.values;
        SArchive archive;
        archive.OpenWrite();
        RunArchiveScript(archive, script, values);
        seeds.Write("archive_fuzz", seed.name, JoinArchiveInput({archive.Data(), archive.GetSize()}, script));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: brimvale-fuzz-seeds FOLDER\n");
        return 2;
    }
    const SSeeds seeds{fs::path(argv[1])};
    writePackages(seeds);
    writeWorldTables(seeds);
    writeSaves(seeds);
    writeSavedGame(seeds);
    writePictures(seeds);
    writeLayouts(seeds);
    writeInventoryPages(seeds);
    writeWorldRecords(seeds);
    writeScripts(seeds);
    writeSounds(seeds);
    writeMusic(seeds);
    writeSettings(seeds);
    writeArchiveScripts(seeds);
    writeDialogue(seeds);
    std::printf("Fuzz seeds written to %s\n", argv[1]);
    return 0;
}
