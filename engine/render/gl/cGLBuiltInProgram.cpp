#include "engine/render/gl/cGLBuiltInProgram.h"

#include <algorithm>  // std::clamp of the cone angles
#include <array>
#include <cmath>  // std::cos

#include "engine/core/MathConstants.h"
#include "engine/render/RenderLight.h"
#include "engine/render/cRendererBase.h"
#include "engine/render/cVertexDeclaration.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/eRenderStateId.h"

namespace Engine {

namespace {

// Light slots the program lights with; the arrays of the vertex stage hold as many.
constexpr int32_t kMaxLights = static_cast<int32_t>(cRendererBase::kLightSlots);

// A spot light's cone for the vertex stage: the cosines of half its inner
// and half its outer angle, and its falloff. The outer angle is kept within
// a half turn and the inner within the outer, where the device kept them.
Vector3 SpotCone(const RenderLight& light) {
    const float outer = std::clamp(light.phi, 0.0f, kPi);
    const float inner = std::clamp(light.theta, 0.0f, outer);
    return {std::cos(0.5f * inner), std::cos(0.5f * outer), light.falloff};
}

// Attribute locations as GLVertexLayout.h assigns them.
constexpr const char* kVertexSource = R"(#version 330 core
layout(location = 0) in vec4 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec4 colour;
layout(location = 4) in vec2 texcoord0;
uniform mat4 world_view_projection;
uniform mat4 world;
uniform mat3 normal_matrix;
uniform mat4 texture_matrix;
uniform vec4 material_diffuse;
uniform vec4 material_ambient;
uniform vec4 material_emissive;
uniform vec4 global_ambient;
uniform bool use_vertex_colour;
uniform bool use_lighting;
// The enabled lights, packed from the first. Types: 1 point, 2 spot,
// 3 directional. Directions are of unit length; a cone holds the cosines of
// half the inner and half the outer angle, then the falloff exponent.
uniform int light_count;
uniform int light_type[8];
uniform vec3 light_diffuse[8];
uniform vec3 light_ambient[8];
uniform vec3 light_position[8];
uniform vec3 light_direction[8];
uniform float light_range[8];
uniform vec3 light_attenuation[8];
uniform vec3 light_cone[8];
out vec4 smooth_colour;
flat out vec4 flat_colour;
out vec2 texcoord;
float spot_factor(int i, vec3 to_light) {
    float rho = dot(-to_light, light_direction[i]);
    vec3 cone = light_cone[i];
    if (rho <= cone.y) return 0.0;
    if (rho >= cone.x) return 1.0;
    return pow((rho - cone.y) / (cone.x - cone.y), cone.z);
}
// How much of light i reaches the point (attenuation times spot factor) and
// the direction toward it.
float reach(int i, vec3 point, vec3 n, out vec3 to_light) {
    if (light_type[i] == 3) {
        to_light = -light_direction[i];
        return 1.0;
    }
    vec3 offset = light_position[i] - point;
    float d = length(offset);
    to_light = d > 0.0 ? offset / d : n;
    if (d > light_range[i]) return 0.0;
    vec3 a = light_attenuation[i];
    float attenuation = a == vec3(0.0) ? 1.0 : 1.0 / max(a.x + a.y * d + a.z * d * d, 1e-6);
    return light_type[i] == 2 ? attenuation * spot_factor(i, to_light) : attenuation;
}
vec3 lit(vec3 diffuse) {
    vec3 point = (world * position).xyz;
    vec3 n = normal_matrix * normal;
    n = dot(n, n) > 0.0 ? normalize(n) : n;
    vec3 sum = material_emissive.rgb + material_ambient.rgb * global_ambient.rgb;
    for (int i = 0; i < light_count; ++i) {
        vec3 to_light;
        float amount = reach(i, point, n, to_light);
        vec3 light = light_ambient[i] * material_ambient.rgb + light_diffuse[i] * diffuse * max(dot(n, to_light), 0.0);
        sum += light * amount;
    }
    return clamp(sum, 0.0, 1.0);
}
void main() {
    gl_Position = world_view_projection * position;
    vec4 c = use_vertex_colour ? colour : material_diffuse;
    if (use_lighting) c = vec4(lit(c.rgb), c.a);
    smooth_colour = c;
    flat_colour = c;
    // Two coordinates enter the texture transform as (u, v, 1, 0).
    texcoord = (texture_matrix * vec4(texcoord0, 1.0, 0.0)).xy;
}
)";

constexpr const char* kFragmentSource = R"(#version 330 core
uniform bool use_texture;
uniform bool flat_shading;
uniform sampler2D stage0;
// Stage 0's texture operations: 0 select the texture, 1 modulate, 2 add,
// 3 blend by texture alpha; the second argument 1 is the texture, anything
// else the diffuse colour (what "current" is at stage 0).
uniform ivec2 colour_operation;
uniform ivec2 alpha_operation;
in vec4 smooth_colour;
flat in vec4 flat_colour;
in vec2 texcoord;
out vec4 fragment;
vec4 combine(ivec2 operation, vec4 texel, vec4 diffuse) {
    vec4 argument = operation.y == 1 ? texel : diffuse;
    if (operation.x == 0) return texel;
    if (operation.x == 2) return clamp(texel + argument, 0.0, 1.0);
    if (operation.x == 3) return texel * texel.a + argument * (1.0 - texel.a);
    return texel * argument;
}
void main() {
    vec4 c = flat_shading ? flat_colour : smooth_colour;
    if (use_texture) {
        vec4 texel = texture(stage0, texcoord);
        c = vec4(combine(colour_operation, texel, c).rgb, combine(alpha_operation, texel, c).a);
    }
    fragment = c;
}
)";

}  // namespace

