#pragma once
// iParticleDrawer: what the scene renderer calls to draw the particles,
// after the render tree and before the billboards. Begin sets up the shared
// particle material; the scene renderer then uploads every shadow light's
// parameters and calls Draw for the systems themselves. The scene renderer
// does not own its drawer; it tells the drawer when it goes, so the drawer
// never keeps a pointer to a destroyed renderer.

namespace Engine {

class iRenderer;

class iParticleDrawer {
public:
    virtual ~iParticleDrawer() = default;
    // Applies the material every particle system draws with.
    virtual void BeginParticles(iRenderer& renderer) = 0;
    // Draws every system with something visible.
    virtual void DrawParticles(iRenderer& renderer) = 0;
    // The scene renderer the drawer is attached to is being destroyed.
    virtual void SceneRendererGone() = 0;
};

}  // namespace Engine
