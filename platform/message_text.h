#pragma once
// The text of a system message box laid out for a box that does not wrap it itself: lines of at most
// a number of characters, broken at blanks, and a word longer than a line (a file's path) broken
// where the line is full.
#include <cstddef>
#include <string>

namespace platform {

std::string WrapMessageText(const std::string& text, size_t columns);

}  // namespace platform
