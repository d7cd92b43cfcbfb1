#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/headless_fixture.h"

// A fresh, empty folder, removed with the object; empty Path() when none could be made. For
// fixtures that cannot be TempFolderTests.
class STempFolder {
public:
    STempFolder() {
        char pattern[] = "/tmp/brimvale-test-XXXXXX";
        if (mkdtemp(pattern) != nullptr) m_path = pattern;
    }
    ~STempFolder() {
        std::error_code ignored;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
    }
    STempFolder(const STempFolder&) = delete;
    STempFolder& operator=(const STempFolder&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// A fresh, empty program folder for each test ($BRIMVALE_HOME points at it), removed afterwards.
// The folder exists from construction on, so fixtures may name it in their member initialisers.
class TempFolderTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_FALSE(m_folder.Path().empty()) << "no temporary folder";
        m_previousHome = std::getenv("BRIMVALE_HOME") ? std::getenv("BRIMVALE_HOME") : "";
        setenv("BRIMVALE_HOME", m_folder.Path().c_str(), 1);
    }
    void TearDown() override {
        if (m_previousHome.empty())
            unsetenv("BRIMVALE_HOME");
        else
            setenv("BRIMVALE_HOME", m_previousHome.c_str(), 1);
        HeadlessTest::TearDown();
    }

    // The folder with a trailing '/'.
    std::string Folder() const { return m_folder.Path() + "/"; }
    std::string PathOf(const std::string& name) const { return Folder() + name; }

private:
    STempFolder m_folder;
    std::string m_previousHome;
};
