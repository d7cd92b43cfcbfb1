#include "tools/sampledata/interface_package.h"

#include "engine/pdb_writer.h"
#include "tools/sampledata/font_strips.h"
#include "tools/sampledata/interface_layout.h"

bool WriteInterfacePackage(const SFileFolder& folder, std::string& error) {
    SPdbWriter writer;
    writer.Attach(folder);
    writer.SetTypeAndCreator("DATA", kPackageCreator);
    for (uint16_t id = 3010; id <= 3014; ++id) {
        std::vector<uint8_t> strip = RenderFontStrip(id, error);
        if (strip.empty()) return false;
        writer.AddRecord(id, strip.data(), uint32_t(strip.size()));
    }
    for (bool squareOrLarge : {false, true}) {
        const std::vector<uint8_t> layout = SLayoutRecord::Build(SampleLayout(squareOrLarge));
        writer.AddRecord(squareOrLarge ? 3003 : 3001, layout.data(), uint32_t(layout.size()));
    }
    if (!writer.Write("BrimvaleData")) {
        error = "cannot write " + folder.Resolve("BrimvaleData.pdb");
        return false;
    }
    return true;
}
