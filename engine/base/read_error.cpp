#include "engine/base/read_error.h"

namespace {

void appendPart(std::string& text, const char* separator, const std::string& part) {
    if (!text.empty()) text += separator;
    text += part;
}

}  // namespace

std::string SReadError::Message() const {
    std::string place = file;
    if (record) appendPart(place, ": ", "record " + std::to_string(*record));
    if (!contents.empty()) appendPart(place, " ", "(" + contents + ")");
    if (offset) appendPart(place, " ", "at byte " + std::to_string(*offset));
    return place.empty() ? what : place + ": " + what;
}
