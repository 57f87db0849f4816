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

// What the two windows share: the picture drawn from eleven, shown in winMal,
// the instruction, and the done button that judges the typed answer.
class CubeCountingWindow : public TaskWindow {
    Q_OBJECT
public:
    CubeCountingWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task, const char* instruction);

    void Form_Load() override;
    int currentPicture() const { return deck()->current(); }

    QLabel* winText;
    PictureBox* winMal;
    DoneButton* Image2;

protected:
    virtual void ZapovnMasNumPrav() = 0;
    virtual void Image2_Click() = 0;
    void VipadkMal();

private:
    const char* instruction_;
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

    QList<QLineEdit*> winPrav; // indexes 1..5 at 0..4
    QList<AnswerRegion*> Fokus;

protected:
    void ZapovnMasNumPrav() override;
    void Image2_Click() override;

private:
    std::array<std::array<int, 5>, kCubePictures> answers_{};
};

// Task 18: how many cubes the picture shows; compared as numbers.
class CountCubesWindow : public CubeCountingWindow {
    Q_OBJECT
public:
    CountCubesWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    QLineEdit* winpPrav;

protected:
    void ZapovnMasNumPrav() override;
    void Image2_Click() override;

private:
    std::array<int, kCubePictures> answers_{};
};

} // namespace zorna
