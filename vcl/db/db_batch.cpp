#include "vcl/db/db_batch.h"

#include "vcl/class_builder.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoBatchMode() {
  static auto t = MakeEnumType("TBatchMode", {"batAppend", "batUpdate", "batAppendUpdate", "batDelete", "batCopy"});
  return t;
}
}  // namespace

// ---- TBatchMove

TClass TBatchMove::ClassInfo() {
  using B = TBatchMove;
  static TClass cls = TClassBuilder<B>("TBatchMove", TComponent::ClassInfo())
                          .Creatable()
                          .Bool("AbortOnKeyViol", &B::AbortOnKeyViol, &B::SetAbortOnKeyViol, true)
                          .Bool("AbortOnProblem", &B::AbortOnProblem, &B::SetAbortOnProblem, true)
                          .Integer("CommitCount", &B::CommitCount, &B::SetCommitCount, 0)
                          .String("ChangedTableName", &B::ChangedTableName, &B::SetChangedTableName)
                          .Reference<TTable>("Destination", &B::Destination, &B::SetDestination)
                          .String("KeyViolTableName", &B::KeyViolTableName, &B::SetKeyViolTableName)
                          .Object("Mappings", &B::Mappings)
                          .Enum<TBatchMode>("Mode", TypeInfoBatchMode(), &B::Mode, &B::SetMode, batAppend)
                          .String("ProblemTableName", &B::ProblemTableName, &B::SetProblemTableName)
                          .Integer("RecordCount", &B::RecordCount, &B::SetRecordCount, 0)
                          .Reference<TDataSet>("Source", &B::Source, &B::SetSource)
                          .Bool("Transliterate", &B::Transliterate, &B::SetTransliterate, true)
                          .Build();
  return cls;
}

TBatchMove::TBatchMove(TComponent* owner) : TComponent(owner), mappings_(std::make_unique<TStringList>()) {}

TBatchMove::~TBatchMove() = default;

// ---- TUpdateSQL

TClass TUpdateSQL::ClassInfo() {
  using U = TUpdateSQL;
  static TClass cls = TClassBuilder<U>("TUpdateSQL", TComponent::ClassInfo())
                          .Creatable()
                          .Object("ModifySQL", &U::ModifySQL)
                          .Object("InsertSQL", &U::InsertSQL)
                          .Object("DeleteSQL", &U::DeleteSQL)
                          .Build();
  return cls;
}

TUpdateSQL::TUpdateSQL(TComponent* owner)
    : TComponent(owner),
      modifySQL_(std::make_unique<TStringList>()),
      insertSQL_(std::make_unique<TStringList>()),
      deleteSQL_(std::make_unique<TStringList>()) {}

TUpdateSQL::~TUpdateSQL() = default;

}  // namespace vcl
