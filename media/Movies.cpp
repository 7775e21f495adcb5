#include "media/Movies.h"

#include <QFile>
#include <QResource>
#include <QStackedWidget>

#include "media/MoviePlayer.h"
#include "platform/SystemPlatform.h"
#include "ui/AppContext.h"
#include "ui/Durations.h"
#include "ui/Handlers.h"
#include "ui/TBGFrm.h"
#include "ui/TMainFrm.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

Movies::Movies(TMainFrm& form, TBGFrm& background, Handlers& handlers,
               platform::SystemPlatform& desktop, const AppContext& context)
    : m_form(form), m_background(background), m_desktop(desktop), m_context(context) {
  m_anim = new MoviePlayer(form.tsAnim, QStringLiteral("sfAnim"), {true, false});
  m_anim->setGeometry(4, 5, 782, 415);
  m_lose = new MoviePlayer(form.tsLose, QStringLiteral("sfLose"), {true, true});
  // In the menu background's middle panel, where the sub-pages stand: wider, it would cover
  // the panel's edges and reach under the result's texts on the right.
  m_lose->setGeometry(form.MenuPages->geometry());
  m_info = new MoviePlayer(form.Info, QStringLiteral("sfInfo"), {false, true});
  m_info->setGeometry(4, 5, 333, 287);
  m_tmAnim.setInterval(durations::AnimTimerInterval);
  QObject::connect(&m_tmAnim, &QTimer::timeout, [this] { tmAnimTimer(); });
  handlers.add(QStringLiteral("AnimStop"), [this] { AnimStop(); });
}

Movies::~Movies() = default;

QString Movies::pathOf(const char* fileName) const {
  return m_context.AppDir + QString::fromLatin1(fileName);
}

void Movies::disableMovieInput() {
  for (MoviePlayer* movie : {m_anim, m_lose, m_info}) {
    movie->setAttribute(Qt::WA_TransparentForMouseEvents);
    movie->setFocusPolicy(Qt::NoFocus);
  }
}

bool Movies::bringOut(const QString& resource, const QString& fileName) {
  // Written from the executable's own bytes, without a copy. A movie missing from it is
  // written as an empty file: it then fails to load and simply shows nothing.
  const QByteArray data =
      QResource(QStringLiteral(":/movies/%1.webp").arg(resource)).uncompressedData();
  QFile out(m_context.AppDir + fileName);
  // A new file, never the old one rewritten in place: a player may still map the old one.
  QFile::remove(out.fileName());
  return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(data) == data.size() &&
         out.flush();
}

bool Movies::PlayMovie(const QString& resource) {
  m_background.imgBG->hide();
  m_form.showPage(m_form.tsAnim);
  m_desktop.showCursor(false);
  m_background.setEnabled(false);
  const bool written = bringOut(resource, resource);
  const QString path = m_context.AppDir + resource;
  // Loaded even when it could not be written: it then shows nothing and the timer ends it at
  // once, so what follows the movie still comes.
  m_anim->setMovie(path);
  m_anim->GotoFrame(0);
  m_anim->Play();
  m_tmAnim.start();
  QFile::remove(path);
  return written;
}

void Movies::tmAnimTimer() {
  const int frame = m_anim->CurrentFrame();
  if ((!m_anim->IsPlaying() && frame > 30) || frame >= m_anim->TotalFrames() - 3) AnimStop();
}

void Movies::AnimStop() {
  m_tmAnim.stop();
  m_background.setEnabled(true);
  m_anim->Stop();
  m_desktop.showCursor(true);
  if (m_anim->Movie() == pathOf("FILE2")) {
    m_form.showPage(m_form.tsProfiles);
  } else if (m_anim->Movie() == pathOf("FILE5")) {
    if (m_millionEnded) m_millionEnded();
  }
  m_background.imgBG->show();
  m_background.btnClose->show();
}

bool Movies::EnsureInfoMoviePlaying() {
  const QString path = pathOf("NFO.avi");
  if (m_info->Movie() != path) {
    const bool written = bringOut(QStringLiteral("FILE4"), QStringLiteral("NFO.avi"));
    // One that could not be written is skipped, and tried again the next time.
    m_info->setMovie(written ? path : QString());
    m_info->Play();
    QFile::remove(path);
    if (!written) return false;
  } else if (!m_info->IsPlaying()) {
    m_info->GotoFrame(0);
    m_info->Play();
  }
  return true;
}

bool Movies::EnsureResultMoviePlaying() {
  const QString path = pathOf("LOSE.exe");
  if (m_lose->Movie() != path) {
    const bool written = bringOut(QStringLiteral("FILE3"), QStringLiteral("LOSE.exe"));
    // One that could not be written is skipped, and tried again the next time.
    m_lose->setMovie(written ? path : QString());
    m_lose->Play();
    QFile::remove(path);
    if (!written) return false;
  } else {
    m_lose->GotoFrame(0);
    m_lose->Play();
  }
  return true;
}

void Movies::StopResultMovie() { m_lose->StopPlay(); }
