// Stages: vertex ShadowPreprocessVS, pixel ShadowPreprocessPS
//
// The depth pass from a shadow-casting light into its shadow map. The
// renderer's view and projection are the light's here, so WVPMatrix carries
// a vertex into the light's clip space. Keyframed models blend their two
// frames exactly as the lit pass does, so shadows move with the models.
//
// The map stores one minus the window depth of the nearest caster: the
// shadow map is cleared to 0, which then reads as "nothing in the way" (depth
// 1), and so does a stage with no shadow map bound.

#ifdef VERTEX_STAGE

layout(location = LOCATION_POSITION) in vec3 aPositionA;
layout(location = LOCATION_POSITION1) in vec3 aPositionB;

uniform mat4 WVPMatrix = mat4(1.0);
uniform float gAnimationInterpolant = 0.0;

void ShadowPreprocessVS()
{
    vec3 position = mix(aPositionA, aPositionB, gAnimationInterpolant);
    gl_Position = WVPMatrix * vec4(position, 1.0);
}

#endif

#ifdef PIXEL_STAGE

out vec4 fragDepth;

void ShadowPreprocessPS()
{
    fragDepth = vec4(1.0 - gl_FragCoord.z, 0.0, 0.0, 1.0);
}

#endif
