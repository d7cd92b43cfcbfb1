#pragma once
// Tests write their packages with the sample data's package writer.
#include "tools/sampledata/sample_package.h"

using TestWorldPackage = SSamplePackage;
using TestMap = SSampleMap;
constexpr uint16_t kTestMapRecordStride = kSampleMapRecordStride;
