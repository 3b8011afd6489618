"""Every sound of the game: its catalogue name, file, kind and what it is meant
to sound like. generate.py makes the files from this table, writes
"SoundData.xml" and the report from it, so a name cannot drift between them.

Kinds: "loop" music played looped (stereo OGG), "music" a short piece
(stereo OGG), "effect" synthesised here (mono WAV), "voice" made with
espeak-ng and shaped here (mono WAV). Only "FairySprinkle" is placed in the
world; the rest play as they are, in both ears.
"""

from dataclasses import dataclass

FOLDER = "./GameData/Sounds/"


@dataclass(frozen=True)
class Sound:
    name: str
    kind: str
    description: str
    positional: bool = False

    @property
    def file_name(self):
        return self.name + (".ogg" if self.kind in ("loop", "music") else ".wav")


SOUNDS = [
    Sound("MainMenuBGSound", "loop", "Main menu theme, A minor, 100 bpm: a celesta tune over pizzicato "
          "strings, bassoon and a soft choir; a glockenspiel middle part and a creeping bassoon solo "
          "ticking like an old clock."),
    Sound("BGSound", "loop", "Level music, D minor, 111 bpm: glockenspiel and pizzicato play a tiptoeing "
          "tune, celesta answers, bassoon bass, light tambourine; a spooky bassoon interlude."),
    Sound("ChaserMusic", "loop", "Chase music, E minor, 150 bpm: xylophone skeleton-dance over tremolo "
          "strings and driving pizzicato octaves, bassoon and trombone in unison, full drums."),
    Sound("BossMusic", "loop", "Boss battle, C minor, 136 bpm: brass theme over organ and tuba, timpani, "
          "a choir section with tubular bells, a mocking xylophone part."),
    Sound("WinMusic", "music", "Level won: a rising celesta and glockenspiel fanfare in C major with "
          "strings, choir and a cymbal on the last chord."),
    Sound("DeathMusic", "music", "The kid has fallen: a slow falling celesta line over bassoon and choir, "
          "A minor, ending on a held chord."),
    Sound("BossIntro", "music", "The boss appears: a timpani roll, trombones and organ, choir, a fall to G "
          "under a tubular bell chord; the phrase lasts the 3.3 s the boss takes to grow, and the bell rings "
          "out into the boss music."),
    Sound("ChallengeSound", "music", "A 45-second challenge: a xylophone run and brass stab, then ticking "
          "woodblock and xylophone, the chase motif on bassoon and trombone, a climb over a diminished "
          "chord, and a final brass cadence as the time runs out."),
    Sound("TessaryEntry", "music", "First splash screen: a celesta and harp sweep up a C major seventh "
          "chord, glockenspiel sparkle, choir."),
    Sound("TeamEntry", "music", "Team splash screen: a warm F to C cadence on strings and choir, a celesta "
          "motif and a glockenspiel chime."),
    Sound("SlashMonster", "effect", "The fairy's slash lands: a quick swish falling in pitch and a soft "
          "thump."),
    Sound("GhostOnHit", "effect", "A ghost is struck: a short wobbly yelp, breathy."),
    Sound("GhostDeath", "effect", "A ghost fades away: a wailing tone gliding down with vibrato."),
    Sound("DumbDeath1", "effect", "A ghost bursts: a puff of air and a falling squeak."),
    Sound("DumbDeath2", "effect", "A ghost bursts, second take: a string of bubbly pops falling in pitch."),
    Sound("DumbPossess", "effect", "A ghost swirls into the kid (also the hammer's swing): a rising "
          "whooshing swirl over a low hum."),
    Sound("spawn", "effect", "Enemies rise from the ground: a low rumble and an eerie rising shimmer."),
    Sound("CollectSound", "effect", "Candy or key picked up: two bright bell notes, E and B."),
    Sound("PickSound", "effect", "The fairy grabs something: a small rising blip."),
    Sound("DoorLock", "effect", "A locked door is tried: a metal clunk and a rattle."),
    Sound("DoorOpen", "effect", "A key turns and the door creaks open."),
    Sound("CrateBreak", "effect", "A crate splinters: woody cracks and a thud."),
    Sound("Bomb", "effect", "An explosion: a boom with a deep thump and crackle."),
    Sound("GirlWalk", "effect", "A footstep on soft ground."),
    Sound("GirlWalk2", "effect", "Another footstep, slightly brighter, heel then toe."),
    Sound("FairySprinkle", "effect", "The fairy's trail: tinkling high sparkles on a pentatonic scale with "
          "a breath of air.", positional=True),
    Sound("LightsOn", "effect", "A checkpoint lights: a warm swelling chord and a chime."),
    Sound("ButtonPress", "effect", "A menu button clicks: a short soft tick."),
    Sound("ChaserSound", "effect", "The chaser growls: a low rasping snarl."),
    Sound("ChaserSound2", "effect", "The chaser hisses: a screechy hiss over a falling moan."),
    Sound("ShieldChase", "effect", "A shielded ghost gives chase: an ominous pulsing drone with a metallic "
          "shimmer, fading in and out."),
    Sound("Engine", "effect", "The engine hum: a short buzzing hum dropping in pitch, heard when a ghost "
          "is finished off or a slash bounces off something unbreakable."),
    Sound("BossDie", "effect", "The boss is beaten: a long falling roar over a rumble."),
    Sound("GirlHurt", "voice", "The kid is hurt: a short, clear \"ow\", bright and soft-edged."),
    Sound("bosshaha", "voice", "The boss laughs: a deep, slow \"ha, ha, ha, ha\", lowered and roughened."),
    Sound("bosshaha2", "voice", "The boss laughs again as it attacks: a gruff \"mwahaha\", rising then "
          "falling."),
]

BY_NAME = {sound.name: sound for sound in SOUNDS}
