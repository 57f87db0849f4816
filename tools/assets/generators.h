#pragma once

#include "common/asset_writer.h"

namespace zorna::assets {

// Cursors shared by the task windows (h_point.cur, h_move.cur, h_nw.cur).
void generateCommonAssets(AssetWriter& w);
// Board and registration: map, chips, button pictures, help page.
void generateBoardAssets(AssetWriter& w);

// The pictures of each task window that has a picture folder, in
// <family>/<window>.cpp (the window's object name in lower case), in the order
// of the squares that open them.
void generateKletka2(AssetWriter& w);
void generateKletka7(AssetWriter& w);
void generateKletka17(AssetWriter& w);
void generateKletka4(AssetWriter& w);
void generateKletka11(AssetWriter& w);
void generateKletka27(AssetWriter& w);
void generateKletka3(AssetWriter& w);
void generateKletka10(AssetWriter& w);
void generateKletka14(AssetWriter& w);
void generateKletka12(AssetWriter& w);
void generateKletka13(AssetWriter& w);
void generateKletka26(AssetWriter& w);
void generateKletka16(AssetWriter& w);
void generateKletka5(AssetWriter& w);
void generateKletka18(AssetWriter& w);
void generateKletka23(AssetWriter& w);
void generateKletka20(AssetWriter& w);
void generateKletka8(AssetWriter& w);
void generateKletka25(AssetWriter& w);
void generateKletka9(AssetWriter& w);
void generateKletka24(AssetWriter& w);
void generateKletka22(AssetWriter& w);
void generateKletka19(AssetWriter& w);
void generateKletka15(AssetWriter& w);
void generateKletka31(AssetWriter& w);
void generateKletka6(AssetWriter& w);
void generateKletka32(AssetWriter& w);
void generateKletka30(AssetWriter& w);
void generateKletka33(AssetWriter& w);

inline constexpr Generator kGenerators[] = {
    {"cursors", generateCommonAssets}, {"board", generateBoardAssets}, {"Kletka2", generateKletka2},
    {"kletka7", generateKletka7},      {"kletka17", generateKletka17}, {"kletka4", generateKletka4},
    {"kletka11", generateKletka11},    {"kletka27", generateKletka27}, {"kletka3", generateKletka3},
    {"kletka10", generateKletka10},    {"kletka14", generateKletka14}, {"kletka12", generateKletka12},
    {"kletka13", generateKletka13},    {"kletka26", generateKletka26}, {"kletka16", generateKletka16},
    {"kletka5", generateKletka5},      {"kletka18", generateKletka18}, {"kletka23", generateKletka23},
    {"kletka20", generateKletka20},    {"kletka8", generateKletka8},   {"kletka25", generateKletka25},
    {"kletka9", generateKletka9},      {"kletka24", generateKletka24}, {"kletka22", generateKletka22},
    {"kletka19", generateKletka19},    {"kletka15", generateKletka15}, {"kletka31", generateKletka31},
    {"kletka6", generateKletka6},      {"kletka32", generateKletka32}, {"kletka30", generateKletka30},
    {"kletka33", generateKletka33},
};

} // namespace zorna::assets
