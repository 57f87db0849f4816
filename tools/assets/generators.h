#pragma once

#include "choice/single_choice/single_choice_draw.h"
#include "common/asset_writer.h"

namespace zorna::assets {

// Cursors shared by the task windows (h_point.cur, h_move.cur, h_nw.cur).
void generateCommonAssets(AssetWriter& w);
// Board and registration: map, chips, button pictures, help page.
void generateBoardAssets(AssetWriter& w);
// The SVG drawings the windows show (rules/drawings.h), as PNG pictures.
void generateDrawings(AssetWriter& w);

// The pictures of each task window that has a picture folder, in
// <family>/<window>.cpp (the window's object name in lower case), in the order
// of the squares that open them.
void generateKletka27(AssetWriter& w);
void generateKletka13(AssetWriter& w);
void generateKletka26(AssetWriter& w);
void generateKletka23(AssetWriter& w);
void generateKletka8(AssetWriter& w);
void generateKletka25(AssetWriter& w);
void generateKletka24(AssetWriter& w);
void generateKletka22(AssetWriter& w);
void generateKletka31(AssetWriter& w);
void generateKletka32(AssetWriter& w);
void generateKletka30(AssetWriter& w);
void generateKletka33(AssetWriter& w);

// The other choice windows (choice/<window>.cpp).
namespace choice {
void generateKletka11(AssetWriter& w);
void generateKletka10(AssetWriter& w);
void generateKletka16(AssetWriter& w);
void generateKletka5(AssetWriter& w);
void generateKletka19(AssetWriter& w);
} // namespace choice

// A single-choice window (choice/<window>.cpp) gives the drawing of one of its
// pictures; generateSingleChoice writes all of them with it.
namespace sc {
void drawKletka2(PictureJob& job);
void drawKletka7(PictureJob& job);
void drawKletka17(PictureJob& job);
void drawKletka4(PictureJob& job);
void drawKletka3(PictureJob& job);
void drawKletka14(PictureJob& job);
void drawKletka12(PictureJob& job);
void drawKletka18(PictureJob& job);
void drawKletka20(PictureJob& job);
void drawKletka9(PictureJob& job);
void drawKletka15(PictureJob& job);
void drawKletka6(PictureJob& job);
} // namespace sc

template <int windowNumber, sc::Drawer drawer> void generateSingleChoice(AssetWriter& w) {
    sc::writeSingleChoicePictures(w, windowNumber, drawer);
}

inline constexpr Generator kGenerators[] = {
    {"cursors", generateCommonAssets},
    {"board", generateBoardAssets},
    {"drawings", generateDrawings},
    {"Kletka2", generateSingleChoice<2, sc::drawKletka2>},
    {"kletka7", generateSingleChoice<7, sc::drawKletka7>},
    {"kletka17", generateSingleChoice<17, sc::drawKletka17>},
    {"kletka4", generateSingleChoice<4, sc::drawKletka4>},
    {"kletka11", choice::generateKletka11},
    {"kletka27", generateKletka27},
    {"kletka3", generateSingleChoice<3, sc::drawKletka3>},
    {"kletka10", choice::generateKletka10},
    {"kletka14", generateSingleChoice<14, sc::drawKletka14>},
    {"kletka12", generateSingleChoice<12, sc::drawKletka12>},
    {"kletka13", generateKletka13},
    {"kletka26", generateKletka26},
    {"kletka16", choice::generateKletka16},
    {"kletka5", choice::generateKletka5},
    {"kletka18", generateSingleChoice<18, sc::drawKletka18>},
    {"kletka23", generateKletka23},
    {"kletka20", generateSingleChoice<20, sc::drawKletka20>},
    {"kletka8", generateKletka8},
    {"kletka25", generateKletka25},
    {"kletka9", generateSingleChoice<9, sc::drawKletka9>},
    {"kletka24", generateKletka24},
    {"kletka22", generateKletka22},
    {"kletka19", choice::generateKletka19},
    {"kletka15", generateSingleChoice<15, sc::drawKletka15>},
    {"kletka31", generateKletka31},
    {"kletka6", generateSingleChoice<6, sc::drawKletka6>},
    {"kletka32", generateKletka32},
    {"kletka30", generateKletka30},
    {"kletka33", generateKletka33},
};

} // namespace zorna::assets
