#include "stats/statistics_window.h"

#include "journal/categories.h"

#include "platform/geometry.h"
#include "platform/text_fit.h"

#include <QCloseEvent>
#include <QPainter>

namespace zorna {

namespace {
constexpr int kRowTop[7] = {720, 1320, 1920, 2640, 3120, 3480, 3960};
constexpr int kTitleTop[7] = {600, 1200, 1800, 2400, 3240, 3600, 3960};
constexpr int kTitleHeight[7] = {600, 600, 600, 840, 360, 360, 480};
constexpr int kColumnLeft[3] = {2640, 3720, 4800};
const QColor kNavy(0, 0, 128);
const QColor kCyan(0, 255, 255);
} // namespace

const std::array<QString, 7>& StatisticsWindow::categoryTitles() {
    static const std::array<QString, 7> titles = [] {
        std::array<QString, 7> t;
        for (int c = 1; c <= 7; ++c)
            t[std::size_t(c - 1)] = journal::categoryTitle(c);
        return t;
    }();
    return titles;
}

QLabel* StatisticsWindow::label(const QString& text, int l, int t, int w, int h, const QFont& font,
                                const QColor& colour, Qt::Alignment align) {
    return label(new QLabel(this), text, l, t, w, h, font, colour, align);
}

QLabel* StatisticsWindow::label(QLabel* lab, const QString& text, int l, int t, int w, int h,
                                const QFont& font, const QColor& colour, Qt::Alignment align) {
    // The players' names are shown exactly as typed, never read as markup.
    lab->setTextFormat(Qt::PlainText);
    lab->setText(text);
    placeTw(lab, l, t, w, h);
    lab->setFont(font);
    lab->setAlignment(align);
    QPalette p = lab->palette();
    p.setColor(QPalette::WindowText, colour);
    lab->setPalette(p);
    return lab;
}

StatisticsWindow::StatisticsWindow(std::function<void()> onClosed) : onClosed_(std::move(onClosed)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Statist"));
    setWindowTitle(QStringLiteral("Статистика успішності"));
    setClientSizeTw(this, 5865, 6435);
    setBackground(this, kNavy);

    static const char* kRoman[3] = {"I", "II", "III"};
    for (int p = 0; p < 3; ++p) {
        QLabel* h = label(QString::fromLatin1(kRoman[p]), kColumnLeft[p], 120, 975, 375,
                          gameFont(QStringLiteral("MS Sans Serif"), 18, true), kCyan, Qt::AlignCenter);
        h->setObjectName(QStringLiteral("Label%1").arg(8 + p));
    }
    for (int c = 0; c < 7; ++c) {
        QLabel* t =
            label(categoryTitles()[c], 240, kTitleTop[c], 2340, kTitleHeight[c],
                  gameFont(QStringLiteral("Arial"), 9, true), kCyan, Qt::AlignLeft | Qt::AlignVCenter);
        t->setWordWrap(true);
        t->setObjectName(QStringLiteral("Label%1").arg(c + 1));
    }
    const QFont countFont = gameFont(QStringLiteral("Arial"), 12, true);
    for (int p = 1; p <= 3; ++p) {
        for (int c = 1; c <= 7; ++c) {
            for (int k = 1; k <= 2; ++k) {
                QLabel* lab =
                    label(QStringLiteral("0"), kColumnLeft[p - 1] + (k - 1) * 480, kRowTop[c - 1], 495, 375,
                          countFont, k == 1 ? QColor(255, 255, 0) : QColor(255, 0, 0), Qt::AlignCenter);
                lab->setObjectName(QStringLiteral("%1%2%3").arg(k == 1 ? 't' : 'f').arg(p).arg(c));
                counts_[p - 1][c - 1][k - 1] = lab;
            }
        }
    }

    // Legend.
    auto* yellow = new QLabel(this);
    placeTw(yellow, 120, 4440, 375, 255);
    setBackground(yellow, QColor(255, 255, 0));
    label(QStringLiteral("- правильно"), 600, 4440, 1150, 255, gameFont(QStringLiteral("Arial"), 9, true),
          Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    auto* red = new QLabel(this);
    placeTw(red, 1800, 4440, 375, 255);
    setBackground(red, QColor(255, 0, 0));
    label(QStringLiteral("- неправильно"), 2280, 4440, 1500, 255, gameFont(QStringLiteral("Arial"), 9, true),
          Qt::white, Qt::AlignLeft | Qt::AlignVCenter);

    for (int p = 0; p < 3; ++p) {
        const int top = 4920 + 480 * p;
        QLabel* r = label(QString::fromLatin1(kRoman[p]), 120, top, 615, 375,
                          gameFont(QStringLiteral("MS Sans Serif"), 18, true), kCyan, Qt::AlignCenter);
        r->setObjectName(QStringLiteral("Label%1").arg(11 + p));
        QLabel* name = label(new FitLabel(this), QString(), 840, top, 4935, 375, countFont, Qt::black,
                             Qt::AlignLeft | Qt::AlignVCenter);
        name->setObjectName(QStringLiteral("winNameGr%1").arg(p + 1));
        setBackground(name, QColor(192, 192, 192));
        nameLabels_[p] = name;
    }
}

void StatisticsWindow::setCount(int player, int category, int kind, int value) {
    countLabel(player, category, kind)->setText(QString::number(value));
}

void StatisticsWindow::setPlayerName(int player, const QString& name) {
    nameLabels_[player - 1]->setText(name);
}

QLabel* StatisticsWindow::countLabel(int player, int category, int kind) const {
    return counts_[player - 1][category - 1][kind - 1];
}

void StatisticsWindow::paintEvent(QPaintEvent*) {
    // The grid: lines between the rows and between the players' columns.
    QPainter p(this);
    p.setPen(QPen(QColor(0, 160, 160), 1));
    const int right = tw(5760);
    p.drawLine(tw(120), tw(540), right, tw(540));
    for (int c = 1; c < 7; ++c) {
        const int y = tw((kRowTop[c - 1] + 375 + kRowTop[c]) / 2);
        p.drawLine(tw(2580), y, right, y);
    }
    p.drawLine(tw(120), tw(4395), right, tw(4395));
    for (int col = 0; col < 3; ++col) {
        const int x = tw(kColumnLeft[col] - 60);
        p.drawLine(x, tw(120), x, tw(4395));
    }
    p.drawLine(right, tw(120), right, tw(4395));
}

void StatisticsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClosed_)
        onClosed_();
}

} // namespace zorna
