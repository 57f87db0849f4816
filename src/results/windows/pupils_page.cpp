#include "results/windows/pupils_page.h"

#include "results/model/journal_set.h"
#include "results/windows/chart_widget.h"
#include "results/windows/charts.h"
#include "results/windows/tables.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>

#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zorna::results {

PupilsPage::PupilsPage(QWidget* parent)
    : QWidget(parent), search_(new QLineEdit), pupils_(makeTableView(&pupilModel_, this)), title_(new QLabel),
      categoryView_(new ChartWidget), weekView_(new ChartWidget), games_(makeTableView(&gameModel_, this)),
      categories_(makeTableView(&categoryModel_, this)), failed_(makeTableView(&failedModel_, this)),
      monthView_(new ChartWidget) {
    setObjectName(QStringLiteral("pupils"));
    pupils_->setObjectName(QStringLiteral("pupilTable"));
    games_->setObjectName(QStringLiteral("gameTable"));
    search_->setObjectName(QStringLiteral("pupilSearch"));
    search_->setPlaceholderText(QStringLiteral("Пошук учня"));
    search_->setClearButtonEnabled(true);
    // Names whole on one line; the numbers beside them scroll when the list is narrow.
    pupils_->setWordWrap(false);
    pupils_->horizontalHeader()->setStretchLastSection(true);
    // Partners whole on one line (a tooltip-free table scrolls sideways instead).
    games_->setWordWrap(false);
    games_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    QFont titleFont = title_->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setWordWrap(true);
    title_->setTextFormat(Qt::PlainText);
    title_->setText(QStringLiteral("Виберіть учня зі списку"));
    categoryView_->setObjectName(QStringLiteral("categoryChart"));
    weekView_->setObjectName(QStringLiteral("weekChart"));
    weekView_->setMinimumHeight(200);
    categoryView_->setChart(categoryChart({}));
    weekView_->setChart(weekChart({}));
    monthView_->setChart(monthChart({}));

    auto* list = new QWidget;
    auto* listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(search_);
    listLayout->addWidget(pupils_, 1);

    auto* detail = new QWidget;
    auto* detailLayout = new QVBoxLayout(detail);
    detailLayout->addWidget(title_);
    auto* charts = new QHBoxLayout;
    charts->addWidget(categoryView_, 3);
    charts->addWidget(weekView_, 2);
    detailLayout->addLayout(charts, 1);
    // What a teacher asks next, one tab each, so the page fits a small screen.
    categories_->setObjectName(QStringLiteral("categoryTable"));
    failed_->setObjectName(QStringLiteral("failedTable"));
    monthView_->setObjectName(QStringLiteral("monthChart"));
    categories_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    failed_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    auto* more = new QTabWidget;
    more->setObjectName(QStringLiteral("pupilDetails"));
    more->addTab(games_, QStringLiteral("Ігри"));
    more->addTab(categories_, QStringLiteral("Категорії і час"));
    more->addTab(failed_, QStringLiteral("Найважчі завдання"));
    // The lines with their legend need more height than the tab has on a small screen.
    auto* monthScroll = new QScrollArea;
    monthScroll->setWidget(monthView_);
    monthScroll->setWidgetResizable(true);
    monthScroll->setMinimumHeight(140);
    more->addTab(monthScroll, QStringLiteral("За місяцями"));
    detailLayout->addWidget(more, 1);

    auto* splitter = new QSplitter;
    splitter->addWidget(list);
    splitter->addWidget(detail);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({400, 600});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    // Searching narrows the list but keeps the pupil shown.
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        {
            const QSignalBlocker quiet(pupils_->selectionModel());
            proxyOf(pupils_)->setFilterFixedString(text.trimmed());
        }
        if (pupil_)
            selectRow(pupil_->key);
    });
    connect(pupils_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PupilsPage::chosenRowChanged);
}

void PupilsPage::showPupils(const ClassView& view, JournalSet* journals, const DateFilter& filter) {
    journals_ = journals;
    filter_ = filter;
    shown_.clear();
    const QString chosen = pupil_ ? pupil_->key : QString();
    {
        const QSignalBlocker quiet(pupils_->selectionModel());
        pupilModel_.setRows(view.pupils);
    }
    choosePupil(chosen);
}

QModelIndex PupilsPage::selectRow(const QString& key) {
    const auto& rows = pupilModel_.rows();
    const auto found =
        std::find_if(rows.begin(), rows.end(), [&](const PupilRow& row) { return row.key == key; });
    const QModelIndex source = found == rows.end() || key.isEmpty()
                                   ? QModelIndex()
                                   : pupilModel_.index(int(found - rows.begin()), 0);
    const QModelIndex shown = proxyOf(pupils_)->mapFromSource(source);
    const QSignalBlocker quiet(pupils_->selectionModel());
    pupils_->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    return source;
}

void PupilsPage::choosePupil(const QString& key) {
    if (selectRow(key).isValid() && journals_)
        pupil_ = viewOf(key);
    else
        pupil_.reset();
    showPupil();
}

PupilView PupilsPage::viewOf(const QString& key) {
    constexpr std::size_t kPupilsKept = 8;
    const auto known =
        std::find_if(shown_.begin(), shown_.end(), [&](const PupilView& view) { return view.key == key; });
    if (known != shown_.end())
        return *known;
    if (shown_.size() >= kPupilsKept)
        shown_.erase(shown_.begin());
    shown_.push_back(buildPupilView(*journals_, key, filter_));
    return shown_.back();
}

void PupilsPage::chosenRowChanged() {
    const QModelIndex source = proxyOf(pupils_)->mapToSource(pupils_->selectionModel()->currentIndex());
    choosePupil(source.isValid() ? pupilModel_.rows()[std::size_t(source.row())].key : QString());
}

void PupilsPage::showPupil() {
    if (!pupil_) {
        title_->setText(QStringLiteral("Виберіть учня зі списку"));
        categoryView_->setChart(categoryChart({}));
        weekView_->setChart(weekChart({}));
        gameModel_.setGames({});
        categoryModel_.setRows({});
        failedModel_.setRows({});
        monthView_->setChart(monthChart({}));
        return;
    }
    title_->setText(pupil_->name);
    categoryView_->setChart(categoryChart(pupil_->categories));
    weekView_->setChart(weekChart(pupil_->weeks));
    gameModel_.setGames(pupil_->games);
    categoryModel_.setPupil(*pupil_);
    failedModel_.setPupil(*pupil_, taskName_);
    monthView_->setChart(monthChart(*pupil_));
}

} // namespace zorna::results
