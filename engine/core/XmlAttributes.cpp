#include "engine/core/XmlAttributes.h"

#include <locale>  // the classic locale: data reads the same on every machine
#include <sstream>
#include <type_traits>

namespace Engine {

namespace {

// True when the first non-blank character of the stream is a minus sign.
bool StartsNegative(std::istringstream& stream) {
    stream >> std::ws;
    return stream.peek() == '-';
}

// The value extracted from text, or fallback when there is no text or no value in it.
template <typename T>
T Converted(const char* text, T fallback) {
    if (text == nullptr) return fallback;
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    stream >> std::boolalpha;
    if constexpr (std::is_unsigned_v<T> && !std::is_same_v<T, bool>) {
        if (StartsNegative(stream)) return fallback;
    }
    T value{};
    stream >> value;
    return stream.fail() ? fallback : value;
}

// The attribute text of the element found from the cursor, or null; moves the cursor when found.
const char* FoundAttribute(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor,
                           const char* element_path) {
    if (attribute_name == nullptr || element_path == nullptr) return nullptr;
    tinyxml2::XMLElement* element = file.FindElement(element_path, cursor.element);
    const char* text = element != nullptr ? element->Attribute(attribute_name) : nullptr;
    if (text != nullptr) cursor = cXmlCursor{element, false};
    return text;
}

// The element's attribute text, or null.
const char* AttributeOf(const tinyxml2::XMLElement* element, const char* attribute_name) {
    if (element == nullptr || attribute_name == nullptr) return nullptr;
    return element->Attribute(attribute_name);
}

}  // namespace

std::string GetAttribute(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor, const char* element_path,
                         const std::string& default_text) {
    const char* text = FoundAttribute(attribute_name, file, cursor, element_path);
    return text != nullptr ? std::string(text) : default_text;
}

int GetAttributeInt(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor, const char* element_path,
                    int default_value) {
    return Converted(FoundAttribute(attribute_name, file, cursor, element_path), default_value);
}

unsigned GetAttributeUnsigned(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor,
                              const char* element_path, unsigned default_value) {
    return Converted(FoundAttribute(attribute_name, file, cursor, element_path), default_value);
}

float GetAttributeFloat(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor, const char* element_path,
                        float default_value) {
    return Converted(FoundAttribute(attribute_name, file, cursor, element_path), default_value);
}

bool GetAttributeBool(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor, const char* element_path,
                      bool default_value) {
    return Converted(FoundAttribute(attribute_name, file, cursor, element_path), default_value);
}

void NextSameName(cXmlCursor& cursor) {
    tinyxml2::XMLElement* next =
        cursor.element != nullptr ? cursor.element->NextSiblingElement(cursor.element->Name()) : nullptr;
    cursor = cXmlCursor{next, false};
}

std::string ReadString(const tinyxml2::XMLElement* element, const char* attribute_name,
                       const std::string& default_text) {
    const char* text = AttributeOf(element, attribute_name);
    return text != nullptr ? std::string(text) : default_text;
}

int ReadInt(const tinyxml2::XMLElement* element, const char* attribute_name, int default_value) {
    return Converted(AttributeOf(element, attribute_name), default_value);
}

unsigned ReadUnsigned(const tinyxml2::XMLElement* element, const char* attribute_name, unsigned default_value) {
    return Converted(AttributeOf(element, attribute_name), default_value);
}

float ReadFloat(const tinyxml2::XMLElement* element, const char* attribute_name, float default_value) {
    return Converted(AttributeOf(element, attribute_name), default_value);
}

bool ReadBool(const tinyxml2::XMLElement* element, const char* attribute_name, bool default_value) {
    return Converted(AttributeOf(element, attribute_name), default_value);
}

}  // namespace Engine
