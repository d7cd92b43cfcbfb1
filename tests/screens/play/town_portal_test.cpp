#include "screens/play/town_portal.h"

#include <gtest/gtest.h>

#include "data/package/module.h"
#include "support/module_fixture.h"

namespace town_portal_test {

namespace {

// A 5 x 5 block of surface sections, base_s0101 to base_s0505, with the player recorded in one.
class TownPortalTest : public ModuleTest {
protected:
    struct Row {
        const char* name;
        const char* here;
        std::vector<std::string> towns;      // a town with its own portal position
        std::vector<std::string> bareTowns;  // a town without one
        std::vector<std::string> noTowns;    // a portal position on a section that is no town
        std::string strayPortal;             // a town's portal position placed on the section `here`
        const char* expected;                // the section whose portal is found; "" for none
    };

    static bool has(const std::vector<std::string>& list, const std::string& section) {
        return std::find(list.begin(), list.end(), section) != list.end();
    }

    SModule* world(const Row& row) {
        TestWorldPackage package;
        package.mapPrefix = "base_s";
        for (int y = 1; y <= 5; ++y)
            for (int x = 1; x <= 5; ++x) {
                char section[5];
                std::snprintf(section, sizeof section, "%02d%02d", x, y);
                const bool town = has(row.towns, section) || has(row.bareTowns, section);
                std::string level = std::string("surface\nflags ") + (town ? "0x280" : "0x80") + "\n";
                if (has(row.towns, section) || has(row.noTowns, section))
                    level += "object 1 base_s" + std::string(section) + "townportal\n";
                if (section == std::string(row.here) && !row.strayPortal.empty())
                    level += "object 2 base_s" + row.strayPortal + "townportal\n";
                package.maps.push_back({"base_s" + std::string(section), section, level});
            }
        SModule* module = OpenPackage(package);
        if (module == nullptr) return nullptr;
        module->SetPosition(*module->FindMap(("base_s" + std::string(row.here)).c_str()), 14, 14, 0);
        return module;
    }
};

TEST_F(TownPortalTest, theRingsAroundThePlayersSectionAreSearchedInTheirOrder) {
    const Row rows[] = {
        {"the town the player is in is never the answer", "0303", {"0303"}, {}, {}, "", ""},
        {"the nearer ring first", "0303", {"0101", "0404"}, {}, {}, "", "0404"},
        {"the row above before the row below", "0303", {"0204", "0402"}, {}, {}, "", "0402"},
        {"a row from its left end", "0303", {"0402", "0202"}, {}, {}, "", "0202"},
        {"the row below before the columns", "0303", {"0203", "0304"}, {}, {}, "", "0304"},
        {"the left column before the right", "0303", {"0403", "0203"}, {}, {}, "", "0203"},
        {"a town without its portal position is passed", "0303", {"0505"}, {"0302"}, {}, "", "0505"},
        {"a portal position on a section that is no town is passed", "0303", {}, {}, {"0302"}, "", ""},
        {"a town's portal position on another section does not count", "0303", {}, {"0302"}, {}, "0302", ""},
        {"rings past the world's first section are skipped", "0101", {"0303"}, {}, {}, "", "0303"},
        {"the farthest corner is reached", "0101", {"0505"}, {}, {}, "", "0505"},
    };
    for (const Row& row : rows) {
        SModule* module = world(row);
        ASSERT_NE(module, nullptr) << row.name << ": " << modules.Error().Message();
        const std::string expected = *row.expected ? "base_s" + std::string(row.expected) + "townportal" : "";
        EXPECT_EQ(FindTownPortal(*module), expected) << row.name;
        modules.Clear();
    }
}

}  // namespace

}  // namespace town_portal_test
