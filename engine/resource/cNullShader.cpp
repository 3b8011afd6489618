#include "engine/resource/cNullShader.h"

#include <regex>
#include <sstream>

#include "engine/render/cNullRenderer.h"
#include "engine/resource/eShaderStage.h"

namespace Engine {

namespace {

// Ids of compiled null stages, unique for the run.
uint32_t next_id = 1;

eShaderConstantType TypeOf(const std::string& glsl_type) {
    if (glsl_type == "int" || glsl_type == "bool") return SCT_Int;
    if (glsl_type == "float") return SCT_Float;
    if (glsl_type == "vec2") return SCT_Float2;
    if (glsl_type == "vec3") return SCT_Float3;
    if (glsl_type == "vec4") return SCT_Float4;
    if (glsl_type == "mat4") return SCT_Matrix;
    if (glsl_type.rfind("sampler", 0) == 0) return SCT_Sampler;
    return SCT_Other;
}

// The text of the lines the stage sees, conditional blocks on the stage macros resolved.
std::string StageLines(const std::string& text, int32_t stage) {
    const std::string own = stage == SS_Pixel ? "PIXEL_STAGE" : "VERTEX_STAGE";
    struct Block {
        bool parent_active;
        bool condition;
    };
    std::vector<Block> blocks;
    bool active = true;
    std::istringstream lines(text);
    std::string line;
    std::string kept;
    static const std::regex directive(R"(^\s*#\s*(ifdef|ifndef|if|elif|else|endif)\b\s*(\w*))");
    while (std::getline(lines, line)) {
        std::smatch match;
        if (!std::regex_search(line, match, directive)) {
            if (active) kept += line + "\n";
            continue;
        }
        const std::string word = match[1];
        const std::string macro = match[2];
        const bool stage_macro = macro == "VERTEX_STAGE" || macro == "PIXEL_STAGE";
        if (word == "ifdef" || word == "ifndef" || word == "if") {
            bool condition = true;
            if (word != "if" && stage_macro) condition = (macro == own) == (word == "ifdef");
            blocks.push_back({active, condition});
        } else if (!blocks.empty() && word == "else") {
            blocks.back().condition = !blocks.back().condition;
        } else if (!blocks.empty() && word == "elif") {
            blocks.back().condition = false;
        } else if (!blocks.empty()) {
            blocks.pop_back();
        }
        active = blocks.empty() || (blocks.back().parent_active && blocks.back().condition);
    }
    return kept;
}

}  // namespace

void cNullShader::Attach(iShaderManager& owner, cNullRenderer& device) {
    cShaderStageBase::Attach(owner, device);
    renderer = &device;
}

bool cNullShader::SentValues(const std::string& constant, std::vector<float>& values) const {
    auto known = Constants().find(constant);
    if (known == Constants().end()) return false;
    auto value = sent.find(known->second.location);
    if (value == sent.end()) return false;
    values = value->second;
    return true;
}

bool cNullShader::DeviceCompile(const std::string& source_text, const std::string& entry, int32_t stage,
                                std::map<std::string, ShaderConstant>& found, std::string& error) {
    const std::string text = StageLines(source_text, stage);
    if (!std::regex_search(text, std::regex("\\bvoid\\s+" + entry + "\\s*\\("))) {
        error = "the entry point " + entry + " is not defined for this stage";
        return false;
    }
    static const std::regex uniform(
        R"((?:layout\s*\(\s*binding\s*=\s*(\d+)\s*\)\s*)?uniform\s+(\w+)\s+(\w+)\s*(?:\[[^\]]*\])?\s*(?:=[^;]*)?;)");
    int32_t location = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), uniform), end; it != end; ++it) {
        ShaderConstant constant;
        constant.type = TypeOf((*it)[2]);
        constant.location = location++;
        if ((*it)[1].matched) constant.sampler_unit = static_cast<uint32_t>(std::stoul((*it)[1]));
        found.emplace((*it)[3], constant);
    }
    id = next_id++;
    return true;
}

void cNullShader::DeviceRelease() {
    if (renderer != nullptr && renderer->Shader(Stage() == SS_Pixel) == id) renderer->UnbindShader(Stage() == SS_Pixel);
    id = 0;
    sent.clear();
}

void cNullShader::DeviceBind() {
    if (renderer != nullptr) renderer->BindShader(Stage() == SS_Pixel, id);
}

void cNullShader::DeviceSendInt(const ShaderConstant& constant, int32_t value) {
    sent[constant.location] = {static_cast<float>(value)};
}

void cNullShader::DeviceSendFloats(const ShaderConstant& constant, const float* values, int32_t count) {
    sent[constant.location].assign(values, values + count);
}

void cNullShader::DeviceSendMatrix(const ShaderConstant& constant, const Matrix4x4& value) {
    sent[constant.location].assign(&value.m[0][0], &value.m[0][0] + 16);
}

}  // namespace Engine
