#include "platform/message_text.h"

#include <gtest/gtest.h>

namespace message_text_test {

namespace {

TEST(MessageTextTest, linesBreakAtBlanksAndLongWordsWhereTheLineIsFull) {
    struct Row {
        const char* text;
        size_t columns;
        const char* wrapped;
    };
    for (Row row : {Row{"short", 10, "short"}, Row{"one two three", 7, "one two\nthree"},
                    Row{"one  two", 20, "one two"}, Row{"abcdefghij klm", 4, "abcd\nefgh\nij\nklm"},
                    Row{"at /a/b/c/d/e", 6, "at\n/a/b/c\n/d/e"}, Row{"kept\nbreaks", 20, "kept\nbreaks"},
                    Row{"unchanged without columns", 0, "unchanged without columns"}, Row{"", 5, ""}}) {
        EXPECT_EQ(platform::WrapMessageText(row.text, row.columns), row.wrapped) << row.text;
    }
}

}  // namespace

}  // namespace message_text_test
