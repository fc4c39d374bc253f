// A session: the databases and data sets that name it by SessionName share its connections.
// The model keeps what the form declares; every data set works in the one default session.
#pragma once

#include <string>

#include "vcl/classes.h"

namespace vcl {

using TPasswordEvent = TEvent<TObject*, bool&>;  // sender, whether to try again

class TSession : public TComponent {
  VCL_CLASS(TSession, TComponent)
  explicit TSession(TComponent* owner);

  bool Active() const { return active_; }
  void SetActive(bool value) { active_ = value; }
  // With AutoSessionName the session names itself after its form, unique in the program.
  bool AutoSessionName() const { return autoSessionName_; }
  void SetAutoSessionName(bool value) { autoSessionName_ = value; }
  bool KeepConnections() const { return keepConnections_; }
  void SetKeepConnections(bool value) { keepConnections_ = value; }
  const std::string& NetFileDir() const { return netFileDir_; }
  void SetNetFileDir(const std::string& value) { netFileDir_ = value; }
  const std::string& PrivateDir() const { return privateDir_; }
  void SetPrivateDir(const std::string& value) { privateDir_ = value; }
  const std::string& SessionName() const { return sessionName_; }
  void SetSessionName(const std::string& value) { sessionName_ = value; }
  bool SQLHourGlass() const { return sqlHourGlass_; }
  void SetSQLHourGlass(bool value) { sqlHourGlass_ = value; }

  TPasswordEvent OnPassword;
  TNotifyEvent OnStartup;

private:
  bool active_ = false;
  bool autoSessionName_ = false;
  bool keepConnections_ = true;
  std::string netFileDir_, privateDir_, sessionName_;
  bool sqlHourGlass_ = true;
};

}  // namespace vcl
