#include "platform/message_text.h"

namespace platform {

std::string WrapMessageText(const std::string& text, size_t columns) {
    if (columns == 0) return text;
    std::string wrapped;
    size_t lineLength = 0;  // characters on the line being filled
    auto newLine = [&] {
        wrapped += '\n';
        lineLength = 0;
    };
    for (size_t position = 0; position < text.size();) {
        const char c = text[position];
        if (c == '\n') {
            newLine();
            ++position;
            continue;
        }
        if (c == ' ') {
            ++position;
            continue;
        }
        size_t wordEnd = text.find_first_of(" \n", position);
        if (wordEnd == std::string::npos) wordEnd = text.size();
        size_t word = wordEnd - position;
        // The blank before the word is kept only when both fit on the line.
        if (lineLength > 0 && lineLength + 1 + word <= columns) {
            wrapped += ' ';
            ++lineLength;
        } else if (lineLength > 0) {
            newLine();
        }
        while (word > columns - lineLength) {
            const size_t part = columns - lineLength;
            wrapped.append(text, position, part);
            position += part;
            word -= part;
            newLine();
        }
        wrapped.append(text, position, word);
        lineLength += word;
        position = wordEnd;
    }
    return wrapped;
}

}  // namespace platform
