#include "tasks/counting/film_frames_window.h"

#include "platform/cursors.h"
#include "platform/geometry.h"
#include "platform/pictures.h"
#include "rules/picture_names.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/done_button.h"

#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace zorna {

const FilmRow* filmRow(int windowNumber) {
    for (const FilmRow& row : kFilmRows)
        if (row.windowNumber == windowNumber)
            return &row;
    return nullptr;
}

FilmFramesWindow::FilmFramesWindow(AppContext& context, TaskHost& board, const TaskSquare& task,
                                   const FilmRow& row)
    : TaskWindow(context, board, task), winzavdan(new QLabel(this)),
      Image2(new DoneButton(this, QSize(83, 96))), Image1(new QLabel(this)), row_(row), drag_(this) {
    setClientSizeTw(this, 11460, 5850);
    setBackground(this, QColor(0x80, 0x40, 0x00));

    winzavdan->setObjectName(QStringLiteral("winzavdan"));
    placeTw(winzavdan, row.textLeft, row.textTop, 7335, 1095);
    winzavdan->setFont(gameFont(QStringLiteral("Times New Roman"), 14.25, true));
    winzavdan->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    winzavdan->setWordWrap(true);
    winzavdan->setAutoFillBackground(true);
    QPalette palette = winzavdan->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    winzavdan->setPalette(palette);

    placeTw(Image2, row.doneLeft, row.doneTop, 1245, 1440);
    connect(Image2, &DoneButton::clicked, this, &FilmFramesWindow::Image2_Click);

    // The strip takes no input: drops on it reach the window.
    Image1->setObjectName(QStringLiteral("Image1"));
    placeTw(Image1, 120, 1440, 11160, 2430);
    Image1->setPixmap(renderPicture(QStringLiteral(":/counting/film.svg"), Image1->size()));
    // Like a disabled control it takes no mouse input, but it keeps its colours.
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int j = 1; j <= 4; ++j) {
        auto* frame = new QLabel(this);
        frame->setObjectName(QStringLiteral("kadr%1").arg(j));
        placeTw(frame, row.frameLeft[j - 1], 4080, kFilmFrameWidthTwips, kFilmFrameHeightTwips);
        kadr.append(frame);
        setFrameMovable(frame, true);
    }
    drag_.onStart([this](QWidget* source) { kadr_MouseDown(source); });
    drag_.onDrop([this](const DragHelper::Drop& drop) {
        // Drops on the strip or the bare window reach the form; drops on any
        // other control are ignored.
        // Placed frames let drops through, so a drop on one reaches the form.
        if (drop.target == this || drop.target == Image1)
            Form_DragDrop(drop.source, drop.windowPos);
    });
}

void FilmFramesWindow::Form_Load() {
    for (QLabel* frame : kadr)
        setFrameMovable(frame, true);
    filled_.fill(false);
    setBusy(true);
    host.setPrav(true);
    winzavdan->setText(QStringLiteral("\nРозмісти на плівці кадри в потрібній послідовності"));
    ctx.rnd.randomize();

    readRecord();
    picDeck().obnovFile();
    const int n = picDeck().VipadkMal(ctx.rnd);

    // Frame order: distinct draws of 3r + 1; the bound only keeps a broken
    // generator from hanging the window (it then takes the smallest free value).
    order_.fill(0);
    auto used = [this](int v) { return std::find(order_.begin(), order_.end(), v) != order_.end(); };
    for (int j = 0; j < 4; ++j) {
        int v = ctx.rnd.draw(3, 1);
        for (int attempt = 0; used(v) && attempt < 100000; ++attempt)
            v = ctx.rnd.draw(3, 1);
        for (v = used(v) ? 1 : v; used(v);)
            ++v;
        order_[j] = v;
    }
    QStringList frames;
    for (int j = 0; j < 4; ++j)
        frames.append(framePath(n, order_[j]));
    const QList<QPixmap> pictures = loadPictures(frames);
    for (int j = 0; j < 4; ++j)
        kadr[j]->setPixmap(pictures.at(j));
}

QString FilmFramesWindow::framePath(int n, int f) const {
    return ctx.folder.path(QStringLiteral("kletka%1/%2/%3.jpg").arg(task().windowNumber).arg(n).arg(f));
}

void FilmFramesWindow::readRecord() {
    // The first record of the file, whatever follows it; a missing or short
    // file is a record in which no story has been shown yet. The working folder
    // is made sure so that the record can be written back.
    ctx.folder.ensureFolder(QStringLiteral("Temp"));
    useDeck(kFilmStories);
    picDeck().record().clearShown(kFilmStories);
    const UsedPictureRecord blank(11);
    const auto data = readFile(ctx.folder.usedPictureFile(task().windowNumber));
    if (data && data->size() >= blank.byteSize())
        if (auto record = UsedPictureRecord::fromBytes(data->left(blank.byteSize()), 11))
            picDeck().record() = *record;
}

bool FilmFramesWindow::frameMovable(int j) const {
    return drag_.isDraggable(kadr[j - 1]);
}

void FilmFramesWindow::setFrameMovable(QWidget* frame, bool on) {
    // A placed frame is out of play: it can be dragged no more and, like the
    // strip under it, lets drops through to the window. It keeps its colours.
    drag_.makeDraggable(frame, on);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents, !on);
    if (on)
        frame->setCursor(pointingHandCursor());
    else
        frame->unsetCursor();
}

void FilmFramesWindow::kadr_MouseDown(QWidget* frame) {
    frame->setCursor(loadCursorFile(ctx.folder.path(rules::frameCursor()), frame->cursor()));
}

void FilmFramesWindow::Form_DragDrop(QWidget* source, QPoint pos) {
    const int j = indexOfControl(kadr, source);
    if (j < 0 || !busy() || !frameMovable(j + 1))
        return;
    const int x = pos.x();
    const int y = pos.y();
    if (x < 40 || x > 713 || y < 120 || y > 233)
        return;
    for (int k = 1; k <= 4; ++k) {
        const FilmSlot& slot = kFilmSlots[k - 1];
        if (x < slot.xFrom || x > slot.xTo || y < 122 || y > 235 || filled_[k - 1])
            continue;
        QWidget* frame = kadr[j];
        frame->move(slot.xFrom + (slot.width - frame->width()) / 2, 121 + (113 - frame->height()) / 2);
        frame->raise();
        if (order_[j] != k)
            host.setPrav(false);
        filled_[k - 1] = true;
        setFrameMovable(frame, false);
        return;
    }
}

void FilmFramesWindow::Image2_Click() {
    if (!busy())
        return;
    closeAnswered();
}

void FilmFramesWindow::beforeHandBack() {
    for (bool filled : filled_)
        if (!filled)
            host.setPrav(false);
}

} // namespace zorna
