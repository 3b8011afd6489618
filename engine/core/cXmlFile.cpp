#include "engine/core/cXmlFile.h"

#include <fcntl.h>     // open() of the folder to sync it
#include <sys/stat.h>  // stat, fchmod, umask: the saved file keeps the old file's permissions
#include <unistd.h>    // fsync, close

#include <algorithm>
#include <cstdio>      // FILE streams, rename, remove
#include <cstdlib>     // mkstemp
#include <filesystem>  // parent folder of the saved file
#include <string_view>

#include "engine/core/cLog.h"

namespace Engine {

namespace {

// The path with every "\" read as "/".
std::string NormalisedPath(std::string file_path) {
    std::replace(file_path.begin(), file_path.end(), '\\', '/');
    return file_path;
}

// The first of element and its following siblings whose name is exactly name, or null.
tinyxml2::XMLElement* FirstNamed(tinyxml2::XMLElement* element, std::string_view name) {
    for (; element != nullptr; element = element->NextSiblingElement()) {
        if (name == element->Name()) return element;
    }
    return nullptr;
}

// The text after the last "/" of an element path (the whole path when it has none).
std::string_view LastSegment(std::string_view element_path) {
    const size_t slash = element_path.rfind('/');
    return slash == std::string_view::npos ? element_path : element_path.substr(slash + 1);
}

// Permissions for the saved file: the old file's, else the usual ones for a new file.
mode_t ModeFor(const std::string& target) {
    struct stat old_file;
    if (stat(target.c_str(), &old_file) == 0) return old_file.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes the document to the open descriptor and forces it to disk; always closes fd.
bool WriteAndSync(tinyxml2::XMLDocument& document, int fd, mode_t mode) {
    FILE* stream = fdopen(fd, "wb");
    if (stream == nullptr) {
        close(fd);
        return false;
    }
    const bool written = fchmod(fd, mode) == 0 && document.SaveFile(stream) == tinyxml2::XML_SUCCESS &&
                         std::fflush(stream) == 0 && std::ferror(stream) == 0 && fsync(fd) == 0;
    const bool closed = std::fclose(stream) == 0;
    return written && closed;
}

// Makes the rename itself durable; best effort, as the new content is already in place.
void SyncFolder(const std::string& target) {
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty()) folder = ".";
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Writes a temporary file beside target and renames it over target; removes it on failure.
bool ReplaceAtomically(tinyxml2::XMLDocument& document, const std::string& target) {
    std::string temporary = target + ".tmp-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    if (WriteAndSync(document, fd, ModeFor(target)) && std::rename(temporary.c_str(), target.c_str()) == 0) {
        SyncFolder(target);
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

}  // namespace

cXmlFile::cXmlFile(const std::string& file_path)
    : path(NormalisedPath(file_path)), document(std::make_unique<tinyxml2::XMLDocument>()) {
    opened = document->LoadFile(path.c_str()) == tinyxml2::XML_SUCCESS;
    if (!opened) document->Clear();
    loaded = opened;
    // A document of comments only has no element: its first cursor is the end.
    tinyxml2::XMLElement* top = document->FirstChildElement();
    first = cXmlCursor{top, top != nullptr};
}

cXmlFile::cXmlFile(const std::string& file_path, EmptyTag)
    : path(NormalisedPath(file_path)), document(std::make_unique<tinyxml2::XMLDocument>()), opened(true) {}

cXmlFile cXmlFile::CreateEmpty(const std::string& file_path) {
    return cXmlFile(file_path, EmptyTag{});
}

cXmlFile::~cXmlFile() = default;

tinyxml2::XMLElement* cXmlFile::FindElement(const std::string& element_path, tinyxml2::XMLElement* start) {
    if (!opened) {
        LogError("Accessing unopened file: " + path);
        return nullptr;
    }
    if (start != nullptr) return FirstNamed(start, LastSegment(element_path));
    const std::string_view segments = element_path;
    tinyxml2::XMLElement* element = document->FirstChildElement();
    size_t begin = 0;
    while (true) {
        const size_t slash = segments.find('/', begin);
        element = FirstNamed(element, segments.substr(begin, slash - begin));
        if (element == nullptr || slash == std::string_view::npos) return element;
        element = element->FirstChildElement();
        begin = slash + 1;
    }
}

bool cXmlFile::Save() {
    if (ReplaceAtomically(*document, path)) return true;
    LogError("Failed to save file: " + path);
    return false;
}

}  // namespace Engine
