#pragma once
// How one entry of a validation screen ended; the screens refresh and empty
// the entry field only when it is Done.

namespace tavelao::validation {

enum class EntryOutcome {
  Ignored,  // named no card (empty, too short, card 0, field closed): nothing happens
  Dropped,  // a sheet code that is not one: dropped without a message
  Refused,  // a message was shown and nothing was stored; the text stays for correction
  Stopped,  // the walk met a card outside the bank; the cards before it stay validated
  Failed,   // the store could not be read or written; the message names the file
  Done,     // every card named was handled
};

}  // namespace tavelao::validation
