#include "game/layout_record.h"

#include "engine/base/byte_order.h"

bool SLayoutRecord::word(uint32_t offset, uint16_t& value) const {
    if (uint64_t(offset) + 2 > m_bytes.size()) return false;
    value = ReadLE16(m_bytes.data() + offset);
    return true;
}

std::optional<uint32_t> SLayoutRecord::findModeBlock(uint16_t mode, uint16_t dialogId) const {
    uint16_t dialogs = 0;
    if (!word(0, dialogs)) return std::nullopt;
    for (uint32_t k = 0; k < dialogs; ++k) {
        uint16_t blockOffset = 0, id = 0;
        if (!word(2 + 4 * k, blockOffset) || !word(4 + 4 * k, id)) return std::nullopt;
        if (id != dialogId) continue;
        const uint32_t block = blockOffset & ~1u;
        uint16_t modes = 0;
        if (!word(block, modes)) continue;
        for (uint32_t j = 0; j < modes; ++j) {
            uint16_t modeOffset = 0, modeId = 0;
            if (!word(block + 2 + 4 * j, modeOffset) || !word(block + 4 + 4 * j, modeId)) break;
            if (modeId == mode) return modeOffset & ~1u;
        }
    }
    return std::nullopt;
}

bool SLayoutRecord::FindSize(uint16_t mode, uint16_t dialogId, uint32_t& width, uint32_t& height) const {
    auto block = findModeBlock(mode, dialogId);
    uint16_t w = 0, h = 0;
    if (!block || !word(*block, w) || !word(*block + 2, h)) return false;
    width = w;
    height = h;
    return true;
}

std::optional<SLayoutRow> SLayoutRecord::FindCtrl(uint16_t mode, uint16_t dialogId, uint16_t controlId) const {
    auto block = findModeBlock(mode, dialogId);
    uint16_t rows = 0;
    if (!block || !word(*block + 4, rows)) return std::nullopt;
    for (uint32_t i = 0; i < rows; ++i) {
        const uint32_t at = *block + 6 + 10 * i;
        SLayoutRow row;
        if (!word(at, row.id) || !word(at + 2, row.x) || !word(at + 4, row.y) || !word(at + 6, row.width) ||
            !word(at + 8, row.height))
            return std::nullopt;
        if (row.id == controlId) return row;
    }
    return std::nullopt;
}

std::vector<uint8_t> SLayoutRecord::Build(const std::vector<SLayoutDialog>& dialogs) {
    std::vector<uint8_t> bytes(2 + 4 * dialogs.size(), 0);
    auto put = [&bytes](uint32_t at, uint32_t value) { WriteLE16(bytes.data() + at, uint16_t(value)); };
    put(0, uint32_t(dialogs.size()));
    for (size_t k = 0; k < dialogs.size(); ++k) {
        const SLayoutDialog& dialog = dialogs[k];
        const uint32_t block = uint32_t(bytes.size());
        put(2 + 4 * uint32_t(k), block);
        put(4 + 4 * uint32_t(k), dialog.id);
        bytes.resize(block + 2 + 4 * dialog.modes.size(), 0);
        put(block, uint32_t(dialog.modes.size()));
        for (size_t j = 0; j < dialog.modes.size(); ++j) {
            const SLayoutMode& mode = dialog.modes[j];
            const uint32_t modeBlock = uint32_t(bytes.size());
            put(block + 2 + 4 * uint32_t(j), modeBlock);
            put(block + 4 + 4 * uint32_t(j), mode.mode);
            bytes.resize(modeBlock + 6 + 10 * mode.rows.size(), 0);
            put(modeBlock, mode.width);
            put(modeBlock + 2, mode.height);
            put(modeBlock + 4, uint32_t(mode.rows.size()));
            for (size_t i = 0; i < mode.rows.size(); ++i) {
                const SLayoutRow& row = mode.rows[i];
                const uint32_t at = modeBlock + 6 + 10 * uint32_t(i);
                put(at, row.id);
                put(at + 2, row.x);
                put(at + 4, row.y);
                put(at + 6, row.width);
                put(at + 8, row.height);
            }
        }
    }
    return bytes;
}
