"""The one table of what the generator makes and the names the game looks up.

Every model's file, texture, catalogue names and the animation names its
entity plays live here; the checker and the catalogue fragments read it, so a
name cannot drift between a file and its catalogue entry.
"""

MODELS_PATH = "./GameData/Models/"
TEXTURES_PATH = "./GameData/Textures/"

# name: (model file, texture file, mesh name, texture set, material, prefab ids, animations,
#        triangle budget)
MODELS = {
    "kid": ("kid.md2", "kid.png", "KidMesh", "KidTS", "StandardMat", ["kid"],
            ["MirelIdle", "MirelWalk", "MirelDeath", "MirelFloat"], 1500),
    "ghost": ("ghost.md2", "ghost.png", "GhostMesh", "GhostTS", "StandardMat", ["BasicEnemy"],
              ["GhostWalk", "GhostOnHit", "GhostDeath"], 1500),
    "candy": ("candy.X", "candy.png", "CandyMesh", "CandyTS", "StandardMat", ["Collectable"], [], 600),
}
