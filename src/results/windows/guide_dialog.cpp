#include "results/windows/guide_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zorna::results {

namespace {

const char* const kGuideResource = ":/results/teacher_guide.html";

} // namespace

QString guideHtml() {
    QFile file(QString::fromLatin1(kGuideResource));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

GuideDialog::GuideDialog(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser) {
    setObjectName(QStringLiteral("guide"));
    setWindowTitle(QStringLiteral("Посібник для вчителя"));
    // Links inside the guide jump to its sections; nothing opens outside.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    browser_->setHtml(guideHtml());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрити"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    // Fits a 1024×768 screen beside the taskbar.
    resize(760, 640);
}

GuideDialog* showGuide(QWidget* parent) {
    auto* guide = parent ? parent->findChild<GuideDialog*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!guide) {
        guide = new GuideDialog(parent);
        guide->setAttribute(Qt::WA_DeleteOnClose);
    }
    guide->show();
    guide->raise();
    guide->activateWindow();
    return guide;
}

} // namespace zorna::results
