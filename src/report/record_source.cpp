#include "report/record_source.h"

namespace tavelao::report {

RecordSource TableRecords(store::Table& table, store::Query query) {
  return [&table, query = std::move(query)](const RecordVisitor& visit) {
    return table.ForEach(query, [&](const store::Row& row) { return visit(row.record); });
  };
}

RecordSource RecordList(const std::vector<store::Record>& records) {
  return [&records](const RecordVisitor& visit) -> Status {
    for (const auto& record : records) {
      if (!visit(record)) break;
    }
    return {};
  };
}

}  // namespace tavelao::report
