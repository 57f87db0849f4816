#include "results/windows/journals_page.h"

#include "results/model/journal_set.h"
#include "results/windows/tables.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zorna::results {

JournalsPage::JournalsPage(std::function<void(const QString&)> closeJournal, QWidget* parent)
    : QWidget(parent), closeJournal_(std::move(closeJournal)), table_(makeTableView(&model_, this)),
      close_(new QPushButton(QStringLiteral("Закрити"))), notes_(new QLabel) {
    setObjectName(QStringLiteral("journals"));
    table_->setObjectName(QStringLiteral("journalTable"));
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    close_->setObjectName(QStringLiteral("closeJournal"));
    close_->setToolTip(
        QStringLiteral("Прибрати вибраний журнал (і його копії) з перегляду; файл не змінюється."));
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(close_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    layout->addWidget(notes_);
    connect(close_, &QPushButton::clicked, this, [this] {
        const QModelIndex source = proxyOf(table_)->mapToSource(table_->selectionModel()->currentIndex());
        if (source.isValid())
            closeJournal_(model_.rows()[std::size_t(source.row())].path);
    });
}

void JournalsPage::showJournals(const JournalSet& journals) {
    std::vector<OpenJournalRow> rows;
    for (const auto& reader : journals.journals()) {
        const std::optional<qint64> last = reader->lastAnswerMs();
        rows.push_back({reader->path(), reader->identity().computer, reader->answerCount(),
                        last ? QDateTime::fromMSecsSinceEpoch(*last) : QDateTime()});
    }
    model_.setRows(std::move(rows));
    QStringList notes;
    for (const SetAsideCopy& copy : journals.setAside())
        notes.append(copy.message);
    for (const SourceProblem& problem : journals.problems())
        notes.append(problem.message);
    notes_->setText(notes.join(QLatin1Char('\n')));
    notes_->setVisible(!notes.isEmpty());
}

QString JournalsPage::notes() const {
    return notes_->text();
}

} // namespace zorna::results
