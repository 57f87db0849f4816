#pragma once

#include "tasks/choice/single_choice_data.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/region_keys.h"
#include "tasks/common/task_window.h"

#include <QList>

class QLabel;

namespace zorna {

class AnswerRegion;

// The twelve single-choice picture windows: an instruction, a picture with a
// main object and candidates, and one answer region per candidate. One click
// on a region answers. The windows differ only in their table row.
class SingleChoiceWindow : public TaskWindow {
    Q_OBJECT
public:
    SingleChoiceWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task, const SingleChoiceRow& row);

    void load() override;

    int currentPicture() const { return deck()->current(); }
    AnswerRegion* region(int index) const { return regions_.at(index - 1); }
    QLabel* instructionLabel() const { return instruction_; }
    PictureBox* pictureBox() const { return picture_; }
    // The region the arrow keys highlight, 0 when none.
    int highlightedRegion() const { return keys_.highlighted(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void drawPicture();
    void regionClicked(int index);

    const SingleChoiceRow& row_;
    std::array<int, kSingleChoicePictures> answers_{};
    QLabel* instruction_;
    PictureBox* picture_;
    QList<AnswerRegion*> regions_;
    RegionKeys keys_;
};

} // namespace zorna
