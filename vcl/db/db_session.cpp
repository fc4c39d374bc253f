#include "vcl/db/db_session.h"

#include "vcl/class_builder.h"

namespace vcl {

TClass TSession::ClassInfo() {
  using S = TSession;
  static TClass cls = TClassBuilder<S>("TSession", TComponent::ClassInfo())
                          .Creatable()
                          .Bool("Active", &S::Active, &S::SetActive, false)
                          .Bool("AutoSessionName", &S::AutoSessionName, &S::SetAutoSessionName, false)
                          .Bool("KeepConnections", &S::KeepConnections, &S::SetKeepConnections, true)
                          .String("NetFileDir", &S::NetFileDir, &S::SetNetFileDir)
                          .String("PrivateDir", &S::PrivateDir, &S::SetPrivateDir)
                          .String("SessionName", &S::SessionName, &S::SetSessionName)
                          .Bool("SQLHourGlass", &S::SQLHourGlass, &S::SetSQLHourGlass, true)
                          .Event("OnPassword", &S::OnPassword, "TPasswordEvent")
                          .Event("OnStartup", &S::OnStartup)
                          .Build();
  return cls;
}

TSession::TSession(TComponent* owner) : TComponent(owner) {}

}  // namespace vcl
