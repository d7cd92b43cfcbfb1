// SArchive, the one stream every record is read through: any script of reads over any record stays
// inside the record, and whatever was read, written back and read again, reads the same.
#include <cstdlib>

#include "engine/base/archive.h"
#include "fuzz/archive_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> record;
    std::vector<uint8_t> script;
    SplitArchiveInput({data, size}, record, script);
    // A copy of the exact size, so that the sanitizer sees any read past the record's end.
    std::vector<uint8_t> bytes(record.begin(), record.end());

    SArchive reader;
    reader.OpenRead(bytes.data(), uint32_t(bytes.size()));
    std::vector<SArchiveValue> read;
    RunArchiveScript(reader, script, read);
    if (reader.GetSize() > bytes.size()) std::abort();
    if (reader.Failed()) return 0;

    SArchive writer;
    writer.OpenWrite();
    RunArchiveScript(writer, script, read);
    std::vector<uint8_t> written(writer.Data(), writer.Data() + writer.GetSize());
    SArchive again;
    again.OpenRead(written.data(), uint32_t(written.size()));
    std::vector<SArchiveValue> reread;
    RunArchiveScript(again, script, reread);
    if (again.Failed() || reread != read) std::abort();
    return 0;
}
