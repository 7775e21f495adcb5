#include "app/GameServices.h"

#include <QFile>

#include "app/Pending.h"
#include "game/Game.h"
#include "game/GameEnd.h"
#include "game/Ladder.h"
#include "game/LifelineHooks.h"
#include "game/MusicChoice.h"
#include "lifelines/Lifelines.h"
#include "media/MoviePlayer.h"
#include "media/Movies.h"
#include "media/SdlAudioOutput.h"
#include "media/Sound.h"
#include "options/Options.h"
#include "players/ProfileScreens.h"
#include "players/ProfileStore.h"
#include "players/Records.h"
#include "players/RecordsPage.h"
#include "questions/QuestionBank.h"
#include "questions/StartCheck.h"
#include "stats/PlayerStats.h"
#include "stats/StatsPage.h"
#include "storage/DataFile.h"
#include "ui/AppContext.h"
#include "ui/Handlers.h"
#include "ui/Random.h"
#include "ui/ShellParts.h"
#include "ui/TMainFrm.h"
#include "ui/WriteFailureNotice.h"

namespace {

// The game is built before the lifelines that need it; it reaches them through this.
class LifelinesRelay : public LifelineHooks {
 public:
  LifelineHooks* target = nullptr;
  void resetForGame(bool on) override { target->resetForGame(on); }
  void ShowLifelineLeds() override { target->ShowLifelineLeds(); }
  void hidePanels() override { target->hidePanels(); }
  bool keyReleased(int key) override { return target->keyReleased(key); }
};

}  // namespace

GameServices::GameServices() = default;
GameServices::~GameServices() = default;

void GameServices::createSoundThread() {
  std::unique_ptr<AudioOutput> output =
      m_makeAudio ? m_makeAudio() : std::make_unique<SdlAudioOutput>();
  m_sound = std::make_unique<Sound>(std::move(output), m_pacing, m_state.flags,
                                    [this] { return musicForLevel(m_state.progress.Level); });
}

DataFile GameServices::dataFile() const {
  // Named afresh at every access: the folder is known only once the main window shows.
  return DataFile(m_context->AppDir, m_context->DataFileName, m_context->TestMode,
                  [this](int error) { m_writeFailure->report(m_context->AppDir, error); });
}

void GameServices::buildScreens(ShellParts& parts) {
  m_context = &parts.context;
  m_pacing.setTarget(&parts.pacing);
  m_writeFailure = std::make_unique<WriteFailureNotice>(&parts.form);
  auto files = [this] { return dataFile(); };
  auto now = [this] { return m_clock(); };
  auto playerName = [this] { return m_state.session.CurrentPlayer.name; };
  m_store = std::make_unique<ProfileStore>(files, now);
  m_options = std::make_unique<Options>(parts.form, parts.pacing, m_state.flags, files, playerName);
  parts.form.setMenuKeysOption([this] { return m_state.flags.Men; });
  m_movies = std::make_unique<Movies>(parts.form, parts.background, parts.handlers, parts.platform,
                                      parts.context);
  m_movies->setMillionMovieEnded([this] { m_game->millionMovieEnded(); });
  m_random = m_seed ? std::make_unique<Random>(*m_seed) : std::make_unique<Random>();
  m_bank = std::make_unique<QuestionBank>([this] { return m_context->QuestionsTempPath; }, files,
                                          playerName, *m_random, m_state.question);
  m_startCheck = std::make_unique<StartCheck>(
      parts.form, parts.handlers, *m_bank,
      StartCheck::Needs{[this] { return m_context->QuestionsFilePath(); },
                        [this] { return m_state.flags.Kou; },
                        [this](bool show) { ShowRecordsSidePanel(show); }});
  m_profiles = std::make_unique<ProfileScreens>(
      parts.form, parts.handlers, parts.menu, *m_store, m_state.session,
      [this] { return QFile::exists(dataFile().path()); }, [this] { LoadOptions(); }, now);
  buildGame(parts);
  buildRecordsAndStats(parts);
  addPendingHandlers(parts);
}

void GameServices::buildGame(ShellParts& parts) {
  auto files = [this] { return dataFile(); };
  auto now = [this] { return m_clock(); };
  m_stats = std::make_unique<StatsStore>(files);
  m_records = std::make_unique<RecordsStore>(files, now);
  auto relay = std::make_unique<LifelinesRelay>();
  LifelinesRelay& lifelines = *relay;
  m_relay = std::move(relay);
  m_gameEnd = std::make_unique<GameEnd>(
      GameEnd::Needs{parts.form, parts.handlers, *m_movies, *m_sound, m_state.flags,
                     m_state.session, m_state.progress, *m_stats, *m_records, parts.platform, now});
  m_game = std::make_unique<Game>(Game::Needs{parts.form, parts.handlers, parts.pacing, parts.gate,
                                              *m_sound, *m_movies, *m_bank, m_state.question,
                                              m_state.progress, m_state.flags, parts.platform,
                                              parts.menu, lifelines, *m_random, *m_gameEnd, now});
  m_lifelines = std::make_unique<Lifelines>(
      Lifelines::Needs{parts.form, parts.handlers, parts.pacing, parts.gate, *m_sound, *m_game,
                       m_state.question, m_state.progress, m_state.flags, m_state.session, *m_stats,
                       parts.platform, parts.panels, parts.menu, *m_random, parts.context});
  lifelines.target = m_lifelines.get();
}

void GameServices::buildRecordsAndStats(ShellParts& parts) {
  m_recordsPage = std::make_unique<RecordsPage>(
      RecordsPage::Needs{parts.form, parts.handlers, parts.pacing, parts.panels, m_state.session,
                         *m_records, [](int level) { return AmountText(level); },
                         [this] { return m_movies->sfInfo().IsPlaying(); },
                         [this] { m_movies->sfInfo().StopPlay(); }});
  m_statsPage = std::make_unique<StatsPage>(
      StatsPage::Needs{parts.form, parts.handlers, parts.panels, m_state.session, *m_stats,
                       [this](bool show) { ShowRecordsSidePanel(show); }});
}

void GameServices::addPendingHandlers(ShellParts& parts) {
  for (const char* name : pending::Handlers) parts.handlers.addPending(QLatin1String(name));
}

void GameServices::releaseScreens() {
  m_pacing.setTarget(nullptr);
  if (m_sound) m_sound->SetMusic(false);
  m_statsPage.reset();
  m_recordsPage.reset();
  m_lifelines.reset();
  m_game.reset();
  m_gameEnd.reset();
  m_relay.reset();
  m_records.reset();
  m_stats.reset();
  m_startCheck.reset();
  m_bank.reset();
  m_movies.reset();
  m_profiles.reset();
  m_options.reset();
  m_store.reset();
  m_writeFailure.reset();
}

void GameServices::resetCurrentPlayer() { m_state.session.CurrentPlayer = AnonymousPlayer(); }
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
void GameServices::PlayMovie(const QString& resource) {
  if (m_movies) m_movies->PlayMovie(resource);
}
void GameServices::EnsureInfoMoviePlaying() {
  if (m_movies) m_movies->EnsureInfoMoviePlaying();
}
void GameServices::StopResultMovie() {
  if (m_movies) m_movies->StopResultMovie();
}
void GameServices::ShowRecordsSidePanel(bool show) {
  if (m_recordsPage) m_recordsPage->ShowRecordsSidePanel(show);
}
void GameServices::restoreSavedLamps() {
  if (m_gameEnd) m_gameEnd->restoreSavedLamps();
}
