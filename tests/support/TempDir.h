#pragma once
// Test helpers for files: a fresh temporary folder per test, removed with
// everything in it when the test ends, and small file read/write helpers.

#include <filesystem>  // paths of the folder and its files
#include <string>

namespace TestSupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder itself.
    const std::filesystem::path& Path() const { return path_; }
    // A path inside the folder.
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Writes text to a file inside the folder, creating its parent folders.
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::filesystem::path path_;
};

// Makes a folder the working directory for the lifetime of the object.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& folder);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// The whole content of a file, or an empty text when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace TestSupport
