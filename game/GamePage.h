#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <array>

class PictureBox;
class QWidget;
class TextLabel;

// The controls of the game page: the host, the frame with the question and the four answers,
// the ladder, the speech strip, the amount banner and the resignation button. It shows what
// the game tells it and reports clicks; the game's rules live in Game.
class GamePage {
 public:
  // One answer position: its box (whose fill is its state), its letter tile and its text.
  struct Answer {
    PictureBox* box = nullptr;
    PictureBox* tile = nullptr;
    TextLabel* label = nullptr;
    QColor fill = Qt::white;
  };

  explicit GamePage(QWidget* page);

  QWidget* page() const { return m_page; }
  Answer& answer(int position) { return m_answers.at(static_cast<size_t>(position - 1)); }
  const Answer& answer(int position) const {
    return m_answers.at(static_cast<size_t>(position - 1));
  }

  // The state of an answer box, read back from its fill.
  static bool highlighted(const QColor& fill);

  // Fills the hexagon of one box; with `reset`, every highlighted box turns white first.
  void PaintAnswerBox(int position, const QColor& colour, bool reset);
  // Redraws the letter tile of `position` from the state of its box.
  void DrawAnswerTile(int position);
  void ShowAnswer(int position, bool show);
  void ShowWinBanner(bool show, const QString& text = {});
  void showWonCaption(bool show);
  void DrawLadder(int level);
  void SetHostPose(int pose);
  int hostPose() const { return m_pose; }
  // The speech strip: label and shape always move, resize and show together.
  void ShowSpeech(bool visible, bool oneLine, const QString& text, bool append,
                  const QColor& colour);
  bool speechVisible() const;
  void showResignation(bool show);
  // The common button picture behind the resignation caption.
  void paintResignationFace(const QImage& face);
  void placeBanner();

  PictureBox* imgTolmir = nullptr;
  PictureBox* imgRamka = nullptr;
  PictureBox* imgRight = nullptr;
  TextLabel* lblPyt = nullptr;
  PictureBox* imgRez = nullptr;
  TextLabel* lblRez = nullptr;
  QWidget* shpSlowa = nullptr;
  TextLabel* lblSlowa = nullptr;
  PictureBox* imgWin = nullptr;
  TextLabel* lblWin = nullptr;
  TextLabel* lblWin2 = nullptr;
  std::array<PictureBox*, 4> imgTm{};

 private:
  void buildAnswers();
  void buildBanner();
  void buildSpeech();

  QWidget* m_page;
  std::array<Answer, 4> m_answers;
  int m_pose = 0;
};
