#pragma once

#include "tests/support/CallLog.h"
#include "ui/Handlers.h"
#include "ui/ShellParts.h"
#include "ui/ShellServices.h"

// The other subsystems as the shell sees them, each call written to the shared log.
class RecordingServices : public ShellServices {
 public:
  explicit RecordingServices(CallLog& log) : m_log(log) {}

  // The shell alone: the handlers its own screens run belong to subsystems that are not here.
  void buildScreens(ShellParts& parts) override {
    for (const QString& name : parts.handlers.missing()) parts.handlers.addPending(name);
  }
  void releaseScreens() override {}
  void createSoundThread() override { m_log.add("createSoundThread"); }
  void resetCurrentPlayer() override { m_log.add("resetCurrentPlayer"); }
  void disableMovieInput() override { m_log.add("disableMovieInput"); }
  void LoadOptions() override { m_log.add("LoadOptions"); }
  void SaveOptions() override { m_log.add("SaveOptions"); }
  void RefreshOptionsView() override { m_log.add("RefreshOptionsView"); }
  void OpcjeClick() override { m_log.add("OpcjeClick"); }
  void ProfilesShow() override { m_log.add("ProfilesShow"); }
  void PlayMovie(const QString& resource) override {
    m_log.add("PlayMovie(" + resource.toStdString() + ")");
  }
  void EnsureInfoMoviePlaying() override { m_log.add("EnsureInfoMoviePlaying"); }
  void StopResultMovie() override { m_log.add("StopResultMovie"); }
  void ShowRecordsSidePanel(bool show) override {
    m_log.add(show ? "ShowRecordsSidePanel(true)" : "ShowRecordsSidePanel(false)");
  }
  void restoreSavedLamps() override { m_log.add("restoreSavedLamps"); }

 private:
  CallLog& m_log;
};
