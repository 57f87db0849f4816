#pragma once

#include <QLabel>
#include <QWidget>

#include <array>
#include <functional>

class QSvgRenderer;

namespace zorna {
class SvgPicture;
}

namespace zorna {

// "Фініш": congratulates a player whose chip has reached the last square with
// the place taken and, for the winner, the banner. The board is enabled again
// when it closes.
class FinishWindow : public QWidget {
    Q_OBJECT
public:
    explicit FinishWindow(std::function<void()> onClosed);

    // winName gets the name; Misse(place) is shown, Image2 only for place 1.
    void showPlace(const QString& name, int place);

    QLabel* winName() const { return winName_; }
    SvgPicture* banner() const { return image2_; }
    SvgPicture* misse(int place) const { return misse_[place - 1]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> onClosed_;
    QSvgRenderer* background_;
    QLabel* winName_;
    SvgPicture* image2_;
    std::array<SvgPicture*, 3> misse_{};
};

} // namespace zorna
