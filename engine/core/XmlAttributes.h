#pragma once
// Attribute readers: how every data reader takes values out of a cXmlFile.
//
// Each reader finds element_path starting from the cursor's element and reads
// one attribute of it, falling back to the given default, unconverted, when the
// element or the attribute is missing. A cursor with no element (a default
// cXmlCursor, or file.Last()) searches from the top level; a cursor sitting on
// an element matches only the path's last segment among that element and its
// following siblings, so the same path finds the current element again. When
// the attribute is found the cursor moves to its element and loses its fresh
// flag; when it is not, the cursor stays where it was.
//
// Text becomes a value by stream extraction in the classic locale: leading
// blanks are skipped and reading stops at the first character that does not
// fit, so "0.2f" reads 0.2 and "12abc" reads 12. Text that yields no value at
// all ("abc" for a number, overflow) gives the default. Booleans are only the
// words "true" and "false"; "1" or "True" give the default. Unsigned values
// refuse a leading "-" and give the default, since a negative count or size
// must never wrap round into a huge one.
//
// The Read* forms read the same way straight from an element, for readers
// that walk elements themselves; a null element gives the default.
//
// Walking repeated elements:
//
//     cXmlCursor cursor;
//     GetAttribute("name", file, cursor, "Level/Enemy", "");   // cursor on the first Enemy
//     for (; cursor != file.Last(); NextSameName(cursor)) {
//         xs.push_back(GetAttributeFloat("x", file, cursor, "Level/Enemy", 0.0f));
//     }

#include <tinyxml2.h>  // elements read by the Read* forms

#include <string>

#include "engine/core/XmlCursor.h"
#include "engine/core/cXmlFile.h"

namespace Engine {

// The attribute's text, or default_text.
std::string GetAttribute(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor, const char* element_path,
                         const std::string& default_text);
// The attribute as an int, or default_value.
int GetAttributeInt(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor, const char* element_path,
                    int default_value);
// The attribute as an unsigned int, or default_value (also for negative text).
unsigned GetAttributeUnsigned(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor,
                              const char* element_path, unsigned default_value);
// The attribute as a float, or default_value.
float GetAttributeFloat(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor, const char* element_path,
                        float default_value);
// The attribute as a bool ("true" or "false" only), or default_value.
bool GetAttributeBool(const char* attribute_name, cXmlFile& file, cXmlCursor& cursor, const char* element_path,
                      bool default_value);

// Moves the cursor to the next sibling element of the same name, or to the end; clears its flag.
void NextSameName(cXmlCursor& cursor);

// The element's attribute text, or default_text.
std::string ReadString(const tinyxml2::XMLElement* element, const char* attribute_name,
                       const std::string& default_text);
// The element's attribute as an int, or default_value.
int ReadInt(const tinyxml2::XMLElement* element, const char* attribute_name, int default_value);
// The element's attribute as an unsigned int, or default_value (also for negative text).
unsigned ReadUnsigned(const tinyxml2::XMLElement* element, const char* attribute_name, unsigned default_value);
// The element's attribute as a float, or default_value.
float ReadFloat(const tinyxml2::XMLElement* element, const char* attribute_name, float default_value);
// The element's attribute as a bool ("true" or "false" only), or default_value.
bool ReadBool(const tinyxml2::XMLElement* element, const char* attribute_name, bool default_value);

}  // namespace Engine
