// The script commands that act on the player: quests, items, experience, gold, skills, spells,
// abilities, attributes, diseases, hit points, mana, fame and crime, and the requests that move the
// player, which the play screen carries out once the script is done.
#include <algorithm>
#include <cctype>

#include "data/player/player.h"
#include "data/player/player_world.h"
#include "data/script_command_ids.h"

namespace {

// The surface maps' grid stands this many cells off the map's own.
constexpr int32_t kSurfaceGridOffset = 7;

SScriptValue number(int64_t value) { return SScriptValue(int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX))); }

SScriptValue truth(bool value) { return SScriptValue(int32_t(value ? 1 : 0)); }

// Gold amounts from a script: a negative one moves nothing.
uint32_t goldAmount(const SScriptValue& value) { return uint32_t(std::max(value.Number(), 0)); }

// The direction a word's first letter names, either case; anything else is north.
int32_t directionOf(const char* word) {
    switch (std::tolower(static_cast<unsigned char>(word[0]))) {
        case 'w': return 1;
        case 's': return 2;
        case 'e': return 3;
        default: return 0;
    }
}

int32_t gridPosition(const SPlayerWorld& world, int32_t position) {
    return (world.CurrentMapFlags() & SPlayerWorld::kSurfaceMapFlag) ? position - kSurfaceGridOffset : position;
}

// The requests that move the player or ask; false for any other command.
bool queueRequest(SPlayerWorld& world, uint32_t id, const SScriptValue& arg1, const SScriptValue& arg2,
                  const SScriptValue& arg3) {
    SWorldEvent event;
    switch (id) {
        case kMoveMode:
            event.text = arg1.Text();
            event.moveKind = world.ParseMoveKind(arg2.Text());
            break;
        case kMove: event.text = arg1.Text(); break;
        case kMoveQuestion: world.QueueMoveQuestion(arg1.Text(), arg2.Text(), 0); return true;
        case kMoveQuestionMode: {
            const char* mode = arg3.Text();
            world.QueueMoveQuestion(arg1.Text(), arg2.Text(), *mode ? world.ParseMoveKind(mode) : 0);
            return true;
        }
        case kTurn:
            event.type = SWorldEventType::Turn;
            event.direction = directionOf(arg1.Text());
            break;
        case kMovePos:
            event.type = SWorldEventType::MoveToPosition;
            event.x = arg1.Number();
            event.y = arg2.Number();
            break;
        case kMoveToJail:
            event.type = SWorldEventType::Jail;
            event.text = arg1.Text();
            break;
        case kMoveBack: event.type = SWorldEventType::BackFromJail; break;
        case kMoveByShip:
            event.type = SWorldEventType::TravelByShip;
            event.text = arg1.Text();
            event.detail = arg2.Text();
            break;
        case kClearJail: world.ClearJail(); return true;
        default: return false;
    }
    world.QueueWorldEvent(event);
    return true;
}

}  // namespace

uint32_t SPlayer::ExecuteScriptCommand(SPlayerWorld& world, uint32_t id, const SScriptValue& arg1,
                                       const SScriptValue& arg2, const SScriptValue& arg3,
                                       std::optional<SScriptValue>& result) {
    if (queueRequest(world, id, arg1, arg2, arg3)) return 0;
    const char* name = arg1.Text();
    const int32_t value = arg1.Number();
    bool changed = false;
    switch (id) {
        case kAddQuest: AddQuest(name); break;
        case kSolveQuest: EndQuest(name, true); break;
        case kFailQuest: EndQuest(name, false); break;
        case kHasQuest: result = truth(HasQuest(name)); break;
        case kIsQuestSolved: result = truth(IsQuestSolved(name)); break;
        case kIsQuestFailed: result = truth(IsQuestFailed(name)); break;
        case kRemoveQuest: RemoveQuest(name); break;
        case kFindItem: FindItems(name, arg2.Number(), true); break;
        case kReceiveItem: ReceiveItems(name, arg2.Number(), true); break;
        case kRemoveItem: RemoveItems(name, arg2.Number()); break;
        case kHasItem: result = truth(CountOwnedItemsByName(name) >= arg2.Number()); break;
        case kAddXp: AddXp(value, true); break;
        case kRemoveXp: RemoveXp(value, true, arg2.Number() != 0); break;
        case kRestoreSavedXp: RestoreSavedXp(); break;
        case kFindGold: ReceiveGold(goldAmount(arg1), true, true); break;
        case kReceiveGold: ReceiveGold(goldAmount(arg1), true, false); break;
        case kRemoveGold: RemoveGold(goldAmount(arg1), true); break;
        case kGetGold: result = number(Gold()); break;
        case kGetSkillValue: {
            const int skill = GetSkillByName(name);
            result = number(skill > 0 ? GetSkillValue(uint32_t(skill)) : 0);
            break;
        }
        case kAddSkillValue: AddSkillValue(name, arg2.Number(), true); break;
        case kAddSpell: LearnSpell(name, true); break;
        case kRemoveSpell: ForgetSpell(name); break;
        case kKnowsSpell: result = truth(KnowsSpellByName(name)); break;
        case kAddAbility: AddAbility(name, true); break;
        case kRemoveAbility: RemoveAbility(name); break;
        case kHasAbility: result = truth(HasAbility(name)); break;
        case kGetAttributeValue: {
            const int attribute = GetAttributeByName(name);
            result = number(attribute > 0 ? GetAttribute(uint32_t(attribute)) : 0);
            break;
        }
        case kAddAttributeValue: AddAttributeValue(name, arg2.Number(), true); break;
        case kGetPosX: result = number(gridPosition(world, world.PlayerGridX())); break;
        case kGetPosY: result = number(gridPosition(world, world.PlayerGridY())); break;
        case kInfectDisease: InfectDisease(name, true); break;
        case kCureDisease: CureDisease(name, true); break;
        case kIsDiseased: result = truth(HasDisease(name)); break;
        case kGetRace: result = SScriptValue(RaceId()); break;
        case kGetHp: result = number(Hp()); break;
        case kSetHp: SetHp(value, true); break;
        case kAddHp: ChangeHp(value, true); break;
        case kSetFullHp: SetFullHp(true); break;
        case kGetMaxHp: result = number(GetMaxHp()); break;
        case kGetSp: result = number(Mana()); break;
        case kSetSp: SetMana(value, true); break;
        case kAddSp: ChangeMana(value, true); break;
        case kSetFullSp: RestoreFullMana(true); break;
        case kGetMaxSp: result = number(GetMaxMana()); break;
        case kIsGood: result = truth(Fame() >= 0); break;
        case kIsEvil: result = truth(Fame() < 0); break;
        case kIsUndead: result = truth(IsUndead()); break;
        case kExecuteSpell: CastSpellByName(name, arg2.Number()); break;
        case kGetFame: result = number(Fame()); break;
        case kAddFame: AddFame(value); break;
        case kGetCrime: result = number(Crime()); break;
        case kClearCrime: ClearCrime(); break;
        case kAddCrime: AddCrime(value); break;
        case kGetOutfit: result = number(GetOutfitRating(changed)); break;
        case kGetLevel: result = number(Level()); break;
        case kGetAc: result = number(GetArmorClass()); break;
        case kIsInJail: result = truth(world.IsInJail()); break;
        case kHasSavedXp: result = number(SavedXp()); break;
        case kIsMale: result = truth(IsMale()); break;
        case kGetHighestSkill: result = SScriptValue(GetHighestSkill(name)); break;
        default: break;
    }
    return 0;
}
