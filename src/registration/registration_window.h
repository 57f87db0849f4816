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
    explicit RegistrationWindow(AppContext& ctx);
    ~RegistrationWindow() override;
    // Creates and shows a fresh registration window.
    static RegistrationWindow* showFresh(AppContext& ctx);

    // True when a close request comes from the user and must be confirmed.
    bool PoKrest = true;

    // The number chosen in the count box (2 or 3) and the names as typed.
    Players players() const;
    int playerCount() const;
    // Whether the panel of saved games is shown, and the folder of the game it shows.
    bool winSave() const { return winSave_; }
    QString potochPapka() const { return potochPapka_; }

    // Handlers.
    void winKilGravc_Click();
    void knopOpen_Click();
    void knopNext_Click();
    void Timer1_Timer();
    void knopNastup_Click();
    void knopPopered_Click();
    void Command1_Click();

    // The ticker's full text.
    const QString& tickerText() const { return ticker_; }
    static QString creditLine();

    QComboBox* winKilGravc() const { return winKilGravc_; }
    QLineEdit* winNameGravc(int i) const { return winNameGravc_[i - 1]; }
    QLineEdit* winAvtors() const { return WinAvtors_; }
    QPushButton* knopOpen() const { return knopOpen_; }
    QPushButton* knopNext() const { return knopNext_; }
    QPushButton* knopPopered() const { return knopPopered_; }
    QPushButton* knopNastup() const { return knopNastup_; }
    QPushButton* command1() const { return Command1_; }
    QLabel* nameSaveGr(int i) const { return nameSaveGr_[i - 1]; }
    // The saved games listed, in order, and the position shown.
    const QStringList& savedGames() const { return games_.names(); }
    int currentGame() const { return position_; }
    // The board this window opened; null once it has closed.
    BoardWindow* board() const { return board_; }
    // The window that replaced this one when the players left the board.
    RegistrationWindow* successor() const { return successor_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // The credit strip scrolls only while the window can be seen: the program
    // hides the window for the whole game, and a running timer would wake the
    // idle program every 300 ms for nothing.
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    // Removes the game folders without date.dat (with the message) and lists the rest.
    void fillList();
    // The players leave the board: a fresh registration window replaces this one.
    void returnFromBoard();
    void showEntry(int position);
    void setMode(bool saved);
    void showBoard();
    static QString nameProblemText(const NameProblem& problem);
    QLabel* label(const QString& text, int l, int t, int w, int h);

    AppContext& ctx;
    bool winSave_ = false;
    QString potochPapka_;
    std::optional<GameRecord> record_;
    SavedGames games_;
    int position_ = -1;

    QString ticker_;
    int tickerStart_ = 1;
    int tickerLength_ = 0;
    int tickerCounter_ = 1;

    QLineEdit* WinAvtors_;
    QComboBox* winKilGravc_;
    QPushButton* knopOpen_;
    QPushButton* knopNext_;
    std::array<QLineEdit*, 3> winNameGravc_{};
    QPushButton* knopPopered_;
    QPushButton* knopNastup_;
    QPushButton* Command1_;
    std::array<QLabel*, 3> nameSaveGr_{};
    std::unique_ptr<Timer> Timer1_;
    QPointer<BoardWindow> board_;
    QPointer<RegistrationWindow> successor_;
};

} // namespace zorna
