#pragma once
// SQLite's unix VFS takes POSIX record locks, which the kernel drops on any
// close() of any descriptor of the same file in the process: a file dialog,
// a thumbnailer or a QFileInfo listing the data folder would silently free
// every table for other processes, which may then checkpoint and delete a
// write-ahead log that this process still writes to. Open file description
// locks belong to SQLite's own descriptor alone, survive unrelated closes
// and still conflict with the POSIX locks of other processes (the sqlite3
// tool, another Tavelão).

namespace tavelao::store {

// Makes every SQLite connection of this process lock with open file
// description locks. Idempotent; called before the first connection opens.
void UseOpenFileDescriptionLocks();

}  // namespace tavelao::store
