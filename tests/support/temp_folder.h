#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/headless_fixture.h"

// A fresh, empty program folder for each test ($BRIMVALE_HOME points at it), removed afterwards.
class TempFolderTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        char pattern[] = "/tmp/brimvale-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
        m_previousHome = std::getenv("BRIMVALE_HOME") ? std::getenv("BRIMVALE_HOME") : "";
        setenv("BRIMVALE_HOME", m_folder.c_str(), 1);
    }
    void TearDown() override {
        if (m_previousHome.empty())
            unsetenv("BRIMVALE_HOME");
        else
            setenv("BRIMVALE_HOME", m_previousHome.c_str(), 1);
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
        HeadlessTest::TearDown();
    }

    // The folder with a trailing '/'.
    std::string Folder() const { return m_folder + "/"; }
    std::string PathOf(const std::string& name) const { return Folder() + name; }

private:
    std::string m_folder;
    std::string m_previousHome;
};
