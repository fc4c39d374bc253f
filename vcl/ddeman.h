// The DDE components of the System page: a conversation with another application's service
// and topic, an item of it, and the server side of both. The model keeps what the form
// declares; it holds no conversations.
#pragma once

#include <memory>
#include <string>

#include "vcl/strings.h"

namespace vcl {

enum TDataMode { ddeAutomatic, ddeManual };
using TMacroEvent = TEvent<TObject*, TStrings*>;  // sender, the macro's lines

class TDdeClientConv : public TComponent {
  VCL_CLASS(TDdeClientConv, TComponent)
  explicit TDdeClientConv(TComponent* owner);

  // The program that provides the service, started when a conversation finds none.
  const std::string& ServiceApplication() const { return serviceApplication_; }
  void SetServiceApplication(const std::string& value) { serviceApplication_ = value; }
  const std::string& DdeService() const { return ddeService_; }
  void SetDdeService(const std::string& value) { ddeService_ = value; }
  const std::string& DdeTopic() const { return ddeTopic_; }
  void SetDdeTopic(const std::string& value) { ddeTopic_ = value; }
  TDataMode ConnectMode() const { return connectMode_; }
  void SetConnectMode(TDataMode value) { connectMode_ = value; }
  bool FormatChars() const { return formatChars_; }
  void SetFormatChars(bool value) { formatChars_ = value; }

  TNotifyEvent OnClose, OnOpen;

private:
  std::string serviceApplication_, ddeService_, ddeTopic_;
  TDataMode connectMode_ = ddeAutomatic;
  bool formatChars_ = false;
};

// DdeConv is cleared when the conversation goes.
class TDdeClientItem : public TComponent {
  VCL_CLASS(TDdeClientItem, TComponent)
  explicit TDdeClientItem(TComponent* owner);
  ~TDdeClientItem() override;

  TDdeClientConv* DdeConv() const { return ddeConv_.get(); }
  void SetDdeConv(TDdeClientConv* value) { ddeConv_.Set(value); }
  const std::string& DdeItem() const { return ddeItem_; }
  void SetDdeItem(const std::string& value) { ddeItem_ = value; }
  TStrings* Lines() const { return lines_.get(); }

  TNotifyEvent OnChange;

private:
  TComponentRef<TDdeClientConv> ddeConv_{this};
  std::string ddeItem_;
  std::unique_ptr<TStringList> lines_;
};

// The topic this form serves under its own name.
class TDdeServerConv : public TComponent {
  VCL_CLASS(TDdeServerConv, TComponent)
  explicit TDdeServerConv(TComponent* owner);

  TNotifyEvent OnOpen, OnClose;
  TMacroEvent OnExecuteMacro;
};

// ServerConv is cleared when the topic goes.
class TDdeServerItem : public TComponent {
  VCL_CLASS(TDdeServerItem, TComponent)
  explicit TDdeServerItem(TComponent* owner);
  ~TDdeServerItem() override;

  TDdeServerConv* ServerConv() const { return serverConv_.get(); }
  void SetServerConv(TDdeServerConv* value) { serverConv_.Set(value); }
  TStrings* Lines() const { return lines_.get(); }

  TNotifyEvent OnChange, OnPokeData;

private:
  TComponentRef<TDdeServerConv> serverConv_{this};
  std::unique_ptr<TStringList> lines_;
};

}  // namespace vcl
