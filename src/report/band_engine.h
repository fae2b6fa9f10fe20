#pragma once
// The band engine: walks the records in order, lets the hook compute each
// record's values before it is laid out, fills the columns and pages of the
// layout and returns the finished document.

#include <functional>

#include "common/result.h"
#include "report/document.h"
#include "report/layout.h"
#include "report/record_source.h"
#include "report/record_values.h"
#include "store/record.h"

namespace tavelao::report {

// Runs for every record before its band is laid out; the values start
// empty for each record.
using RecordHook = std::function<void(const store::Record&, RecordValues&)>;

// A new page starts when the next detail band would pass the bottom margin;
// its page header shows the record that opens the page. Items whose top lies
// below their band's height are not printed. A failure to read the records
// is returned as it came.
Result<Document> BuildDocument(const Layout& layout, const RecordSource& records, const RecordHook& hook = {});

// The text of a text item for one record: its fixed words and values in
// order. A value that is neither computed nor a field of the record is empty.
std::string ResolveText(const TextContent& text, const store::Record* record, const RecordValues& values);

// "000000" pads a whole number with zeros to the format's length.
std::string FormatValue(const store::Value& value, std::string_view display_format);

}  // namespace tavelao::report
