#pragma once
// cGLBuiltInProgram: the program for draws that bring no shader of their
// own, doing what the original fixed-function pipeline did: positions
// transformed by projection * view * world; the vertex colour when the
// vertex has one, else the material's diffuse colour (flat or smooth as the
// Shading state says); combined with the stage-0 texture, whose coordinates
// pass through the texture transform, when a 2D texture is bound, by stage
// 0's colour and alpha operations (eTextureOp; modulation until something
// sets them).
//
// With the Lighting state on, a vertex with a normal is lit per vertex as
// that pipeline lit it, in world space: the material's emissive colour, plus
// its ambient colour times the global ambient, plus for every enabled light
// (light ambient * material ambient + light diffuse * diffuse * max(N.L, 0))
// * attenuation * spot factor, clamped to 0..1; the diffuse colour is the
// vertex colour when there is one, and alpha stays the diffuse alpha. Point
// and spot lights reach no farther than their range and attenuate by
// 1 / (a0 + a1 d + a2 d^2), not at all when the three are 0; a spot lights
// fully within half its inner cone, nothing beyond half its outer one, and
// fades between by the falloff exponent. Normals go through the inverse
// transpose of the world matrix and are normalised. Highlights are left out,
// as the original device left them out unless asked (nothing here asks).
// Vertices without a normal, and every vertex with Lighting off, keep their
// unlit colour.
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
    // The matrices, when the renderer's have changed since the last upload.
    void UploadMatrices(const cRendererBase& renderer);
    // The material colours, each when it differs from the one last uploaded.
    void UploadMaterial(const cRendererBase& renderer);
    // The enabled lights that can light anything, packed from the first, and
    // the global ambient colour, when the renderer's have changed.
    void UploadLights(const cRendererBase& renderer);
    // Sets a colour when it differs from the one last set.
    static void SetColour(GLint location, const ColorRGBA& colour, ColorRGBA& last);
    // Sets an integer switch when it differs from the value last set.
    void SetSwitch(GLint location, int32_t value, int32_t& last);
    // Sets a stage operation when it differs from the one last set.
    void SetOperation(GLint location, const TextureOperation& operation, TextureOperation& last);

    cGLProgram program;
    // Locations of the per-light uniform arrays.
    struct LightLocations {
        GLint count = -1;
        GLint type = -1;
        GLint diffuse = -1;
        GLint ambient = -1;
        GLint position = -1;
        GLint direction = -1;
        GLint range = -1;
        GLint attenuation = -1;
        GLint cone = -1;
    };

    GLint wvp_location = -1;
    GLint world_location = -1;
    GLint normal_matrix_location = -1;
    GLint texture_matrix_location = -1;
    GLint material_location = -1;
    GLint material_ambient_location = -1;
    GLint material_emissive_location = -1;
    GLint global_ambient_location = -1;
    GLint lighting_location = -1;
    LightLocations light_locations;
    GLint vertex_colour_location = -1;
    GLint texture_location = -1;
    GLint flat_location = -1;
    GLint colour_operation_location = -1;
    GLint alpha_operation_location = -1;
    uint64_t uploaded_revision = UINT64_MAX;
    uint64_t uploaded_light_revision = UINT64_MAX;
    ColorRGBA uploaded_material{-1, -1, -1, -1};
    ColorRGBA uploaded_material_ambient{-1, -1, -1, -1};
    ColorRGBA uploaded_material_emissive{-1, -1, -1, -1};
    int32_t vertex_colour_on = -1;
    int32_t lighting_on = -1;
    int32_t texture_on = -1;
    int32_t flat_on = -1;
    TextureOperation uploaded_colour_operation{-1, -1};
    TextureOperation uploaded_alpha_operation{-1, -1};
};

}  // namespace Engine
