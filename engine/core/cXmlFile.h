#pragma once
// cXmlFile: one XML data file, parsed whole at construction.
//
// Every data reader opens a cXmlFile on the stack, tests IsOpen(), finds
// elements by "/"-separated paths and reads attributes with defaults (see
// XmlAttributes.h). A file that is missing or malformed is simply not open:
// construction writes no message, readers keep their defaults, and any
// FindElement on it logs "Error: Accessing unopened file: " + path.
//
// Paths: a "\" in the file path is read as "/", since data may spell Windows
// separators; Path() returns the path so normalised.
//
// Element paths: without a start element the path descends from the top
// level ("Settings/Window" is the first Window child of the first top-level
// Settings). With a start element only the last segment counts and is matched
// among the start element and its following siblings, which lets a cursor that
// already sits on an element find it again and walk on from it.
//
// Saving replaces the file atomically: the document goes to a temporary file in
// the same folder, is flushed to disk, and is renamed over the old file, so a
// crash mid-save leaves either the old or the new content whole.
//
// New documents: CreateEmpty(path) gives an open, empty document that the
// caller fills through Document() and then saves to path (the level editor).
//
// Elements and cursors point into the owned document, so a cXmlFile is neither
// copied nor moved; CreateEmpty returns by guaranteed copy elision.

#include <tinyxml2.h>  // readers walk the returned elements directly

#include <memory>
#include <string>

#include "engine/core/XmlCursor.h"

namespace Engine {

class cXmlFile {
public:
    // Reads and parses the file at file_path; IsOpen() tells whether it worked.
    explicit cXmlFile(const std::string& file_path);
    // An open, empty document that Save() writes to file_path.
    static cXmlFile CreateEmpty(const std::string& file_path);
    // Frees the document.
    virtual ~cXmlFile();

    cXmlFile(const cXmlFile&) = delete;
    cXmlFile& operator=(const cXmlFile&) = delete;

    // True when the file was parsed, or the document was created empty.
    bool IsOpen() const { return opened; }
    // True only when the content was read from the file.
    bool IsLoaded() const { return loaded; }
    // The file path, with "\" read as "/".
    const std::string& Path() const { return path; }
    // The first top-level element as parsed, flagged fresh; the end cursor when there is none.
    cXmlCursor First() const { return first; }
    // The end cursor.
    cXmlCursor Last() const { return last; }

    // The element named by element_path (see the banner), or null.
    tinyxml2::XMLElement* FindElement(const std::string& element_path,
                                      tinyxml2::XMLElement* start = nullptr);

    // Writes the document over the file atomically; false (and a log line) on failure.
    bool Save();

    // The document itself, for building elements to save.
    tinyxml2::XMLDocument& Document() { return *document; }

private:
    struct EmptyTag {};
    cXmlFile(const std::string& file_path, EmptyTag);

    std::string path;
    std::unique_ptr<tinyxml2::XMLDocument> document;
    bool opened = false;
    cXmlCursor first;
    cXmlCursor last;
    bool loaded = false;
};

}  // namespace Engine
