#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/headless_fixture.h"

// A fresh, empty program folder for each test ($BRIMVALE_HOME points at it), removed afterwards.
// The folder exists from construction on, so fixtures may name it in their member initialisers.
class TempFolderTest : public HeadlessTest {
protected:
    TempFolderTest() {
        char pattern[] = "/tmp/brimvale-test-XXXXXX";
        if (mkdtemp(pattern) != nullptr) m_folder = pattern;
    }
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_FALSE(m_folder.empty()) << "no temporary folder";
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
