#pragma once
// Where the band engine reads its records from, in order: a table through a
// query, or records held in memory.

#include <functional>
#include <vector>

#include "common/result.h"
#include "store/query.h"
#include "store/record.h"
#include "store/table.h"

namespace tavelao::report {

// Visits the records in order until the visitor returns false.
using RecordVisitor = std::function<bool(const store::Record&)>;
using RecordSource = std::function<Status(const RecordVisitor&)>;

// The table must stay open while the document is made, not afterwards.
RecordSource TableRecords(store::Table& table, store::Query query = {});
RecordSource RecordList(const std::vector<store::Record>& records);

}  // namespace tavelao::report
