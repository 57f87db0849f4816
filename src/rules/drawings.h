#pragma once

// The drawings stored with the windows as SVG in resources/: the generator
// draws each one at the size its window shows it into the program folder, as
// "drawings/<name>.png" and its double-size source "drawings/<name>@2x.png",
// and the windows load those pictures. The sizes here are the ones the windows
// give the controls that show them.

#include <QSize>
#include <QString>

#include <array>

namespace zorna::rules {

// 15 twips make one window pixel (the windows' layouts are given in twips).
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

struct Drawing {
    const char* source; // the SVG under resources/, e.g. "common/done.svg"
    const char* name;   // the picture's name under drawings/, e.g. "common/done"
    int width;          // window pixels
    int height;

    constexpr QSize size() const { return QSize(width, height); }
};

// A drawing shown as a mouse cursor, with its hot spot.
struct DrawingCursor {
    Drawing drawing;
    int hotX;
    int hotY;
};

// The picture of a drawing, relative to the program folder: "drawings/common/done.png".
inline QString drawingPicture(const Drawing& drawing) {
    return QStringLiteral("drawings/%1.png").arg(QLatin1String(drawing.name));
}

namespace drawings {

// The board's save button and the registration window's arrow buttons.
inline constexpr Drawing kSaveDisk{"board/disk.svg", "board/disk", 24, 23};
inline constexpr Drawing kNextArrow{"registration/next.svg", "registration/next", 33, 19};
inline constexpr Drawing kPreviousGame{"registration/previous.svg", "registration/previous", 33, 19};
inline constexpr Drawing kNextGame{"registration/next_record.svg", "registration/next_record", 33, 19};
inline constexpr Drawing kDeleteGame{"registration/delete.svg", "registration/delete", 33, 19};

// The done button: 62 x 62, and 83 x 96 in the film-frame windows.
inline constexpr Drawing kDone{"common/done.svg", "common/done", 62, 62};
inline constexpr Drawing kFilmDone{"common/done.svg", "common/done_film", 83, 96};
inline constexpr DrawingCursor kPointingHand{{"common/hand.svg", "common/hand", 32, 32}, 12, 1};

// The odd-one-out window's five number buttons, each the size of its button.
inline constexpr std::array<Drawing, 5> kCoins{{
    {"choice/coin1.svg", "choice/coin1", twipsToPixels(1260), twipsToPixels(1035)},
    {"choice/coin2.svg", "choice/coin2", twipsToPixels(1200), twipsToPixels(1035)},
    {"choice/coin3.svg", "choice/coin3", twipsToPixels(1200), twipsToPixels(1035)},
    {"choice/coin4.svg", "choice/coin4", twipsToPixels(1200), twipsToPixels(1035)},
    {"choice/coin5.svg", "choice/coin5", twipsToPixels(1185), twipsToPixels(1035)},
}};

// The film strip the film-frame windows lay their frames on.
inline constexpr Drawing kFilm{"counting/film.svg", "counting/film", twipsToPixels(11160),
                               twipsToPixels(2430)};

// The memory windows: the cover over the places, the blot over the changed
// detail, the arrows cursor over its picture.
inline constexpr Drawing kPlacesCover{"memory/cover.svg", "memory/cover", twipsToPixels(3615),
                                      twipsToPixels(2415)};
inline constexpr Drawing kDetailBlot{"memory/blot.svg", "memory/blot", 45, 47};
inline constexpr DrawingCursor kDetailArrows{{"memory/arrows.svg", "memory/arrows", 32, 32}, 16, 16};

// The puzzle windows: the balls to exchange and the assembly's blot.
inline constexpr Drawing kGreyBall{"puzzles/ball_grey.svg", "puzzles/ball_grey", 57, 62};
inline constexpr Drawing kRedBall{"puzzles/ball_red.svg", "puzzles/ball_red", 57, 62};
inline constexpr Drawing kAssemblyBlot{"puzzles/blot.svg", "puzzles/blot", twipsToPixels(675),
                                       twipsToPixels(705)};

// The reaction windows: a falling ball, the cart window's close button, the
// aim over the apple tree.
inline constexpr Drawing kChuteBall{"reaction/ball.svg", "reaction/ball", 13, 14};
inline constexpr Drawing kCartClose{"reaction/close.svg", "reaction/close", 57, 62};
inline constexpr DrawingCursor kAim{{"reaction/aim.svg", "reaction/aim", 32, 32}, 16, 16};

// The finish window: its fireworks (547 x 623 from the top-left corner; the
// window shows their top), the winner's banner and the picture of each place.
inline constexpr Drawing kFireworks{"stats/fireworks.svg", "stats/fireworks", 547, 623};
inline constexpr Drawing kBanner{"stats/banner.svg", "stats/banner", twipsToPixels(5655), twipsToPixels(870)};
inline constexpr std::array<Drawing, 3> kPlaces{{
    {"stats/place1.svg", "stats/place1", twipsToPixels(1695), twipsToPixels(2115)},
    {"stats/place2.svg", "stats/place2", twipsToPixels(2715), twipsToPixels(3390)},
    {"stats/place3.svg", "stats/place3", twipsToPixels(2715), twipsToPixels(3390)},
}};

// Every drawing the program folder holds, in one list for the generator and
// the tests.
inline constexpr auto kAll = std::to_array<Drawing>({
    kSaveDisk,
    kNextArrow,
    kPreviousGame,
    kNextGame,
    kDeleteGame,
    kDone,
    kFilmDone,
    kPointingHand.drawing,
    kCoins[0],
    kCoins[1],
    kCoins[2],
    kCoins[3],
    kCoins[4],
    kFilm,
    kPlacesCover,
    kDetailBlot,
    kDetailArrows.drawing,
    kGreyBall,
    kRedBall,
    kAssemblyBlot,
    kChuteBall,
    kCartClose,
    kAim.drawing,
    kFireworks,
    kBanner,
    kPlaces[0],
    kPlaces[1],
    kPlaces[2],
});

} // namespace drawings
} // namespace zorna::rules
