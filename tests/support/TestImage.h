#pragma once
// Test support: a fresh system image in a temporary folder, opened as the current image.
#include "platform/image.h"

#include <string>

class TestImage {
public:
    explicit TestImage(bool nt = false);
    ~TestImage();
    TestImage(const TestImage&) = delete;
    TestImage& operator=(const TestImage&) = delete;

    const std::string& Root() const { return m_root; }
    // Host path of a Windows path of this image (the path need not exist).
    std::string Host(const std::string& windowsPath) const;
    // Writes a file at a Windows path, creating its folders.
    void WriteFile(const std::string& windowsPath, const std::string& bytes) const;
    std::string ReadFile(const std::string& windowsPath) const;
    bool Exists(const std::string& windowsPath) const;

private:
    std::string m_root;
};

// A temporary host folder removed at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
