#pragma once

#include "board/board_model.h"
#include "board/board_window.h"
#include "platform/app_context.h"
#include "registration/player_names.h"
#include "registration/saved_games.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

namespace zorna {

// "Реєстрація", the program's main window: the players choose their number
// and type their names, or pick a saved game in the panel below; the window
// then leads to the board and stays loaded, hidden, as the board's source of
// the players. Closing it (after the question) ends the program.
class RegistrationWindow : public QWidget {
    Q_OBJECT
public:
    // tasks: the task windows the board opens, handed on to it.
    RegistrationWindow(AppContext& ctx, const TaskCatalog& tasks);
    ~RegistrationWindow() override;
    // Creates and shows a fresh registration window.
    static RegistrationWindow* showFresh(AppContext& ctx, const TaskCatalog& tasks);

    // True when a close request comes from the user and must be confirmed.
    bool confirmsClose() const { return confirmClose_; }

    // The number chosen in the count box (2 or 3) and the names as typed.
    Players players() const;
    int playerCount() const;
    // Whether the panel of saved games is shown, and the folder of the game it shows.
    bool savedMode() const { return savedMode_; }
    QString currentFolder() const { return currentFolder_; }

    // What the controls do.
    void playerCountChanged(); // the count box: names enabled up to the count
    void toggleSavedGames();   // the folder button: the saved games or a new game
    void goToBoard();          // the arrow button
    void showNextGame();       // the saved games' arrows
    void showPreviousGame();
    void deleteGame(); // the saved game's delete button

    // The ticker's full text.
    const QString& tickerText() const { return ticker_; }
    static QString creditLine();

    QComboBox* playerCountBox() const { return playerCountBox_; }
    QLineEdit* nameBox(int i) const { return nameBoxes_[i - 1]; }
    QLineEdit* tickerBox() const { return tickerBox_; }
    QPushButton* openButton() const { return openButton_; }
    QPushButton* nextButton() const { return nextButton_; }
    QPushButton* previousGameButton() const { return previousGameButton_; }
    QPushButton* nextGameButton() const { return nextGameButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QLabel* savedNameLabel(int i) const { return savedNameLabels_[i - 1]; }
    // The saved games listed, in order, and the position shown.
    const QStringList& savedGames() const { return games_.names(); }
    int currentGame() const { return position_; }
    // The board this window opened; null once it has closed.
    BoardWindow* board() const { return board_; }
    // The window that replaced this one when the players left the board.
    RegistrationWindow* successor() const { return successor_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The credit strip scrolls only while the window can be seen: the program
    // hides the window for the whole game, and a running timer would wake the
    // idle program every 300 ms for nothing.
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void load();
    // One step of the credit strip.
    void scrollTicker();
    // Removes the game folders without date.dat (with the message) and lists the rest.
    void fillList();
    // The players leave the board: a fresh registration window replaces this one.
    void returnFromBoard();
    void showEntry(int position);
    void setMode(bool saved);
    void showBoard();
    static QString nameProblemText(const NameProblem& problem);
    QLabel* label(const QString& text, int l, int t, int w, int h);

    AppContext& ctx_;
    const TaskCatalog& tasks_;
    bool confirmClose_ = true;
    bool savedMode_ = false;
    QString currentFolder_;
    std::optional<GameRecord> record_;
    SavedGames games_;
    int position_ = -1;

    QString ticker_;
    int tickerStart_ = 1;
    int tickerLength_ = 0;
    int tickerCounter_ = 1;

    QLineEdit* tickerBox_;
    QComboBox* playerCountBox_;
    QPushButton* openButton_;
    QPushButton* nextButton_;
    std::array<QLineEdit*, 3> nameBoxes_{};
    QPushButton* previousGameButton_;
    QPushButton* nextGameButton_;
    QPushButton* deleteButton_;
    std::array<QLabel*, 3> savedNameLabels_{};
    std::unique_ptr<Timer> tickerTimer_;
    QPointer<BoardWindow> board_;
    QPointer<RegistrationWindow> successor_;
};

} // namespace zorna
