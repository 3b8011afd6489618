#pragma once
// cGLBuiltInProgram: the program for draws that bring no shader of their
// own, doing what the original fixed-function pipeline did with lighting
// off: positions transformed by projection * view * world; the vertex colour
// when the vertex has one, else the material's diffuse colour (flat or
// smooth as the Shading state says); combined with the stage-0 texture, whose
// coordinates pass through the texture transform, when a 2D texture is
// bound, by stage 0's colour and alpha operations (eTextureOp; modulation
// until something sets them).
//
// Uniforms are uploaded only when what they come from has changed.

#include <epoxy/gl.h>  // GLuint, GLint

#include <cstdint>

#include "engine/core/ColorRGBA.h"
#include "engine/render/eTextureOp.h"
#include "engine/render/gl/cGLProgram.h"

namespace Engine {

class cRendererBase;

class cGLBuiltInProgram {
public:
    // Compiles the program; false (reported) when the driver refuses it.
    bool Build();
    // Deletes the program.
    void Release();

    // Makes the program current unless current_program says it is, and
    // uploads the renderer's matrices, colours and switches for the next draw.
    void Prepare(const cRendererBase& renderer, bool stage0_texture_2d, GLuint& current_program);

    GLuint Name() const { return program.Name(); }

private:
    // Sets an integer switch when it differs from the value last set.
    void SetSwitch(GLint location, int32_t value, int32_t& last);
    // Sets a stage operation when it differs from the one last set.
    void SetOperation(GLint location, const TextureOperation& operation, TextureOperation& last);

    cGLProgram program;
    GLint wvp_location = -1;
    GLint texture_matrix_location = -1;
    GLint material_location = -1;
    GLint vertex_colour_location = -1;
    GLint texture_location = -1;
    GLint flat_location = -1;
    GLint colour_operation_location = -1;
    GLint alpha_operation_location = -1;
    uint64_t uploaded_revision = UINT64_MAX;
    ColorRGBA uploaded_material{-1, -1, -1, -1};
    int32_t vertex_colour_on = -1;
    int32_t texture_on = -1;
    int32_t flat_on = -1;
    TextureOperation uploaded_colour_operation{-1, -1};
    TextureOperation uploaded_alpha_operation{-1, -1};
};

}  // namespace Engine
