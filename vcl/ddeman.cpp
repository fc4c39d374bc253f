#include "vcl/ddeman.h"

#include "vcl/class_builder.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoDataMode() {
  static auto t = MakeEnumType("TDataMode", {"ddeAutomatic", "ddeManual"});
  return t;
}
}  // namespace

TClass TDdeClientConv::ClassInfo() {
  using C = TDdeClientConv;
  static TClass cls = TClassBuilder<C>("TDdeClientConv", TComponent::ClassInfo())
                          .Creatable()
                          .String("ServiceApplication", &C::ServiceApplication, &C::SetServiceApplication)
                          .String("DdeService", &C::DdeService, &C::SetDdeService)
                          .String("DdeTopic", &C::DdeTopic, &C::SetDdeTopic)
                          .Enum<TDataMode>("ConnectMode", TypeInfoDataMode(), &C::ConnectMode, &C::SetConnectMode,
                                           ddeAutomatic)
                          .Bool("FormatChars", &C::FormatChars, &C::SetFormatChars, false)
                          .Event("OnClose", &C::OnClose)
                          .Event("OnOpen", &C::OnOpen)
                          .Build();
  return cls;
}

TDdeClientConv::TDdeClientConv(TComponent* owner) : TComponent(owner) {}

TClass TDdeClientItem::ClassInfo() {
  using I = TDdeClientItem;
  static TClass cls = TClassBuilder<I>("TDdeClientItem", TComponent::ClassInfo())
                          .Creatable()
                          .Reference<TDdeClientConv>("DdeConv", &I::DdeConv, &I::SetDdeConv)
                          .String("DdeItem", &I::DdeItem, &I::SetDdeItem)
                          .Object("Lines", &I::Lines)
                          .Event("OnChange", &I::OnChange)
                          .Build();
  return cls;
}

TDdeClientItem::TDdeClientItem(TComponent* owner) : TComponent(owner), lines_(std::make_unique<TStringList>()) {}

TDdeClientItem::~TDdeClientItem() = default;

TClass TDdeServerConv::ClassInfo() {
  using S = TDdeServerConv;
  static TClass cls = TClassBuilder<S>("TDdeServerConv", TComponent::ClassInfo())
                          .Creatable()
                          .Event("OnOpen", &S::OnOpen)
                          .Event("OnClose", &S::OnClose)
                          .Event("OnExecuteMacro", &S::OnExecuteMacro, "TMacroEvent")
                          .Build();
  return cls;
}

TDdeServerConv::TDdeServerConv(TComponent* owner) : TComponent(owner) {}

TClass TDdeServerItem::ClassInfo() {
  using I = TDdeServerItem;
  static TClass cls = TClassBuilder<I>("TDdeServerItem", TComponent::ClassInfo())
                          .Creatable()
                          .Reference<TDdeServerConv>("ServerConv", &I::ServerConv, &I::SetServerConv)
                          .Object("Lines", &I::Lines)
                          .Event("OnChange", &I::OnChange)
                          .Event("OnPokeData", &I::OnPokeData)
                          .Build();
  return cls;
}

TDdeServerItem::TDdeServerItem(TComponent* owner) : TComponent(owner), lines_(std::make_unique<TStringList>()) {}

TDdeServerItem::~TDdeServerItem() = default;

}  // namespace vcl
