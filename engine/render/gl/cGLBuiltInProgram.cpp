#include "engine/render/gl/cGLBuiltInProgram.h"

#include "engine/render/cRendererBase.h"
#include "engine/render/cVertexDeclaration.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/eRenderStateId.h"

namespace Engine {

namespace {

// Attribute locations as GLVertexLayout.h assigns them.
constexpr const char* kVertexSource = R"(#version 330 core
layout(location = 0) in vec4 position;
layout(location = 2) in vec4 colour;
layout(location = 4) in vec2 texcoord0;
uniform mat4 world_view_projection;
uniform mat4 texture_matrix;
uniform vec4 material_diffuse;
uniform bool use_vertex_colour;
out vec4 smooth_colour;
flat out vec4 flat_colour;
out vec2 texcoord;
void main() {
    gl_Position = world_view_projection * position;
    vec4 c = use_vertex_colour ? colour : material_diffuse;
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
    texture_matrix_location = program.Uniform("texture_matrix");
    material_location = program.Uniform("material_diffuse");
    vertex_colour_location = program.Uniform("use_vertex_colour");
    texture_location = program.Uniform("use_texture");
    flat_location = program.Uniform("flat_shading");
    colour_operation_location = program.Uniform("colour_operation");
    alpha_operation_location = program.Uniform("alpha_operation");
    glUseProgram(program.Name());
    glUniform1i(program.Uniform("stage0"), 0);
    glUseProgram(0);
    uploaded_revision = UINT64_MAX;
    uploaded_material = {-1, -1, -1, -1};
    vertex_colour_on = texture_on = flat_on = -1;
    uploaded_colour_operation = uploaded_alpha_operation = {-1, -1};
    return true;
}

void cGLBuiltInProgram::Release() { program.Release(); }

void cGLBuiltInProgram::Prepare(const cRendererBase& renderer, bool stage0_texture_2d, GLuint& current_program) {
    if (current_program != program.Name()) {
        glUseProgram(program.Name());
        current_program = program.Name();
    }
    if (renderer.MatrixRevision() != uploaded_revision) {
        Matrix4x4 combined;
        Matrix4x4 texture;
        renderer.GetMatrix(MM_Combined, combined);
        renderer.GetMatrix(MM_Texture, texture);
        // Engine matrices are stored row by row: GL_TRUE transposes them on the way in.
        glUniformMatrix4fv(wvp_location, 1, GL_TRUE, &combined.m[0][0]);
        glUniformMatrix4fv(texture_matrix_location, 1, GL_TRUE, &texture.m[0][0]);
        uploaded_revision = renderer.MatrixRevision();
    }
    const ColorRGBA& diffuse = renderer.Material().diffuse;
    if (diffuse != uploaded_material) {
        glUniform4f(material_location, diffuse.r, diffuse.g, diffuse.b, diffuse.a);
        uploaded_material = diffuse;
    }
    const cVertexDeclaration* declaration = renderer.Bindings().declaration;
    const bool has_colour = declaration != nullptr && declaration->FindElement(DU_Colour, 0).has_value();
    SetSwitch(vertex_colour_location, has_colour ? 1 : 0, vertex_colour_on);
    SetSwitch(texture_location, stage0_texture_2d ? 1 : 0, texture_on);
    SetSwitch(flat_location, renderer.RenderState(RS_Shading) == 0 ? 1 : 0, flat_on);
    SetOperation(colour_operation_location, renderer.GetTextureOperation(0, false), uploaded_colour_operation);
    SetOperation(alpha_operation_location, renderer.GetTextureOperation(0, true), uploaded_alpha_operation);
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
