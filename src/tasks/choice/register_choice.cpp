#include "tasks/choice/missing_detail_window.h"
#include "tasks/choice/odd_one_out_window.h"
#include "tasks/choice/pair_choice_window.h"
#include "tasks/choice/question_file_window.h"
#include "tasks/choice/single_choice_window.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"

namespace zorna {

namespace {

TaskWindow* openSingleChoice(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new SingleChoiceWindow(ctx, host, task, *singleChoiceRow(task.windowNumber));
}

} // namespace

void registerChoiceTasks(TaskCatalog& catalog) {
    for (const SingleChoiceRow& row : kSingleChoiceRows)
        catalog.add(row.windowNumber, openSingleChoice);
    for (const choice::PairChoiceRow& row : choice::kPairChoiceRows)
        catalog.add(row.windowNumber, openWindow<PairChoiceWindow>);
    catalog.add(choice::kDetailWindow, openWindow<MissingDetailWindow>);
    catalog.add(choice::kOddWindow, openWindow<OddOneOutWindow>);
    catalog.add(choice::kQuestionWindow, openWindow<QuestionFileWindow>);
}

} // namespace zorna
