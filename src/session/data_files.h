#pragma once
// The table files of the working directory that start-up creates, with their
// fields in file order and their default rows.

#include <filesystem>
#include <memory>

#include "common/result.h"
#include "store/server_connection.h"
#include "store/table.h"
#include "store/value.h"

namespace tavelao::session {

inline constexpr const char* kOptionsFile = "premios.cds";
inline constexpr const char* kEventFile = "dados.cds";
inline constexpr const char* kSponsorsFile = "empresas.cds";
inline constexpr const char* kValidationFile = "Validadas.cds";
inline constexpr const char* kStandingsFile = "sorteadas.cds";
inline constexpr const char* kDrawTypeFile = "TiposSor.cds";
inline constexpr const char* kJournalFile = "Atas.cds";
inline constexpr const char* kIssuedFile = "Emitidas.cds";

// The unique index of the validation store.
inline constexpr const char* kValidationIndex = "Validadas";

store::Schema OptionsSchema();     // premio1..premio9, Lb, Li, Ln, Lg, Lo
store::Schema EventSchema();       // Titulo .. Valor
store::Schema SponsorsSchema();    // Pedra, Nome1..Nome3
store::Schema ValidationSchema();  // Numero, Lote, Lan, N1..N25
store::Schema StandingsSchema();   // cartela, pedras, decres
store::Schema DrawTypeSchema();    // Tipos, pattern flags, Ultima, letters, Col1..5, P1..P100
store::Schema JournalSchema();     // Seq, Sorteio, Quando, Evento, Dados, Selo
store::Schema IssuedSchema();      // Inicial, Final, Data: one row per issue run

// Where the tables that stations share live (the validated cards, the
// issued ranges and the draw journal): the data folder's files, or the
// server that the banco= setting names.
struct TablePlace {
  std::filesystem::path folder;
  std::shared_ptr<store::ServerConnection> server;  // null: the folder's files
};

// The five title letters in the order Lb, Li, Ln, Lg, Lo.
inline constexpr const char* kLetterFields[5] = {"Lb", "Li", "Ln", "Lg", "Lo"};

// Each creates the file with its default rows when it does not exist; an
// existing file is left as it is.
Status EnsureOptions(const std::filesystem::path& folder);
Status EnsureEvent(const std::filesystem::path& folder);
Status EnsureSponsors(const std::filesystem::path& folder);
Status EnsureValidation(const std::filesystem::path& folder);

// Opens the options table, giving it its one row when it has none.
Result<store::Table> OpenOptions(const std::filesystem::path& folder);
// Opens the validation store (created empty when missing) with its unique
// index on Numero.
Result<store::Table> OpenValidation(const TablePlace& place);
// The draw journal, created empty when missing; durable like the store.
Result<store::Table> OpenJournal(const TablePlace& place);
// The register of the card ranges issued, created empty when missing;
// durable like the store, since validation asks about cards outside it.
Result<store::Table> OpenIssued(const TablePlace& place);
// Whether the place holds that shared table yet (a server always does).
Result<bool> SharedTableExists(const TablePlace& place, const char* file);
// The draw standings, deleted and created empty.
Result<store::Table> RebuildStandings(const std::filesystem::path& folder);
// The draw-type record, created afresh with the title letters of the
// options and Ultima empty.
Result<store::Table> RebuildDrawType(const std::filesystem::path& folder, store::Table& options);

}  // namespace tavelao::session
