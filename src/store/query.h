#pragma once
// The view a reader asks of a table: a filter such as "lote=7" or
// "Lote=7 and Lan>3", and an order such as "Lote;Lan".

#include <string>
#include <vector>

#include "common/result.h"
#include "store/value.h"

namespace tavelao::store {

struct Query {
  std::string filter;  // empty: every record
  std::string order;   // field names separated by ";"; empty: insertion order
  // The fields read into each record; the others stay empty. Empty: every
  // field. A reader of a wide table that needs three fields reads three.
  std::vector<std::string> fields;
};

// The query as SQL over the data table; ties always fall back to insertion
// order, so equal keys keep the order in which they were posted.
struct CompiledQuery {
  std::string columns;              // the select list
  std::vector<std::size_t> fields;  // the field of each column, in schema positions
  std::string where;                // "" or " WHERE ..."
  std::vector<Value> params;
  std::string order_by;  // " ORDER BY ..."
};

Result<CompiledQuery> CompileQuery(const Schema& schema, const Query& query);

// A field name quoted for SQL.
std::string QuoteName(std::string_view name);

}  // namespace tavelao::store
