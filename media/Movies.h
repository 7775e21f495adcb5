#pragma once

#include <QString>
#include <QTimer>
#include <functional>

struct AppContext;
class Handlers;
class MoviePlayer;
class TBGFrm;
class TMainFrm;

namespace platform {
class SystemPlatform;
}

// The four movies: the intro and the million full-window, the result-screen and the
// information movies on their pages. Each is taken out of the executable to a file in
// AppDir, loaded, and the file deleted once playback has started.
class Movies {
 public:
  Movies(TMainFrm& form, TBGFrm& background, Handlers& handlers, platform::SystemPlatform& desktop,
         const AppContext& context);
  ~Movies();

  // The million movie has ended (by itself or by a key): the game takes it from there.
  void setMillionMovieEnded(std::function<void()> ended) { m_millionEnded = std::move(ended); }

  // False when the movie's file could not be written: the movie is skipped (it shows nothing
  // and ends at once), the game goes on without it.
  bool PlayMovie(const QString& resource);
  void tmAnimTimer();
  void AnimStop();
  bool EnsureInfoMoviePlaying();
  bool EnsureResultMoviePlaying();
  void StopResultMovie();
  // The movies never take the mouse or the keyboard: keys reach the main window.
  void disableMovieInput();

  MoviePlayer& sfAnim() { return *m_anim; }
  MoviePlayer& sfLose() { return *m_lose; }
  MoviePlayer& sfInfo() { return *m_info; }
  bool timerActive() const { return m_tmAnim.isActive(); }

 private:
  // Writes the resource to AppDir + fileName; false when it cannot.
  bool bringOut(const QString& resource, const QString& fileName);
  QString pathOf(const char* fileName) const;

  TMainFrm& m_form;
  TBGFrm& m_background;
  platform::SystemPlatform& m_desktop;
  const AppContext& m_context;
  MoviePlayer* m_anim;
  MoviePlayer* m_lose;
  MoviePlayer* m_info;
  QTimer m_tmAnim;
  std::function<void()> m_millionEnded;
};
