#include "game/entities/cChallengePoint.h"

#include "game/entities/cGameFactory.h"
#include "game/entities/cKid.h"

namespace Game {

void cChallengePoint::OnKidTouch(cKid* kid) {
    if (kid != nullptr) kid->StartChallenge(kChallengeSeconds);
    // Off at once, so the rest of this frame's contacts and the next frames find it gone.
    SetActive(false);
    cGameFactory& factory = cGameFactory::Instance();
    if (factory.IsRegistered()) factory.QueueDeletion(this);
}

}  // namespace Game