bool cGLBuiltInProgram::Build() {
    if (!program.Build(kVertexSource, kFragmentSource, "the built-in program")) return false;
    wvp_location = program.Uniform("world_view_projection");
    world_location = program.Uniform("world");
    normal_matrix_location = program.Uniform("normal_matrix");
    texture_matrix_location = program.Uniform("texture_matrix");
    material_location = program.Uniform("material_diffuse");
    material_ambient_location = program.Uniform("material_ambient");
    material_emissive_location = program.Uniform("material_emissive");
    global_ambient_location = program.Uniform("global_ambient");
    vertex_colour_location = program.Uniform("use_vertex_colour");
    lighting_location = program.Uniform("use_lighting");
    texture_location = program.Uniform("use_texture");
    flat_location = program.Uniform("flat_shading");
    colour_operation_location = program.Uniform("colour_operation");
    alpha_operation_location = program.Uniform("alpha_operation");
    light_locations = {program.Uniform("light_count"),     program.Uniform("light_type"),
                       program.Uniform("light_diffuse"),   program.Uniform("light_ambient"),
                       program.Uniform("light_position"),  program.Uniform("light_direction"),
                       program.Uniform("light_range"),     program.Uniform("light_attenuation"),
                       program.Uniform("light_cone")};
    glUseProgram(program.Name());
    glUniform1i(program.Uniform("stage0"), 0);
    glUseProgram(0);
    uploaded_revision = uploaded_light_revision = UINT64_MAX;
    uploaded_material = uploaded_material_ambient = uploaded_material_emissive = {-1, -1, -1, -1};
    vertex_colour_on = lighting_on = texture_on = flat_on = -1;
    uploaded_colour_operation = uploaded_alpha_operation = {-1, -1};
    return true;
}

void cGLBuiltInProgram::Release() { program.Release(); }

void cGLBuiltInProgram::Prepare(const cRendererBase& renderer, bool stage0_texture_2d, GLuint& current_program) {
    if (current_program != program.Name()) {
        glUseProgram(program.Name());
        current_program = program.Name();
    }
    UploadMatrices(renderer);
    UploadMaterial(renderer);
    const cVertexDeclaration* declaration = renderer.Bindings().declaration;
    const bool has_colour = declaration != nullptr && declaration->FindElement(DU_Colour, 0).has_value();
    const bool has_normal = declaration != nullptr && declaration->FindElement(DU_Normal, 0).has_value();
    const bool lighting = has_normal && cRendererBase::StateEnables(RS_Lighting, renderer.RenderState(RS_Lighting));
    // Lights change rarely and matter only to lit draws: they wait until one comes.
    if (lighting) UploadLights(renderer);
    SetSwitch(vertex_colour_location, has_colour ? 1 : 0, vertex_colour_on);
    SetSwitch(lighting_location, lighting ? 1 : 0, lighting_on);
    SetSwitch(texture_location, stage0_texture_2d ? 1 : 0, texture_on);
    SetSwitch(flat_location, renderer.RenderState(RS_Shading) == 0 ? 1 : 0, flat_on);
    SetOperation(colour_operation_location, renderer.GetTextureOperation(0, false), uploaded_colour_operation);
    SetOperation(alpha_operation_location, renderer.GetTextureOperation(0, true), uploaded_alpha_operation);
}

