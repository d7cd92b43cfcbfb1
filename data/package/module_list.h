#pragma once
// SModuleList: the game's open data packages, in the order they were opened, and the add-on
// worlds installed beside them.
#include <string>
#include <vector>

#include "data/package/add_on_world.h"
#include "data/package/module.h"
#include "engine/base/ptr_array.h"
#include "engine/base/read_error.h"

class SLoadingSteps;
struct SModuleContext;

class SModuleList {
public:
    // The packages every game opens, in the order OpenAll opens them.
    // The music package also plays the menu's music before any game is chosen.
    static constexpr const char* kMusicPackage = "BrimvaleMusic";
    static constexpr const char* kGamePackages[] = {kMusicPackage, "BrimvaleSound", "BrimvaleRes", "Brimvale"};
    // The pictures and the world: without them a game shows nothing or has nowhere to be, so they
    // must be there. The music and the sounds may be missing.
    static constexpr const char* kRequiredPackages[] = {"BrimvaleRes", "Brimvale"};
    // What Damage() says of a required package that is not there.
    static constexpr const char* kMissingPackage = "not found";

    explicit SModuleList(SModuleContext& context) : m_context(context) {}
    ~SModuleList() { Clear(); }
    SModuleList(const SModuleList&) = delete;
    SModuleList& operator=(const SModuleList&) = delete;

    // Opens a data package (creator "BrVa") and reads it into a new module, which becomes the
    // current one. A package that is missing, not a data package or damaged is not added; Error()
    // says why.
    bool Open(const char* fileName);
    // The game's packages, one loading step after each.
    // False when any of them did not open; Error() names the first, Damage() the first that a game
    // cannot start with.
    bool OpenAll(SLoadingSteps& loading);
    // A new empty module, appended.
    SModule* Add();
    // By identifier, exactly; null when none.
    SModule* FindById(const char* identifier) const;
    // The first map of that name in any module, modules in list order.
    SMap* FindMap(const char* name) const;
    // Clears the restocked flag of every placed object of every map of every module, as game time
    // passes.
    void ClearObjectMarks();
    // Deletes the modules from the front.
    void Clear();

    int Count() const { return m_modules.Count(); }
    SModule* At(int index) const { return m_modules.At(index); }
    // The module opened last, or the one a loaded game was saved in.
    SModule* Current() const { return m_current; }
    void SetCurrent(SModule* module) { m_current = module; }
    const SReadError& Error() const { return m_error; }
    // The first package a game cannot start with: one that is there and damaged (it would fail
    // somewhere in the middle of play), or a required one that is missing. The music and sound
    // packages may be missing; the game plays on without them.
    const SReadError& Damage() const { return m_damage; }
    // In the order they are listed; nothing fills the list yet, so it stays empty in a game.
    std::vector<SAddOnWorld>& AddOnWorlds() { return m_addOnWorlds; }
    const std::vector<SAddOnWorld>& AddOnWorlds() const { return m_addOnWorlds; }

private:
    static bool isRequired(const char* package);

    SModuleContext& m_context;
    SPtrArray<SModule> m_modules{4};
    SModule* m_current = nullptr;
    SReadError m_error;
    SReadError m_damage;
    std::vector<SAddOnWorld> m_addOnWorlds;
};

// What a game that cannot start says of a damaged or missing package, naming the file and the
// record.
std::string DamagedPackageMessage(const SReadError& damage);
