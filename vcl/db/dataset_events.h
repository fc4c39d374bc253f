// Publishing the events that every data set publishes, from BeforeOpen to OnCalcFields, in
// the host's order; each class adds its own events after them.
#pragma once

#include <type_traits>

#include "vcl/class_builder.h"
#include "vcl/db/db.h"

namespace vcl {

template <class C>
void PublishDataSetEvents(TClassBuilder<C>& b) {
  static_assert(std::is_base_of_v<TDataSet, C>);
  using D = TDataSet;
  for (auto [name, slot] : {std::pair{"BeforeOpen", &D::BeforeOpen}, {"AfterOpen", &D::AfterOpen},
                            {"BeforeClose", &D::BeforeClose}, {"AfterClose", &D::AfterClose},
                            {"BeforeInsert", &D::BeforeInsert}, {"AfterInsert", &D::AfterInsert},
                            {"BeforeEdit", &D::BeforeEdit}, {"AfterEdit", &D::AfterEdit},
                            {"BeforePost", &D::BeforePost}, {"AfterPost", &D::AfterPost},
                            {"BeforeCancel", &D::BeforeCancel}, {"AfterCancel", &D::AfterCancel},
                            {"BeforeDelete", &D::BeforeDelete}, {"AfterDelete", &D::AfterDelete},
                            {"BeforeScroll", &D::BeforeScroll}, {"AfterScroll", &D::AfterScroll},
                            {"OnCalcFields", &D::OnCalcFields}})
    b.Event(name, slot, "TDataSetNotifyEvent");
}

}  // namespace vcl
