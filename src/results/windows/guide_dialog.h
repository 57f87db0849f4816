#pragma once

#include <QDialog>

class QTextBrowser;

namespace zorna::results {

// The teacher's guide (Ukrainian HTML compiled into the program), shown in a
// window of its own beside the results: no browser needed.
class GuideDialog : public QDialog {
    Q_OBJECT
public:
    explicit GuideDialog(QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// Shows the guide beside `parent`: the window already open is raised, not a
// second one opened.
GuideDialog* showGuide(QWidget* parent);

// The guide's HTML as compiled in.
QString guideHtml();

} // namespace zorna::results
