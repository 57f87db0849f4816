#include "tasks/counting/film_frames_window.h"

#include "platform/cursors.h"
#include "platform/geometry.h"
#include "platform/pictures.h"
#include "rules/picture_names.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/done_button.h"
#include "tasks/common/task_registry.h"

#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace zorna {

const FilmRow* filmRow(int windowNumber) {
    return rowOfWindow(kFilmRows, windowNumber);
}

namespace {

// One window per row of the table.
const TaskRegistration registration{TaskFamily::Counting, openWindowOfRow<FilmFramesWindow, kFilmRows>,
                                    kFilmRows};

} // namespace

FilmFramesWindow::FilmFramesWindow(AppContext& context, TaskHost& board, const TaskSquare& task,
                                   const FilmRow& row)
    : TaskWindow(context, board, task), instruction_(new QLabel(this)),
      doneButton_(new DoneButton(ctx_.folder, this, rules::drawings::kFilmDone)), film_(new QLabel(this)),
      row_(row), drag_(this) {
    setClientSizeTw(this, 11460, 5850);
    setBackground(this, QColor(0x80, 0x40, 0x00));

    instruction_->setObjectName(QStringLiteral("winzavdan"));
    placeTw(instruction_, row.textLeft, row.textTop, 7335, 1095);
    instruction_->setFont(gameFont(QStringLiteral("Times New Roman"), 14.25, true));
    instruction_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    instruction_->setWordWrap(true);
    instruction_->setAutoFillBackground(true);
    QPalette palette = instruction_->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    instruction_->setPalette(palette);

    placeTw(doneButton_, row.doneLeft, row.doneTop, 1245, 1440);
    connect(doneButton_, &DoneButton::clicked, this, &FilmFramesWindow::doneClicked);

    // The strip takes no input: drops on it reach the window.
    film_->setObjectName(QStringLiteral("Image1"));
    film_->setGeometry(QRect(QPoint(tw(120), tw(1440)), rules::drawings::kFilm.size()));
    film_->setPixmap(loadDrawing(ctx_.folder, rules::drawings::kFilm));
    // Like a disabled control it takes no mouse input, but it keeps its colours.
    film_->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int j = 1; j <= 4; ++j) {
        auto* frame = new QLabel(this);
        frame->setObjectName(QStringLiteral("kadr%1").arg(j));
        placeTw(frame, row.frameLeft[j - 1], 4080, kFilmFrameWidthTwips, kFilmFrameHeightTwips);
        frames_.append(frame);
        setFrameMovable(frame, true);
    }
    drag_.onStart([this](QWidget* source) { frameDragStarted(source); });
    drag_.onDrop([this](const DragHelper::Drop& drop) {
        // Drops on the strip or the bare window reach the form; drops on any
        // other control are ignored.
        // Placed frames let drops through, so a drop on one reaches the form.
        if (drop.target == this || drop.target == film_)
            frameDropped(drop.source, drop.windowPos);
    });
}

void FilmFramesWindow::load() {
    for (QLabel* frame : frames_)
        setFrameMovable(frame, true);
    setBusy(true);
    instruction_->setText(QStringLiteral("\nРозмісти на плівці кадри в потрібній послідовності"));
    ctx_.rnd.randomize();

    readRecord();
    picDeck().resetIfAllShown();
    const int n = picDeck().drawPicture(ctx_.rnd);

    // Frame order: distinct draws of 3r + 1; the bound only keeps a broken
    // generator from hanging the window (it then takes the smallest free value).
    std::array<int, 4> order{};
    auto used = [&order](int v) { return std::find(order.begin(), order.end(), v) != order.end(); };
    for (int j = 0; j < 4; ++j) {
        int v = ctx_.rnd.draw(3, 1);
        for (int attempt = 0; used(v) && attempt < 100000; ++attempt)
            v = ctx_.rnd.draw(3, 1);
        for (v = used(v) ? 1 : v; used(v);)
            ++v;
        order[j] = v;
    }
    strip_.reset(order);
    QStringList frames;
    for (int j = 0; j < 4; ++j)
        frames.append(framePath(n, order[j]));
    const QList<QPixmap> pictures = loadPictures(frames);
    for (int j = 0; j < 4; ++j)
        frames_[j]->setPixmap(pictures.at(j));
}

QString FilmFramesWindow::framePath(int n, int f) const {
    return ctx_.folder.path(QStringLiteral("kletka%1/%2/%3.jpg").arg(task().windowNumber).arg(n).arg(f));
}

void FilmFramesWindow::readRecord() {
    // The first record of the file, whatever follows it; a missing or short
    // file is a record in which no story has been shown yet. The working folder
    // is made sure so that the record can be written back.
    ctx_.folder.ensureFolder(QStringLiteral("Temp"));
    useDeck(kFilmStories);
    picDeck().record().clearShown(kFilmStories);
    const UsedPictureRecord blank(11);
    const auto data = readFile(ctx_.folder.usedPictureFile(task().windowNumber));
    if (data && data->size() >= blank.byteSize())
        if (auto record = UsedPictureRecord::fromBytes(data->left(blank.byteSize()), 11))
            picDeck().record() = *record;
}

bool FilmFramesWindow::frameMovable(int j) const {
    return drag_.isDraggable(frames_[j - 1]);
}

void FilmFramesWindow::setFrameMovable(QWidget* frame, bool on) {
    // A placed frame is out of play: it can be dragged no more and, like the
    // strip under it, lets drops through to the window. It keeps its colours.
    drag_.makeDraggable(frame, on);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents, !on);
    if (on)
        frame->setCursor(pointingHandCursor(ctx_.folder));
    else
        frame->unsetCursor();
}

void FilmFramesWindow::frameDragStarted(QWidget* frame) {
    frame->setCursor(loadCursorFile(ctx_.folder.path(rules::frameCursor()), frame->cursor()));
}

void FilmFramesWindow::frameDropped(QWidget* source, QPoint pos) {
    const int j = indexOfControl(frames_, source);
    if (j < 0 || !busy() || !frameMovable(j + 1))
        return;
    const std::optional<int> slot = strip_.drop(j + 1, pos);
    if (!slot)
        return;
    QWidget* frame = frames_[j];
    frame->move(FilmStrip::framePosition(*slot, frame->size()));
    frame->raise();
    setFrameMovable(frame, false);
}

void FilmFramesWindow::doneClicked() {
    if (!busy())
        return;
    answer(strip_.solved());
}

} // namespace zorna
