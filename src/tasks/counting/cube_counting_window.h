#pragma once

#include "tasks/common/picture_box.h"
#include "tasks/common/task_window.h"
#include "tasks/counting/cube_tables.h"

#include <QList>

#include <array>

class QLabel;
class QLineEdit;

namespace zorna {

class AnswerRegion;
class DoneButton;

// What the two windows share: the picture drawn from eleven, shown in picture_,
// the instruction, and the done button that judges the typed answer.
class CubeCountingWindow : public TaskWindow {
    Q_OBJECT
public:
    CubeCountingWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task, const char* instruction);

    void load() override;
    int currentPicture() const { return deck()->current(); }

    QLabel* instructionLabel() const { return instruction_; }
    PictureBox* pictureBox() const { return picture_; }
    DoneButton* doneButton() const { return doneButton_; }

protected:
    virtual void fillAnswers() = 0;
    virtual void doneClicked() = 0;
    void drawPicture();

    QLabel* instruction_;
    PictureBox* picture_;
    DoneButton* doneButton_;

private:
    const char* instructionText_;
};

// Text with its leading and trailing spaces removed.
QString trimSpaces(const QString& text);

// The ordinary number conversion of a typed answer: a decimal number (point or
// comma), rounded to the nearest integer with halves to even, in the 16-bit
// range. Empty when the text is not such a number.
std::optional<int> toInt16(const QString& text);

// Task 24: how many cubes each of five figures lacks; compared as texts.
class MissingCubesWindow : public CubeCountingWindow {
    Q_OBJECT
public:
    MissingCubesWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    // The answer box of figure k (1..5).
    QLineEdit* answerBox(int k) const { return answerBoxes_.at(k - 1); }
    // The region over figure k (1..5).
    AnswerRegion* region(int k) const { return regions_.at(k - 1); }

protected:
    void fillAnswers() override;
    void doneClicked() override;

private:
    QList<QLineEdit*> answerBoxes_;
    QList<AnswerRegion*> regions_;
    std::array<std::array<int, 5>, kCubePictures> answers_{};
};

// Task 18: how many cubes the picture shows; compared as numbers.
class CountCubesWindow : public CubeCountingWindow {
    Q_OBJECT
public:
    CountCubesWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    QLineEdit* answerBox() const { return answerBox_; }

protected:
    void fillAnswers() override;
    void doneClicked() override;

private:
    QLineEdit* answerBox_;
    std::array<int, kCubePictures> answers_{};
};

} // namespace zorna
