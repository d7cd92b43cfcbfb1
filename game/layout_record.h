#pragma once
// The layout records of the interface package: per dialog and screen mode, the dialog's size and
// one row per control (id, x, y, width, height; x and y relative to the dialog).
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct SLayoutRow {
    uint16_t id = 0;
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t width = 0;
    uint16_t height = 0;
};

struct SLayoutMode {
    uint16_t mode = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    std::vector<SLayoutRow> rows;
};

struct SLayoutDialog {
    uint16_t id = 0;
    std::vector<SLayoutMode> modes;
};

// Lookups read the record in place. Every offset is taken even and checked against the record, so
// a damaged record finds less, never reads outside itself.
class SLayoutRecord {
public:
    SLayoutRecord() = default;
    explicit SLayoutRecord(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    // The dialog's width and height in the screen mode; false when the record has none.
    bool FindSize(uint16_t mode, uint16_t dialogId, uint32_t& width, uint32_t& height) const;
    std::optional<SLayoutRow> FindCtrl(uint16_t mode, uint16_t dialogId, uint16_t controlId) const;

    // The record's bytes for a list of dialogs.
    static std::vector<uint8_t> Build(const std::vector<SLayoutDialog>& dialogs);

private:
    // Offset of the mode block of the dialog in the screen mode, or nothing.
    std::optional<uint32_t> findModeBlock(uint16_t mode, uint16_t dialogId) const;
    bool word(uint32_t offset, uint16_t& value) const;

    std::span<const uint8_t> m_bytes;
};
