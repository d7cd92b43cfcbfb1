#include <gtest/gtest.h>

#include "game/script/script_context_fixture.h"

namespace script_choice_commands_test {

namespace {

using Strings = std::vector<std::string>;

// A shop's choice as the world's scripts write it: the first run offers the list, the run after
// the player's choice reads it.
constexpr const char* kShopScript =
    "if ( getobjectlistresult ( ) == \"\" ) { createobjectlist ( \"Buy\" ) ; "
    "addobjecttolist ( \"base_apple\" , \"Apples\" ) ; addobjecttolist ( \"base_bread\" , \"Bread\" ) ; "
    "showobjectlist ( ) ; } else setglobalstr ( \"base_out\" , getobjectlistresult ( ) ) ;";

class ScriptChoiceCommandsTest : public ScriptContextTest {
protected:
    void SetUp() override {
        ScriptContextTest::SetUp();
        out = &AddGlobal("base_out", SScriptValue(""));
    }

    // The rows of the menu as "key text".
    static Strings Rows(const SDialogListCtrl& list) {
        Strings rows;
        for (int i = 0; i < list.RowCount(); ++i)
            rows.push_back(std::string(list.Row(i).key.Text()) + " " + list.Row(i).text.Text());
        return rows;
    }

    void SetupForGuard() {
        context.SetupForCreature(kEventUse, guardObject, map, guard, SScriptOutputMode::PlayScreen);
    }

    SGlobalVar* out = nullptr;
};

TEST_F(ScriptChoiceCommandsTest, aListOnThePlayScreenIsHandedOverOnceAsAMenu) {
    SetupForGuard();
    EXPECT_EQ(Run("createobjectlist ( \"Stale\" ) ; addobjecttolist ( \"base_old\" , \"Old\" ) ; "
                  "createobjectlist ( \"Buy\" ) ; addobjecttolist ( \"base_apple\" , \"Apples\" ) ; "
                  "addobjecttolist ( \"base_bread\" , \"Bread\" ) ; showobjectlist ( ) ; "
                  "addobjecttolist ( \"base_late\" , \"Late\" ) ; showobjectlist ( ) ;"),
              kScriptOk);
    // A list made again starts empty; rows after the menu was queued go nowhere.
    ASSERT_EQ(play.menus.size(), 1u);
    ASSERT_NE(play.menus[0], nullptr);
    EXPECT_EQ(Rows(*play.menus[0]), Strings({"base_apple Apples", "base_bread Bread"}));
    EXPECT_TRUE(conversation.calls.empty());
}

TEST_F(ScriptChoiceCommandsTest, theScriptRunAgainAfterTheChoiceReadsTheChosenKey) {
    auto script = std::make_unique<SNamedScript>();
    script->name.Set("base_guardscript");
    script->program = Assemble(kShopScript);
    scripts.Add(std::move(script));
    const struct {
        const char* chosen;  // the key the play screen writes back; "" for Cancel
        const char* out;
        size_t menus;  // a Cancel reads "" and offers the list once more
    } cases[] = {{"base_bread", "base_bread", 1}, {"", "unset", 2}};
    for (const auto& row : cases) {
        play.menus.clear();
        out->m_value = SScriptValue("unset");
        SetupForGuard();
        context.RunObjectScript();
        ASSERT_EQ(play.menus.size(), 1u) << row.chosen;
        context.SetListResult(row.chosen);
        context.RunObjectScript();
        EXPECT_STREQ(out->m_value.Text(), row.out) << row.chosen;
        EXPECT_EQ(play.menus.size(), row.menus) << row.chosen;
    }
}

TEST_F(ScriptChoiceCommandsTest, theListResultIsReadOnlyWhereAListWasOpened) {
    const struct {
        const char* name;
        SScriptOutputMode mode;
        bool opened;  // the script opened a list before the choice came back
        const char* read;
    } cases[] = {
        {"play screen with a list", SScriptOutputMode::PlayScreen, true, "base_bread"},
        {"play screen without a list", SScriptOutputMode::PlayScreen, false, ""},
        {"conversation", SScriptOutputMode::Conversation, false, "base_bread"},
        {"scene", SScriptOutputMode::Scene, true, ""},
    };
    for (const auto& row : cases) {
        context.SetupForCreature(kEventUse, guardObject, map, guard, row.mode);
        if (row.opened) {
            EXPECT_EQ(Run("createobjectlist ( \"Buy\" ) ;"), kScriptOk);
        }
        context.SetListResult("base_bread");
        EXPECT_EQ(Run("setglobalstr ( \"base_out\" , getobjectlistresult ( ) ) ;"), kScriptOk);
        EXPECT_STREQ(out->m_value.Text(), row.read) << row.name;
    }
}

TEST_F(ScriptChoiceCommandsTest, anOldChoiceNeverReachesALaterScript) {
    // Every set-up starts without the list, the open flag and the result of an earlier script.
    SetupForGuard();
    EXPECT_EQ(Run("createobjectlist ( \"Buy\" ) ; addobjecttolist ( \"base_apple\" , \"Apples\" ) ;"), kScriptOk);
    context.SetListResult("base_apple");
    SetupForGuard();
    EXPECT_TRUE(context.ListResult().IsEmpty());
    EXPECT_EQ(Run("showobjectlist ( ) ; setglobalstr ( \"base_out\" , getobjectlistresult ( ) ) ;"), kScriptOk);
    EXPECT_TRUE(play.menus.empty());
    EXPECT_STREQ(out->m_value.Text(), "");

    context.SetupForConversation(npcs.Find("base_innkeeper"));
    context.SetListResult("base_apple");
    context.SetupForConversation(npcs.Find("base_innkeeper"));
    EXPECT_EQ(Run("setglobalstr ( \"base_out\" , getobjectlistresult ( ) ) ;"), kScriptOk);
    EXPECT_STREQ(out->m_value.Text(), "");
}

TEST_F(ScriptChoiceCommandsTest, theConversationsCommandsReachOnlyAnOpenConversation) {
    constexpr const char* listing =
        "createobjectlist ( \"Ask\" ) ; addobjecttolist ( \"base_rumour\" , \"Rumours\" ) ; showobjectlist ( ) ; "
        "gonext ( ) ; gofirst ( ) ; goodbye ( ) ;";
    const struct {
        const char* name;
        SScriptOutputMode mode;
        bool open;
        Strings calls;
    } cases[] = {
        {"conversation",
         SScriptOutputMode::Conversation,
         true,
         {"open", "line base_rumour Rumours", "next", "first", "goodbye"}},
        {"conversation closed", SScriptOutputMode::Conversation, false, {}},
        {"play screen", SScriptOutputMode::PlayScreen, true, {}},
        {"scene", SScriptOutputMode::Scene, true, {}},
    };
    for (const auto& row : cases) {
        conversation.calls.clear();
        play.menus.clear();
        context.AttachConversation(row.open ? &conversation : nullptr);
        context.SetupForCreature(kEventUse, guardObject, map, guard, row.mode);
        EXPECT_EQ(Run(listing), kScriptOk) << row.name;
        EXPECT_EQ(conversation.calls, row.calls) << row.name;
        // Only the play screen queues a menu; the conversation shows its list itself.
        EXPECT_EQ(play.menus.size(), row.mode == SScriptOutputMode::PlayScreen ? 1u : 0u) << row.name;
    }
}

}  // namespace

}  // namespace script_choice_commands_test
