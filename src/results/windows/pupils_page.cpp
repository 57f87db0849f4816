#include "results/windows/pupils_page.h"

#include "results/model/journal_set.h"
#include "results/windows/charts.h"
#include "results/windows/tables.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zorna::results {

PupilsPage::PupilsPage(QWidget* parent)
    : QWidget(parent), pupils_(makeTable({QStringLiteral("Учень"), QStringLiteral("Ігор"),
                                          QStringLiteral("Завдань"), QStringLiteral("Правильно, %")})),
      title_(new QLabel), categoryView_(new QChartView), weekView_(new QChartView),
      games_(makeTable({QStringLiteral("Дата"), QStringLiteral("Партнери"), QStringLiteral("Місце"),
                        QStringLiteral("Завдань"), QStringLiteral("Правильно, %")})) {
    setObjectName(QStringLiteral("pupils"));
    pupils_->setObjectName(QStringLiteral("pupilTable"));
    games_->setObjectName(QStringLiteral("gameTable"));
    pupils_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    games_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    QFont titleFont = title_->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setText(QStringLiteral("Виберіть учня зі списку"));
    for (QChartView* view : {categoryView_, weekView_}) {
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumHeight(260);
    }
    replaceChart(categoryView_, categoryChart({}));
    replaceChart(weekView_, weekChart({}));

    auto* detail = new QWidget;
    auto* detailLayout = new QVBoxLayout(detail);
    detailLayout->addWidget(title_);
    auto* charts = new QHBoxLayout;
    charts->addWidget(categoryView_, 3);
    charts->addWidget(weekView_, 2);
    detailLayout->addLayout(charts, 3);
    detailLayout->addWidget(games_, 2);

    auto* splitter = new QSplitter;
    splitter->addWidget(pupils_);
    splitter->addWidget(detail);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({330, 990});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(pupils_, &QTableWidget::currentCellChanged, this, [this](int row) { choose(row); });
}

void PupilsPage::showPupils(const ClassView& view, JournalSet* journals, const DateFilter& filter) {
    journals_ = journals;
    filter_ = filter;
    const QString chosen = pupil_ ? pupil_->key : QString();
    keys_.clear();
    const QSignalBlocker quiet(pupils_);
    pupils_->setRowCount(int(view.pupils.size()));
    int chosenRow = -1;
    for (int row = 0; row < int(view.pupils.size()); ++row) {
        const PupilRow& pupil = view.pupils[std::size_t(row)];
        keys_.append(pupil.key);
        setRow(pupils_, row,
               {pupil.name, QString::number(pupil.games), QString::number(pupil.answered()),
                QString::number(percentRight(pupil.right(), pupil.answered()))});
        if (pupil.key == chosen)
            chosenRow = row;
    }
    pupils_->setCurrentCell(chosenRow, 0);
    choose(chosenRow);
}

void PupilsPage::choose(int row) {
    if (row < 0 || row >= keys_.size() || !journals_) {
        pupil_.reset();
    } else {
        pupil_ = buildPupilView(*journals_, keys_[row], filter_);
    }
    showPupil();
}

void PupilsPage::showPupil() {
    if (!pupil_) {
        title_->setText(QStringLiteral("Виберіть учня зі списку"));
        replaceChart(categoryView_, categoryChart({}));
        replaceChart(weekView_, weekChart({}));
        games_->setRowCount(0);
        return;
    }
    title_->setText(pupil_->name);
    replaceChart(categoryView_, categoryChart(pupil_->categories));
    replaceChart(weekView_, weekChart(pupil_->weeks));
    games_->setRowCount(int(pupil_->games.size()));
    for (int row = 0; row < int(pupil_->games.size()); ++row) {
        const PupilGame& game = pupil_->games[std::size_t(row)];
        setRow(games_, row,
               {game.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                game.partners.join(QStringLiteral(", ")),
                game.place ? QString::number(*game.place) : QStringLiteral("—"),
                QString::number(game.answered), QString::number(percentRight(game.right, game.answered))});
    }
}

} // namespace zorna::results
