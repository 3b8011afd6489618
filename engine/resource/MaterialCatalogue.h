#pragma once
// The material catalogue ("MaterialData.xml"): every Material element of the
// root becomes a material of the manager, fetched or made by name, with its
// render states, its shader program and the automatic matrices of its stages.
//
//   <Material name="StandardMat">
//     <MaterialRS RSName="DepthTesting" value="1"/>
//     <MaterialRS RSName="AlphaBlending"/>                 (value missing: 1)
//     <Shader vsfilename="standard.shader" psfilename="standard.shader"
//             pathdir="./GameData/Shaders/" vsstartfunc="StandardVS" psstartfunc="StandardPS">
//       <ShaderParams WVPMatrix="1" WorldMatrix="1"/>        (missing: off)
//     </Shader>
//   </Material>
//
// A Material without a name ("Nomat") is skipped, an unknown RSName is
// ignored, only the first Shader element counts, and a material that already
// had a program (a catalogue read again) has it released before it takes the
// new one. Without a shader manager, materials get no programs.

#include <string>

namespace Engine {

class cMaterialManager;
class iShaderManager;

// Reads directory + file_name; false, logged, when the file cannot be opened.
bool LoadMaterialCatalogue(const std::string& directory, const std::string& file_name, cMaterialManager& materials,
                           iShaderManager* shaders);

}  // namespace Engine
