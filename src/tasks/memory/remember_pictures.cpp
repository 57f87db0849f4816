#include "tasks/memory/remember_pictures.h"

#include "platform/distinct_draw.h"

namespace zorna {

void RememberPictures::draw(Rnd& rnd) {
    drawDistinct(rnd, pictures_, kRememberPool - 1, 1);
    drawDistinct(rnd, cells_, kColumns - 1, 1);
    pause_.restart();
    clicks_ = 0;
}

bool RememberPictures::pauseTick() {
    return pause_.tick();
}

void RememberPictures::startShow() {
    shown_ = 0;
    showNext_ = true;
}

RememberPictures::ShowStep RememberPictures::showTick() {
    if (showNext_ && shown_ < kRemembered) {
        ++shown_;
        showNext_ = false;
        return {pictureOf(shown_), false};
    }
    showNext_ = true;
    return {0, shown_ == kRemembered};
}

RememberPictures::Choice RememberPictures::choose(int cell) {
    ++clicks_;
    bool found = false;
    for (int j = 1; j <= kRemembered; ++j)
        if (cellOf(j) == cell)
            found = true;
    if (!found)
        return Choice::Failed;
    return clicks_ == kRemembered ? Choice::Solved : Choice::Wait;
}

} // namespace zorna