void cGLBuiltInProgram::UploadMatrices(const cRendererBase& renderer) {
    if (renderer.MatrixRevision() == uploaded_revision) return;
    Matrix4x4 combined;
    Matrix4x4 world;
    Matrix4x4 texture;
    renderer.GetMatrix(MM_Combined, combined);
    renderer.GetMatrix(MM_World, world);
    renderer.GetMatrix(MM_Texture, texture);
    // Engine matrices are stored row by row: GL_TRUE transposes them on the way in.
    glUniformMatrix4fv(wvp_location, 1, GL_TRUE, &combined.m[0][0]);
    glUniformMatrix4fv(world_location, 1, GL_TRUE, &world.m[0][0]);
    glUniformMatrix4fv(texture_matrix_location, 1, GL_TRUE, &texture.m[0][0]);
    // Normals keep square to their surfaces under scaling through the
    // inverse transpose; a singular world matrix gives the identity.
    const Matrix4x4 inverse = world.Inverse();
    float normal_matrix[3][3];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) normal_matrix[row][column] = inverse.m[column][row];
    }
    glUniformMatrix3fv(normal_matrix_location, 1, GL_TRUE, &normal_matrix[0][0]);
    uploaded_revision = renderer.MatrixRevision();
}

void cGLBuiltInProgram::UploadMaterial(const cRendererBase& renderer) {
    const MaterialColours& material = renderer.Material();
    SetColour(material_location, material.diffuse, uploaded_material);
    SetColour(material_ambient_location, material.ambient, uploaded_material_ambient);
    SetColour(material_emissive_location, material.emissive, uploaded_material_emissive);
}

// The light arrays go to GL as runs of three floats.
static_assert(sizeof(Vector3) == 3 * sizeof(float));

void cGLBuiltInProgram::UploadLights(const cRendererBase& renderer) {
    if (renderer.LightRevision() == uploaded_light_revision) return;
    std::array<GLint, kMaxLights> types{};
    std::array<Vector3, kMaxLights> diffuse{};
    std::array<Vector3, kMaxLights> ambient{};
    std::array<Vector3, kMaxLights> positions{};
    std::array<Vector3, kMaxLights> directions{};
    std::array<float, kMaxLights> ranges{};
    std::array<Vector3, kMaxLights> attenuations{};
    std::array<Vector3, kMaxLights> cones{};
    GLsizei count = 0;
    for (uint32_t slot = 0; slot < cRendererBase::kLightSlots; ++slot) {
        const RenderLight& light = renderer.Light(slot);
        // A light that cannot light anything was logged when it was set.
        if (!renderer.LightEnabled(slot) || !RenderLightFault(light).empty()) continue;
        types[count] = light.type;
        diffuse[count] = {light.diffuse.r, light.diffuse.g, light.diffuse.b};
        ambient[count] = {light.ambient.r, light.ambient.g, light.ambient.b};
        positions[count] = light.position;
        const float length = Length(light.direction);
        directions[count] = length > 0.0f ? light.direction / length : light.direction;
        ranges[count] = light.range;
        attenuations[count] = {light.attenuation0, light.attenuation1, light.attenuation2};
        cones[count] = SpotCone(light);
        ++count;
    }
    const ColorRGBA& global = renderer.Ambient();
    glUniform4f(global_ambient_location, global.r, global.g, global.b, global.a);
    glUniform1i(light_locations.count, count);
    if (count > 0) {
        glUniform1iv(light_locations.type, count, types.data());
        glUniform3fv(light_locations.diffuse, count, &diffuse[0].x);
        glUniform3fv(light_locations.ambient, count, &ambient[0].x);
        glUniform3fv(light_locations.position, count, &positions[0].x);
        glUniform3fv(light_locations.direction, count, &directions[0].x);
        glUniform1fv(light_locations.range, count, ranges.data());
        glUniform3fv(light_locations.attenuation, count, &attenuations[0].x);
        glUniform3fv(light_locations.cone, count, &cones[0].x);
    }
    uploaded_light_revision = renderer.LightRevision();
}

void cGLBuiltInProgram::SetColour(GLint location, const ColorRGBA& colour, ColorRGBA& last) {
    if (colour == last) return;
    glUniform4f(location, colour.r, colour.g, colour.b, colour.a);
    last = colour;
}

void cGLBuiltInProgram::SetOperation(GLint location, const TextureOperation& operation, TextureOperation& last) {
    if (operation == last) return;
    glUniform2i(location, operation.op, operation.arg);
    last = operation;
}

void cGLBuiltInProgram::SetSwitch(GLint location, int32_t value, int32_t& last) {
    if (value == last) return;
    glUniform1i(location, value);
    last = value;
}

}  // namespace Engine
