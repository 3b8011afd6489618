#include "game/data/cTuningFile.h"

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"

namespace Game {

cTuningFile::cTuningFile(const std::string& element_name, const std::string& directory)
    : file(directory + element_name + ".xml") {
    if (file.IsOpen()) element = file.Document().FirstChildElement(element_name.c_str());
    if (element == nullptr) {
        Engine::LogError("Tuning: cannot read the element " + element_name + " of " + file.Path() +
                         "; every value takes its default");
    }
}

float cTuningFile::Float(const char* attribute, float default_value) const {
    return Engine::ReadFloat(element, attribute, default_value);
}

int cTuningFile::Int(const char* attribute, int default_value) const {
    return Engine::ReadInt(element, attribute, default_value);
}

bool cTuningFile::Bool(const char* attribute, bool default_value) const {
    return Engine::ReadBool(element, attribute, default_value);
}

std::string cTuningFile::Text(const char* attribute, const std::string& default_value) const {
    return Engine::ReadString(element, attribute, default_value);
}

}  // namespace Game
