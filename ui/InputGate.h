#pragma once

#include <QObject>

// The "enabled" state of the game's windows. While closed, mouse and keyboard input to them
// is dropped (not queued), yet the screens keep repainting; controls are not greyed out as a
// disabled Qt window would be. Message boxes, windows of their own, still take input.
class InputGate : public QObject {
  Q_OBJECT
 public:
  explicit InputGate(QObject* parent = nullptr);
  ~InputGate() override;

  void setFormEnabled(bool enabled) { m_enabled = enabled; }
  bool formEnabled() const { return m_enabled; }
  // Closed for the lifetime of a pause, whatever the form's own state.
  void pushPause() { ++m_pauses; }
  void popPause() { --m_pauses; }
  bool open() const { return m_enabled && m_pauses == 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool m_enabled = true;
  int m_pauses = 0;
};
