#pragma once
// cStagingEmitter: the common base of the game's emitter kinds.
//
// Every kind stages at most a fixed number of records (its staging size) and
// writes its own start values into every record at Init; a burst or a frame's
// Emit then overwrites only the fields it sets, so the rest of each record
// keeps the kind's defaults. Sprays share one room rule: a spray asks for n
// records, is limited to the room left (its limit minus staged, the limit
// being the staging size unless a kind stops earlier), writes the granted
// records at staged onwards and adds them to staged. A full staging area
// grants nothing, and so does an emitter whose staging is not allocated
// (before Init or after Release), so an early burst is a quiet no-op rather
// than a write through a null pointer.

#include <cstdint>
#include <span>

#include "engine/particles/ParticleRecord.h"
#include "engine/particles/iParticleEmitter.h"

namespace Game {

class cStagingEmitter : public Engine::iParticleEmitter {
public:
    // Allocates the staging records, zeroes them, writes the kind's defaults
    // into each and empties the staging count.
    void Init() override;
    // Nothing by default: most kinds stage only when fired.
    void Emit(float dt) override;

    // The number of records the kind can hold.
    uint32_t StagingSize() const { return staging_size; }
    // Records a spray may still stage under limit: 0 when full or unallocated.
    uint32_t Room(uint32_t limit) const;
    // Room under the staging size itself.
    uint32_t Room() const { return Room(staging_size); }

protected:
    explicit cStagingEmitter(uint32_t size) : staging_size(size) {}

    // Writes the kind's start values into one zeroed record.
    virtual void FillDefaults(Engine::ParticleRecord& record) = 0;

    // Grants up to wanted records under limit, adds them to staged and
    // returns them for the caller to fill in order.
    std::span<Engine::ParticleRecord> Claim(uint32_t wanted, uint32_t limit);
    // Claim under the staging size.
    std::span<Engine::ParticleRecord> Claim(uint32_t wanted) { return Claim(wanted, staging_size); }

    // A count taken from a float by truncation: 0 for anything not above 0
    // (NaN included), at most cap, so no huge or broken value reaches an integer.
    static uint32_t TruncatedCount(float value, uint32_t cap);

private:
    uint32_t staging_size;
};

}  // namespace Game
