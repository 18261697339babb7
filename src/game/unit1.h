#pragma once
#include "platform/stage.h"

#include <QMainWindow>
#include <array>

class QLabel;
class QTimer;
class QTextEdit;
class TImage;
namespace Ui {
class TForm1;
}

// The main window: the stage of the game. It owns the screen side of the game state
// (question, answers, ladder arrow, lifeline icons) and the answer reveal.
class TForm1 : public QMainWindow, public zk::Stage {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Ui::TForm1* ui;
    std::array<TImage*, 4> AnswerImages{};
    std::array<QLabel*, 4> AnswerLabels{};
    QTimer* Timer1;

    // A new game, once the qualifying round is passed. Throws when the first question
    // cannot be read (the steps before keep their effect).
    void StartMainGame() override;
    // Back to idle when a result window closes.
    void EndGameReset() override;

    // What the other windows may ask of the stage.
    void MarkLifelineUsed(zk::Lifeline which) override;
    void BlankAnswer(int index) override;
    zk::AnswersInPlay AnswersOnScreen() const override;
    void SetMarkerVisible(bool visible) override;

    // Answer flow.
    void AnswerClick(char letter);  // OtvetXClick and LabelXClick
    void SelectAnswer(char letter);
    void HighlightChosen(const QColor& color, const QString& picture);
    void Timer1Timer();
    void ShowNextQuestion();

    // Lifelines and the take-money button.
    void Podsk_5050Click();
    void Podsk_zalClick();
    void Podsk_friendClick();
    void Button1Click();


protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void connectHandlers();
    void putQuestionTexts();
    void putMarkerLetter();
    void setLifelineCursors(Qt::CursorShape shape);
    void loadPicture(TImage* image, const QString& gameName);
};

namespace zk {
// The main window of the run (nullptr before it exists).
TForm1* MainForm();

// The host's words when a question is put up after the player has won `winnings`;
// levelNow is the level of the question now on screen. Null for an amount without comment.
QString HostComment(int winnings, int levelNow);

// The host's opening text and the text when the main game begins.
extern const char* const kHostWelcome;
extern const char* const kHostGameStarts;
}  // namespace zk
