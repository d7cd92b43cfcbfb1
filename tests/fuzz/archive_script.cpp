#include "fuzz/archive_script.h"

#include <algorithm>
#include <cstring>

#include "engine/base/archive.h"
#include "engine/base/name.h"
#include "engine/base/string.h"

namespace {

// Numbers of every width travel as their low bits.
template <typename T>
void number(SArchive& archive, void (SArchive::*serialize)(T&), SArchiveValue& value) {
    T field = T(value.number);
    (archive.*serialize)(field);
    value.number = uint32_t(field);
}

void text(SArchive& archive, SArchiveOp op, SArchiveValue& value) {
    switch (op) {
        case SArchiveOp::CStr: {
            const char* field = archive.IsWriting() ? value.text.c_str() : nullptr;
            archive.SerializeCStr(field);
            value.text = field ? field : "";
            break;
        }
        case SArchiveOp::CStrCopy: {
            char* field = nullptr;
            if (archive.IsWriting()) {
                field = new char[value.text.size() + 1];
                std::memcpy(field, value.text.c_str(), value.text.size() + 1);
            }
            archive.SerializeCStrCopy(field);
            value.text = field ? field : "";
            delete[] field;
            break;
        }
        case SArchiveOp::SString: {
            SString field;
            field.Assign(value.text.c_str());
            archive.SerializeSString(field);
            value.text = field.Text() ? field.Text() : "";
            break;
        }
        case SArchiveOp::Name: {
            SName field;
            field.SetOwned();
            field.Set(value.text.c_str());
            archive.SerializeName(field);
            value.text = field.Text() ? field.Text() : "";
            break;
        }
        default: break;
    }
}

}  // namespace

void RunArchiveScript(SArchive& archive, std::span<const uint8_t> script, std::vector<SArchiveValue>& values) {
    size_t next = 0;
    for (uint8_t code : script) {
        const auto op = SArchiveOp(code % uint8_t(SArchiveOp::Count));
        SArchiveValue value = archive.IsWriting() && next < values.size() ? values[next++] : SArchiveValue{};
        switch (op) {
            case SArchiveOp::U8: number(archive, &SArchive::SerializeU8, value); break;
            case SArchiveOp::Tag:
                if (!archive.IsWriting() || value.number == 1) value.number = archive.SerializeTag('T') ? 1 : 0;
                break;
            case SArchiveOp::U16: number(archive, &SArchive::SerializeU16, value); break;
            case SArchiveOp::I16: number(archive, &SArchive::SerializeI16, value); break;
            case SArchiveOp::U32: number(archive, &SArchive::SerializeU32, value); break;
            case SArchiveOp::I32: number(archive, &SArchive::SerializeI32, value); break;
            case SArchiveOp::Bytes: {
                value.text.resize(3);
                archive.SerializeBytes(value.text.data(), 3);
                break;
            }
            case SArchiveOp::Blob: {
                const uint8_t* bytes = reinterpret_cast<const uint8_t*>(value.text.data());
                uint16_t length = uint16_t(std::min<size_t>(value.text.size(), 0xFFFF));
                archive.SerializeBlob(bytes, length);
                value.text.assign(reinterpret_cast<const char*>(bytes), bytes ? length : 0);
                break;
            }
            case SArchiveOp::Align2: archive.Align(2); break;
            case SArchiveOp::Align4: archive.Align(4); break;
            case SArchiveOp::Skip: archive.Skip(1); break;
            default: text(archive, op, value); break;
        }
        if (!archive.IsWriting()) values.push_back(value);
    }
}

void SplitArchiveInput(std::span<const uint8_t> input, std::span<const uint8_t>& record, std::vector<uint8_t>& script) {
    script.clear();
    record = {};
    if (input.empty()) return;
    const size_t count = std::min<size_t>(input.back(), input.size() - 1);
    const size_t recordSize = input.size() - 1 - count;
    record = input.first(recordSize);
    script.assign(input.rbegin() + 1, input.rbegin() + 1 + ptrdiff_t(count));
}

std::vector<uint8_t> JoinArchiveInput(std::span<const uint8_t> record, std::span<const uint8_t> script) {
    std::vector<uint8_t> input(record.begin(), record.end());
    const size_t count = std::min<size_t>(script.size(), 0xFF);
    input.insert(input.end(), std::make_reverse_iterator(script.begin() + ptrdiff_t(count)),
                 std::make_reverse_iterator(script.begin()));
    input.push_back(uint8_t(count));
    return input;
}
