#pragma once
// PlayCollisions: who meets whom while a level is played. The gameplay state
// and the developer states that play a level set up the same collision
// groups, in the same order and of the same kinds, and pair them the same
// way, so a level behaves alike wherever it runs.
//
// The groups, singular unless said: "Enemy", "Kid", "Floor", "Trigger",
// "StrokeTrap", "Stroke", "Projectile", "Item", "Wall" (grid), "Trap" (grid),
// "CheckPoint" (grid), "Door", "Decoration", "DragEnemy", "Destructable".
// "StrokeTrap" is in no pair: what stands in it only stands there.

namespace Game {

// Writes the grid layout and rebuilds the grids that exist, then creates the
// groups and registers the pairs. Call it before the level loads; once the
// level stands, Engine::cCollisionManager::ConfigureGrids fills the grids.
void SetUpPlayCollisions();

}  // namespace Game
