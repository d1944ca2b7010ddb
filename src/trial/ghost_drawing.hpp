// The best run's hat as a ghost: its picture at a third of full alpha, untinted by pressure, where
// the run's hat was. It is only drawn: it touches nothing of the level.
#pragma once

#include "trial/ghost_path.hpp"

struct TextureSet;

// In the overlay, with the camera's view in force; leaves the colour white.
void drawGhost(const TextureSet& textures, const GhostPose& pose);
