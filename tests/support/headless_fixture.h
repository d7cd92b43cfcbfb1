#pragma once
#include <gtest/gtest.h>

#include "platform/headless/headless.h"

// Every test starts on a fresh headless device and leaves none of its state behind.
class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override { platform::headless::Reset(); }
    void TearDown() override { platform::headless::Reset(); }
};
