#include "app/GameServices.h"

#include <QFile>

#include "app/AppContext.h"
#include "app/Random.h"
#include "app/ShellParts.h"
#include "app/TMainFrm.h"
#include "media/Movies.h"
#include "media/SdlAudioOutput.h"
#include "media/Sound.h"
#include "options/Options.h"
#include "players/ProfileScreens.h"
#include "players/ProfileStore.h"
#include "questions/QuestionBank.h"
#include "questions/StartCheck.h"
#include "storage/DataFile.h"

GameServices::GameServices() = default;
GameServices::~GameServices() = default;

void GameServices::createSoundThread() {
  m_sound = std::make_unique<Sound>(std::make_unique<SdlAudioOutput>(), m_pacing, m_flags,
                                    [this] { return m_level; });
}

DataFile GameServices::dataFile() const {
  // Named afresh at every access: the folder is known only once the main window shows.
  return DataFile(m_context->AppDir, m_context->DataFileName, m_context->TestMode);
}

void GameServices::buildScreens(ShellParts& parts) {
  m_context = &parts.context;
  m_pacing.setTarget(&parts.pacing);
  auto files = [this] { return dataFile(); };
  auto now = [] { return QDateTime::currentDateTime(); };
  m_store = std::make_unique<ProfileStore>(files, now);
  m_options = std::make_unique<Options>(parts.form, parts.pacing, m_flags, files,
                                        [this] { return m_session.CurrentPlayer.name; });
  parts.form.setMenuKeysOption([this] { return m_options->flags.Men; });
  m_movies = std::make_unique<Movies>(parts.form, parts.background, parts.handlers, parts.platform,
                                      parts.context);
  m_random = std::make_unique<Random>();
  m_bank =
      std::make_unique<QuestionBank>([this] { return m_context->QuestionsTempPath; }, files,
                                     [this] { return m_session.CurrentPlayer.name; }, *m_random);
  m_startCheck = std::make_unique<StartCheck>(
      parts.form, parts.handlers, *m_bank,
      StartCheck::Needs{
          [this] { return m_context->AppDir + QString::fromUtf8(appinfo::QuestionsFile); },
          [this] { return m_options->flags.Kou; },
          [this](bool show) { ShowRecordsSidePanel(show); }});
  m_profiles = std::make_unique<ProfileScreens>(
      parts.form, parts.handlers, *m_store, m_session,
      [this] { return QFile::exists(dataFile().path()); }, [this] { LoadOptions(); }, now);
}

void GameServices::releaseScreens() {
  m_pacing.setTarget(nullptr);
  if (m_sound) m_sound->SetMusic(false);
  m_startCheck.reset();
  m_bank.reset();
  m_movies.reset();
  m_profiles.reset();
  m_options.reset();
  m_store.reset();
}

void GameServices::resetCurrentPlayer() { m_session.CurrentPlayer = AnonymousPlayer(); }
void GameServices::LoadOptions() {
  if (m_options) m_options->LoadOptions();
}
void GameServices::SaveOptions() {
  if (m_options) m_options->SaveOptions();
}
void GameServices::RefreshOptionsView() {
  if (m_options) m_options->RefreshOptionsView();
}
void GameServices::OpcjeClick() {
  if (m_options) m_options->OpcjeClick();
}
void GameServices::ProfilesShow() {
  if (m_profiles) m_profiles->ProfilesShow();
}
void GameServices::disableMovieInput() {
  if (m_movies) m_movies->disableMovieInput();
}
bool GameServices::PlayMovie(const QString& resource) {
  return !m_movies || m_movies->PlayMovie(resource);
}
void GameServices::EnsureInfoMoviePlaying() {
  if (m_movies) m_movies->EnsureInfoMoviePlaying();
}
void GameServices::StopResultMovie() {
  if (m_movies) m_movies->StopResultMovie();
}
