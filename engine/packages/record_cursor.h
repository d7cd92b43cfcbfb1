#pragma once
// The running record id through which a package's loaders take their records one after another.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/base/read_error.h"
#include "engine/files/pdb.h"

class SArchive;

struct SRecordCursor {
    SPdb& file;
    uint16_t id;
    int version;  // the package's data version
    SReadError error;
    uint16_t taken = 0;  // the id of the record taken last

    // The record at the cursor, which moves on past it; null, with the error set, when the package
    // lacks it. `what` names the record for the message ("the spell table").
    std::unique_ptr<SPdbRecord> Take(const char* what);
    // Take, with the archive opened on the record for reading; the record must be kept while the
    // archive reads it.
    [[nodiscard]] std::unique_ptr<SPdbRecord> TakeInto(SArchive& archive, const char* what);
    // Take, for a record that must hold at least `size` bytes of `part` ("sample 2 of bank ..."):
    // null, with the error set, when it is missing or shorter.
    std::unique_ptr<SPdbRecord> TakeBytes(const char* what, uint32_t size, const std::string& part);
    // Takes the record at the cursor and reads it through serialize, which gets an archive opened
    // on it. False, with the error set, when the record is missing or serialize ran past its end.
    bool Read(const char* what, const std::function<void(SArchive&)>& serialize);
    // Sets the error for the record taken last and answers false.
    bool Fail(const char* what, std::string why);
    // Fails when the archive ran past the end of the record taken last; true when it did not.
    bool CheckRead(const SArchive& archive, const char* what);
};

// The fault of an archive that ran past the end of record `id`: cut short where it stopped.
SReadError CutShort(const SPdb& file, uint16_t id, std::string contents, const SArchive& archive);
