#include "ui/dialogs/dialog_item_read.h"

#include <gtest/gtest.h>

#include "ui/dialogs/tool_dialog_fixture.h"

namespace dialog_item_read_test {

namespace {

// Enough words for several pages on any screen.
std::string longText(int paragraphs) {
    std::string text;
    for (int i = 0; i < paragraphs; ++i)
        text +=
            "The river keeps its own counsel, and the mill wheel turns whether or not the miller "
            "sleeps. Paragraph " +
            std::to_string(i + 1) + " ends here.\n";
    return text;
}

class ItemReadTest : public ToolDialogTest {
protected:
    UiRig& open(uint32_t mode = 7) {
        UiRig& rig = StartTools(mode);
        if (!HasFailure()) dialog.Init(&Game());
        return rig;
    }
    void show(uint32_t kind, const char* title, const std::string& body) {
        dialog.Open(kind);
        dialog.SetText(title, body.c_str());
        m_rig->OpenDialog(dialog);
        m_rig->Frame();
    }
    // Fills the body up to three pages exactly.
    std::string threePages() {
        int paragraphs = 1;
        for (; paragraphs < 60; ++paragraphs) {
            dialog.Open(SDialogItemRead::kBook);
            dialog.SetText("Herbs", longText(paragraphs).c_str());
            if (dialog.m_pageText.PageCount() == 3) break;
        }
        return longText(paragraphs);
    }

    SDialogItemRead dialog;
};

TEST_F(ItemReadTest, aOnePageTextShowsNoArrowsAndTheKeysDoNothing) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    show(SDialogItemRead::kBook, "Notes", "A short note.");
    EXPECT_FALSE(dialog.m_previousPage.IsShown());
    EXPECT_FALSE(dialog.m_nextPage.IsShown());
    rig.Sounds().Clear();
    rig.Key(1000);
    rig.Key(1002);
    EXPECT_EQ(dialog.m_pageText.m_page, 0u);
    EXPECT_TRUE(rig.Sounds().Lines().empty());
    EXPECT_TRUE(rig.MatchesFullRepaint());
}

TEST_F(ItemReadTest, onThreePagesTheArrowsFollowThePage) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    const std::string body = threePages();
    show(SDialogItemRead::kBook, "Herbs", body);
    ASSERT_EQ(dialog.m_pageText.PageCount(), 3);
    struct Step {
        uint32_t key;
        uint32_t page;
        bool previous, next;
    };
    // The back key (1002) turns to the next page, the forward key (1000) to the previous one.
    const Step steps[] = {{0, 0, false, true},   {1002, 1, true, true},  {1002, 2, true, false}, {1002, 2, true, false},
                          {1000, 1, true, true}, {1000, 0, false, true}, {1000, 0, false, true}};
    for (const Step& s : steps) {
        if (s.key) rig.Key(s.key);
        EXPECT_EQ(dialog.m_pageText.m_page, s.page) << s.key;
        EXPECT_TRUE(dialog.m_previousPage.IsShown());
        EXPECT_EQ(dialog.m_previousPage.IsEnabled(), s.previous) << "page " << s.page;
        EXPECT_EQ(dialog.m_nextPage.IsEnabled(), s.next) << "page " << s.page;
        EXPECT_TRUE(rig.MatchesFullRepaint()) << "page " << s.page;
    }
}

TEST_F(ItemReadTest, aResultBoxTakesEveryInputUntilItsOk) {
    UiRig& rig = open();
    ASSERT_FALSE(HasFailure());
    show(SDialogItemRead::kBook, "Herbs", threePages());
    dialog.ShowResult("Your Alchemy skill has been increased by 1.");
    rig.Frame();
    ASSERT_EQ(dialog.m_child, &dialog.m_resultBox);
    EXPECT_TRUE(rig.Shot("reading_result_mode7"));
    rig.Key(1002);
    rig.Tap(dialog.m_nextPage.m_x + 2, dialog.m_nextPage.m_y + 2);
    EXPECT_EQ(dialog.m_pageText.m_page, 0u);
    EXPECT_TRUE(Play().m_commands.empty());
    rig.Key(3006);  // the box's Ok, not the dialog's Close
    EXPECT_EQ(dialog.m_child, nullptr);
    EXPECT_TRUE(Play().m_commands.empty());
    EXPECT_TRUE(rig.MatchesFullRepaint());
    rig.Key(1002);
    EXPECT_EQ(dialog.m_pageText.m_page, 1u);
}

TEST_F(ItemReadTest, eachKindOpensAndClosesWithItsSound) {
    struct Case {
        uint32_t kind;
        const char* opening;
        const char* closing;
    };
    const Case cases[] = {{SDialogItemRead::kBook, "bsnd_bookopen 10", "bsnd_bookclose 10"},
                          {SDialogItemRead::kSpellbook, "bsnd_bookopen 10", "bsnd_bookclose 10"},
                          {SDialogItemRead::kLetter, "bsnd_letteropenclose 10", "bsnd_letteropenclose 10"}};
    for (const Case& c : cases) {
        UiRig& rig = open();
        ASSERT_FALSE(HasFailure());
        rig.Sounds().Clear();
        show(c.kind, "", "Meet me at the mill.");
        EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{c.opening}) << c.kind;
        rig.Sounds().Clear();
        rig.Key(3006);
        EXPECT_EQ(rig.Sounds().Lines(), std::vector<std::string>{c.closing}) << c.kind;
        EXPECT_EQ(Play().m_commands, std::vector<uint32_t>{SDialogItemRead::kClose}) << c.kind;
    }
}

TEST_F(ItemReadTest, aBookPageAndALetterLookRight) {
    for (uint32_t mode : {7u, 10u}) {
        UiRig& rig = open(mode);
        ASSERT_FALSE(HasFailure());
        show(SDialogItemRead::kBook, "A Herbal of the Vale", longText(20));
        rig.Key(1002);
        const std::string book = "reading_book_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(book));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << book;

        show(SDialogItemRead::kLetter, "", "Dear friend,\nthe key is under the third stone from the well.\nM.");
        const std::string letter = "reading_letter_mode" + std::to_string(mode);
        EXPECT_TRUE(rig.Shot(letter));
        EXPECT_TRUE(rig.MatchesFullRepaint()) << letter;
    }
}

}  // namespace

}  // namespace dialog_item_read_test
