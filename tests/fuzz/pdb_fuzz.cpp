// Palm databases: the header, the record table and every record, as a data package or a saved game.
#include <cstdint>
#include <cstdlib>

#include "engine/base/byte_order.h"
#include "engine/files/pdb.h"
#include "fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("Fuzz.pdb", data, size);
    SPdb file;
    if (!file.Open(path.c_str(), kPackageCreator) && !file.Open(path.c_str(), kSaveTag)) return 0;
    // Every id the record table names, as a reader would ask for it; what comes back lies in the
    // file.
    for (int i = 0; i < file.RecordCount(); ++i) {
        const uint16_t id = ReadBE16(data + kPdbHeaderSize + kPdbEntrySize * i + 6);
        auto record = file.LoadRecord(id);
        if (record && record->Size() > size) std::abort();
    }
    return 0;
}
