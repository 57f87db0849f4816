#pragma once

#include "common/asset_writer.h"

namespace zorna::assets {

// Cursors shared by the task windows (h_point.cur, h_move.cur, h_nw.cur).
void generateCommonAssets(AssetWriter& w);
// Board and registration: map, chips, button pictures, help page.
void generateBoardAssets(AssetWriter& w);
// Pictures of the twelve single-choice windows.
void generateSingleChoicePictures(AssetWriter& w);
// Pair-choice, missing-detail, odd-one-out and question-file windows.
void generateChoiceAssets(AssetWriter& w);
// Cube counting and film frames.
void generateCountingAssets(AssetWriter& w);
// Memory tasks.
void generateMemoryAssets(AssetWriter& w);
// Puzzle tasks.
void generatePuzzleAssets(AssetWriter& w);
// Reaction tasks.
void generateReactionAssets(AssetWriter& w);

inline constexpr Generator kGenerators[] = {
    {"common", generateCommonAssets},
    {"board", generateBoardAssets},
    {"single choice", generateSingleChoicePictures},
    {"choice", generateChoiceAssets},
    {"counting", generateCountingAssets},
    {"memory", generateMemoryAssets},
    {"puzzles", generatePuzzleAssets},
    {"reaction", generateReactionAssets},
};

} // namespace zorna::assets
