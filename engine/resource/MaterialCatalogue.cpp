#include "engine/resource/MaterialCatalogue.h"

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "engine/resource/iShaderManager.h"

namespace Engine {

namespace {

void ReadRenderStates(const tinyxml2::XMLElement* element, cMaterial& material) {
    for (auto* state = element->FirstChildElement("MaterialRS"); state != nullptr;
         state = state->NextSiblingElement("MaterialRS")) {
        material.SetRenderStateByName(ReadString(state, "RSName", "InvalidRS"), ReadInt(state, "value", 1));
    }
}

// The six switches of one ShaderParams element, for one stage.
void ApplyMatrixSwitches(const tinyxml2::XMLElement* params, iShader* stage) {
    if (stage == nullptr) return;
    stage->EnableWVPMatrix(ReadInt(params, "WVPMatrix", 0) != 0);
    stage->EnableWorldViewMatrix(ReadInt(params, "WorldViewMatrix", 0) != 0);
    stage->EnableViewMatrix(ReadInt(params, "ViewMatrix", 0) != 0);
    stage->EnableWorldMatrix(ReadInt(params, "WorldMatrix", 0) != 0);
    stage->EnableProjectionMatrix(ReadInt(params, "ProjectionMatrix", 0) != 0);
    stage->EnableTextureMatrix(ReadInt(params, "TextureMatrix", 0) != 0);
}

void ReadShader(const tinyxml2::XMLElement* shader, cMaterial& material, iShaderManager& shaders) {
    const std::string vertex_file = ReadString(shader, "vsfilename", "");
    const std::string pixel_file = ReadString(shader, "psfilename", "");
    if (vertex_file.empty() && pixel_file.empty()) return;
    const std::string directory = ReadString(shader, "pathdir", "");
    iGPUProgram* program =
        shaders.CreateShaderProgram(vertex_file, directory, ReadString(shader, "vsstartfunc", ""), pixel_file,
                                    directory, ReadString(shader, "psstartfunc", ""));
    material.SetProgram(program, &shaders);
    for (auto* params = shader->FirstChildElement("ShaderParams"); params != nullptr;
         params = params->NextSiblingElement("ShaderParams")) {
        ApplyMatrixSwitches(params, program->VertexStage());
        ApplyMatrixSwitches(params, program->PixelStage());
    }
}

}  // namespace

bool LoadMaterialCatalogue(const std::string& directory, const std::string& file_name, cMaterialManager& materials,
                           iShaderManager* shaders) {
    cXmlFile file(directory + file_name);
    if (!file.IsOpen()) {
        LogError("Cannot read the material catalogue " + file.Path() + "; no materials are catalogued");
        return false;
    }
    const tinyxml2::XMLElement* root = file.First().element;
    if (root == nullptr) return true;
    for (auto* element = root->FirstChildElement("Material"); element != nullptr;
         element = element->NextSiblingElement("Material")) {
        const std::string name = ReadString(element, "name", "Nomat");
        // An empty name could never be looked up again: it is skipped like "Nomat".
        if (name == "Nomat" || name.empty()) continue;
        cMaterial* material = materials.GetMaterial(name);
        ReadRenderStates(element, *material);
        const tinyxml2::XMLElement* shader = element->FirstChildElement("Shader");
        if (shader != nullptr && shaders != nullptr) ReadShader(shader, *material, *shaders);
    }
    return true;
}

}  // namespace Engine
