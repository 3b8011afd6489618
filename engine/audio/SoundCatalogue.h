#pragma once
// The sound catalogue file (SoundData.xml): which sounds the game has.
//
//     <Sounds>
//       <Sound2D name="ButtonPress" filename="click.ogg" path="./GameData/Sounds/"/>
//       <Sound3D name="FairySprinkle" filename="sprinkle.wav" path="./GameData/Sounds/" distanceModel="linear"/>
//     </Sounds>
//
// The first top-level element is the root, whatever its name. Every direct
// "Sound2D" child is catalogued first, in document order, then every direct
// "Sound3D" child, so a 3D entry never replaces a 2D one of the same name.
// Missing attributes read "noname", "nofilename" and "nopath"; the file is
// path + filename with no separator added. "distanceModel" exactly "linear"
// selects linear roll-off, anything else logarithmic. Other elements and
// attributes are ignored.

#include <string>

namespace Engine {

class iSoundManager;

// Reads the catalogue at path into manager through Load2D and Load3D; false
// (with a log line) when the file cannot be opened or parsed.
bool ReadSoundCatalogue(const std::string& path, iSoundManager& manager);

}  // namespace Engine
