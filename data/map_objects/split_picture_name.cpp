#include "data/map_objects/split_picture_name.h"

#include <cstring>

#include "engine/base/string.h"

void SplitPictureName(const char* text, SString& before, SString& after) {
    before.Assign("");
    after.Assign("");
    if (text == nullptr || text[0] == '#') return;
    const char* mark = std::strchr(text, '#');
    if (mark == nullptr) {
        before.Assign(text);
        return;
    }
    before.AppendN(text, int(mark - text));
    after.Assign(mark + 1);
}
