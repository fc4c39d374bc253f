// The result columns of a statement on an SQLite database file, described as fields.
//
// Declared column types map to field types as follows (names ignore case and the blanks
// between words; "(n)" and "(p,s)" are the type's arguments):
//   VARCHAR(n), VARCHAR2, STRING, CHARACTER VARYING, VARYING CHARACTER  ftString, Size n (255 without n)
//   CHAR(n), CHARACTER(n)                                       ftFixedChar, Size n (1 without n)
//   NVARCHAR(n), NCHAR(n), NATIONAL CHARACTER, NATIVE CHARACTER ftWideString, Size n (255 without n)
//     (any of these with n above 8192                           ftMemo)
//   INTEGER, INT, INT4, MEDIUMINT                               ftInteger
//   SMALLINT, INT2, TINYINT                                     ftSmallint
//   WORD, UNSIGNED SMALLINT                                     ftWord
//   BIGINT, INT8, LARGEINT, UNSIGNED BIG INT                    ftLargeint
//   BOOLEAN, BOOL, BIT, LOGICAL                                 ftBoolean
//   REAL, FLOAT, DOUBLE, DOUBLE PRECISION                       ftFloat
//   NUMERIC(p,s), DECIMAL(p,s)                                  ftBCD, Precision p, Size s (0 when not
//                                                               given); ftFloat when p is above 32
//   MONEY, SMALLMONEY, CURRENCY                                 ftCurrency
//   DATE / TIME / DATETIME, TIMESTAMP                           ftDate / ftTime / ftDateTime
//   BINARY(n), BYTES(n) / VARBINARY(n), VARBYTES(n)             ftBytes / ftVarBytes, Size n (16 without n)
//   BLOB                                                        ftBlob
//   TEXT, MEMO, CLOB, NTEXT, TINYTEXT, MEDIUMTEXT, LONGTEXT     ftMemo
//   GRAPHIC, IMAGE, PICTURE                                     ftGraphic
// Any other name follows SQLite's own affinity rules: containing INT ftInteger; CHAR, CLOB
// or TEXT ftMemo; BLOB ftBlob; anything else ftFloat. An INTEGER PRIMARY KEY AUTOINCREMENT
// column is ftAutoInc. A column without a declared type (an expression) takes the type of
// its value in the first row: ftInteger (ftLargeint beyond 32 bits), ftFloat, ftBlob, or
// ftString of Size 255 for text, null and an empty result.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vcl/db/db_engine.h"

namespace vcl {

// The field type of a declared SQLite column type, by the table above.
TColumnType ColumnTypeOfDeclaration(std::string_view declaredType);

// Opens the database file at `path` read-only (it is never written) and describes the
// result columns of `sql`. Raises EDatabaseError naming the database and `subject` (what
// is read, such as "table 'CUSTOMER'") when the file is missing, is no database, or the
// statement fails or gives no result set, and when another connection keeps the file locked
// for longer than a second.
std::vector<TColumnDescription> DescribeColumns(const std::string& path, const std::string& sql,
                                                const std::string& subject);

}  // namespace vcl
