#pragma once

// The scenes of kletka32: 428 x 284, the character's net under a chute.

#include "platform/geometry.h"
#include "tasks/reaction/reaction_rules.h"

namespace zorna::assets::kletka32 {

inline constexpr int kSceneW = 428;
inline constexpr int kSceneH = 284;
inline constexpr int kGroundTop = 264;

// Left of the chutes' balls, pixels, and the ball size.
inline constexpr int kChuteLeft[] = {tw(reaction::kChutes[0].leftTw), tw(reaction::kChutes[1].leftTw),
                                     tw(reaction::kChutes[2].leftTw), tw(reaction::kChutes[3].leftTw)};
inline constexpr double kBallW = 13;
// Top of a ball when it can be caught: the net's hoop lies at its lower half.
inline constexpr int kCatchTop[] = {216, 206, 206, 216};

} // namespace zorna::assets::kletka32
