// The question file kletka16/quetkr16.dat: every question number, in range or
// not, reads as text or as nothing from any bytes.
#include "fuzz_input.h"
#include "tasks/choice/question_file_window.h"

using namespace zorna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeScratchFile(QStringLiteral("quetkr16.dat"), data, size);
    for (int n = -1; n <= 13; ++n) {
        const QString question = QuestionFileWindow::readQuestion(path, n);
        fuzz::expect(question.size() <= choice::kQuestionRecord, "a question is at most one record long");
    }
    return 0;
}
