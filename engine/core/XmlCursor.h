#pragma once
// cXmlCursor: a position among the elements of a parsed XML document.
//
// A cursor pairs an element (not owned; it points into the document of a
// cXmlFile and is valid only while that file lives) with a flag that is true
// only for a file's fresh first cursor and cleared whenever the cursor moves.
// The end cursor is (no element, false). A walk over a group of like
// elements runs while the cursor differs from the end cursor in either member:
//
//     for (cXmlCursor c = start; c != file.Last(); NextSameName(c)) { ... }

namespace tinyxml2 {
class XMLElement;
}

namespace Engine {

struct cXmlCursor {
    tinyxml2::XMLElement* element = nullptr;
    bool fresh = false;

    // Equal when both the element and the flag are equal.
    bool operator==(const cXmlCursor& other) const = default;
};

}  // namespace Engine
