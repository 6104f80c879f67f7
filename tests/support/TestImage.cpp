#include "tests/support/TestImage.h"

#include "platform/hostfs.h"
#include "platform/paths.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "typestow-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Read-only files made by tests must not stop the clean-up.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

namespace {
TempDir& Scratch() {
    static TempDir dir;
    return dir;
}
int g_counter = 0;
} // namespace

TestImage::TestImage(bool nt) {
    m_root = Scratch().Path() + "/image" + std::to_string(++g_counter);
    platform::ImageOptions options;
    options.nt = nt;
    std::string error;
    if (!platform::CreateImage(m_root, options, &error)) throw std::runtime_error(error);
    if (!platform::OpenImage(m_root)) throw std::runtime_error("cannot open " + m_root);
}

TestImage::~TestImage() {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(m_root, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_root, ec);
}

std::string TestImage::Host(const std::string& windowsPath) const {
    auto h = platform::HostPath(windowsPath);
    if (!h) throw std::runtime_error("unmapped path " + windowsPath);
    return *h;
}

void TestImage::WriteFile(const std::string& windowsPath, const std::string& bytes) const {
    std::string h = Host(windowsPath);
    platform::host::MakeDirectories(h.substr(0, h.rfind('/')));
    if (!platform::host::WriteFileAtomic(h, bytes)) throw std::runtime_error("cannot write " + h);
}

std::string TestImage::ReadFile(const std::string& windowsPath) const {
    auto bytes = platform::host::ReadFile(Host(windowsPath));
    return bytes ? *bytes : std::string();
}

bool TestImage::Exists(const std::string& windowsPath) const {
    return platform::host::Exists(Host(windowsPath));
}
