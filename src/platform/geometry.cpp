#include "platform/geometry.h"

#include "platform/run_cache.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zorna {

void placeTw(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twRect(left, top, width, height));
}

void setClientSizeTw(QWidget* window, int width, int height) {
    window->setFixedSize(tw(width), tw(height));
}

namespace {

// The family that draws a family name: the name itself when that family is
// installed, else the first installed face registered to stand in for it.
// Asked for a family that is not installed, Qt first works out for each
// script which faces could stand in (a fontconfig sort, about half a
// millisecond each) before it takes the registered one; this finds the same
// face in one look at the installed families.
QString drawingFamily(const QString& family) {
    struct DrawingFamilies;
    return RunCache<QString, DrawingFamilies>::value(family, [&family] {
        const QStringList installed = QFontDatabase::families();
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
        const QStringList faces = QFont::substitutes(family);
        for (const QString& face : faces)
            if (installed.contains(face, Qt::CaseInsensitive))
                return face;
        return family;
    });
}

} // namespace

QFont gameFont(const QString& family, double pointSize, bool bold) {
    QFont font(drawingFamily(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void registerGameFonts() {
#ifndef Q_OS_WIN
    // Each family the windows ask for, and the scalable faces (Cyrillic, a real
    // bold) that stand in for it when it is not installed. Liberation Sans has
    // the advance widths of MS Sans Serif at its designed 8 pt size. Windows
    // has all three families itself and draws them as they are.
    struct Substitute {
        const char* family;
        const char* faces[2];
    };
    static constexpr Substitute kSubstitutes[] = {
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
        {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
    };
    for (const Substitute& s : kSubstitutes)
        QFont::insertSubstitutions(QString::fromLatin1(s.family),
                                   {QString::fromLatin1(s.faces[0]), QString::fromLatin1(s.faces[1])});
#endif
}

namespace {

// The window's outer size: a window not shown yet gets the size it will be
// shown at, and the frame the anchor has (none without a window manager).
QSize outerSize(QWidget* window, const QWidget* anchor) {
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    if (window->isVisible())
        return window->frameGeometry().size();
    const QSize frame = anchor ? anchor->frameGeometry().size() - anchor->size() : QSize(0, 0);
    return window->size() + frame;
}

// Moves the window's frame to a rectangle of its outer size centred at a
// point, shifted back inside the screen area where it would leave it.
void placeCentred(QWidget* window, QSize outer, QPoint centre, const QRect& area) {
    QRect frame(QPoint(0, 0), outer);
    frame.moveCenter(centre);
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    window->move(frame.topLeft());
}

} // namespace

void centreOver(QWidget* window, const QWidget* anchor) {
    QScreen* screen = anchor->screen();
    const QRect area = screen ? screen->availableGeometry() : anchor->frameGeometry();
    placeCentred(window, outerSize(window, anchor), anchor->frameGeometry().center(), area);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    placeCentred(window, outerSize(window, nullptr), area.center(), area);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setFramedBackground(QLabel* label, const QColor& colour) {
    setBackground(label, colour);
    // A plain box is drawn in the text colour.
    setTextColour(label, Qt::black);
    label->setFrameShape(QFrame::Box);
    label->setFrameShadow(QFrame::Plain);
    label->setLineWidth(1);
}

} // namespace zorna
