#include "validation/batch_validation.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "validation_fixture.h"

namespace tavelao::validation {
namespace {

class BatchTest : public ValidationFixture {
 protected:
  void SetUp() override {
    ValidationFixture::SetUp();
    window = std::make_unique<BatchValidation>(*store, keys, dialogs, sounds);
    window->Activate();
  }
  // Cards first..first+n-1 entered one by one in the open batch, in one
  // commit to keep the test fast (the crash test covers one commit each).
  void EnterCards(std::int32_t first, std::int32_t n) {
    ASSERT_TRUE(store->BeginBulk());
    for (std::int32_t c = first; c < first + n; ++c) {
      EXPECT_EQ(window->EnterCard(Typed(c)).outcome, EntryOutcome::Done) << c;
    }
    ASSERT_TRUE(store->EndBulk());
  }
  std::unique_ptr<BatchValidation> window;
};

void ExpectNoBatch(const BatchReply& reply) {
  EXPECT_EQ(reply.view.state, BatchState::NoBatch);
  EXPECT_TRUE(reply.view.lote_enabled);
  EXPECT_FALSE(reply.view.choice_enabled);
  EXPECT_FALSE(reply.view.cartela_enabled);
  EXPECT_EQ(reply.view.list.filter, "lote=100000");
  EXPECT_EQ(reply.view.list.order, "Lote;Lan");
}

TEST_F(BatchTest, ActivatingShowsTheNoBatchState) {
  const BatchReply reply = window->Activate();
  ExpectNoBatch(reply);
  EXPECT_TRUE(reply.empty_lote);
  EXPECT_TRUE(reply.empty_cartela);
  EXPECT_EQ(reply.focus, Focus::Lote);
  EXPECT_EQ(reply.view.count, "") << "blank until a card is validated here";
  EXPECT_EQ(window->EnterCard("19").outcome, EntryOutcome::Ignored) << "no batch open";
  EXPECT_EQ(store->Count(), 0);
}

TEST_F(BatchTest, OpeningABatchAndItsFirstCard) {
  for (const char* not_a_number : {"", "  ", "abc", "7a", " INICIA"}) {
    ExpectNoBatch(window->LeaveLote(not_a_number));
  }
  EXPECT_TRUE(dialogs.shown.empty());

  const BatchReply open = window->LeaveLote(" 7 ");
  EXPECT_EQ(open.view.state, BatchState::Open);
  EXPECT_FALSE(open.view.lote_enabled);
  EXPECT_TRUE(open.view.choice_enabled);
  EXPECT_TRUE(open.view.cartela_enabled);
  EXPECT_EQ(open.focus, Focus::Cartela);
  EXPECT_EQ(open.view.list.filter, "lote=7");
  EXPECT_EQ(open.view.list.order, "Lote;Lan");

  ASSERT_TRUE(store->ValidateDirectly(9));
  const BatchReply first = window->EnterCard("19");
  EXPECT_EQ(first.outcome, EntryOutcome::Done);
  EXPECT_EQ(first.card, 1);
  EXPECT_EQ(first.entry, 1);
  EXPECT_TRUE(first.empty_cartela);
  EXPECT_EQ(first.focus, Focus::Cartela);
  EXPECT_EQ(first.view.count, "2") << "the count of the whole store";
  EXPECT_EQ(sounds.played, std::vector<std::string>{"beep.wav"});
  EXPECT_EQ(**store->Find(1), (Placement{7, 1}));
}

TEST_F(BatchTest, TheHundredthCardClosesTheBatchForGood) {
  window->LeaveLote("7");
  EnterCards(1, 99);
  const BatchReply last = window->EnterCard(Typed(100));
  EXPECT_EQ(last.entry, 100);
  EXPECT_TRUE(last.batch_completed);
  EXPECT_EQ(sounds.played.size(), 100u);
  EXPECT_EQ(sounds.played.back(), "cem.wav");
  EXPECT_EQ(sounds.played[98], "beep.wav");
  ExpectNoBatch(last);
  EXPECT_TRUE(last.empty_lote);
  EXPECT_EQ(last.focus, Focus::Lote);
  EXPECT_TRUE(table.Select(last.view.list)->empty()) << "the list shows nothing";

  // Earlier entries removed: still full.
  ASSERT_TRUE(store->Remove(5));
  const BatchReply full = window->LeaveLote("7");
  EXPECT_EQ(full.view.state, BatchState::Full);
  EXPECT_FALSE(full.view.cartela_enabled);
  EXPECT_FALSE(full.view.lote_enabled);
  EXPECT_TRUE(full.view.choice_enabled);
  EXPECT_EQ(full.view.list.filter, "lote=7");
  EXPECT_EQ(window->EnterCard(Typed(200)).outcome, EntryOutcome::Ignored);
  EXPECT_FALSE(*store->IsValidated(200));
}

TEST_F(BatchTest, ReopeningContinuesAfterTheHighestEntry) {
  window->LeaveLote("4");
  EnterCards(1, 37);
  ExpectNoBatch(window->SaveBatch());
  EXPECT_EQ(store->Count(), 37) << "saving only ends the work on the batch";
  ASSERT_TRUE(store->Remove(10));
  EXPECT_EQ(window->LeaveLote("4").view.highest_entry, 37);
  const BatchReply next = window->EnterCard(Typed(500));
  EXPECT_EQ(next.entry, 38);
}

TEST_F(BatchTest, SwitchingWindowsClosesTheBatch) {
  window->LeaveLote("7");
  EnterCards(1, 3);
  const BatchReply back = window->Activate();
  ExpectNoBatch(back);
  EXPECT_TRUE(back.empty_lote);
  EXPECT_TRUE(back.empty_cartela);
  EXPECT_EQ(back.view.count, "3");
  EXPECT_EQ(window->EnterCard(Typed(4)).outcome, EntryOutcome::Ignored);
  EXPECT_FALSE(*store->IsValidated(4));

  const BatchReply closed = window->Close();
  EXPECT_EQ(closed.view.list.filter, "");
  EXPECT_EQ(closed.view.list.order, "Numero");
}

TEST_F(BatchTest, CardValidatedBeforeIsReportedWithItsBatchAndEntry) {
  ASSERT_TRUE(store->ValidateDirectly(1));
  ASSERT_TRUE(store->ValidateInBatch(2, 3, 1));
  window->LeaveLote("7");

  const BatchReply direct = window->EnterCard("19");
  EXPECT_EQ(direct.outcome, EntryOutcome::Refused);
  EXPECT_FALSE(direct.empty_cartela) << "the field keeps its text";
  EXPECT_EQ(sounds.played, std::vector<std::string>{"validada.wav"});
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_FALSE(dialogs.last().question);
  EXPECT_EQ(dialogs.last().title, "Validação anterior");
  EXPECT_EQ(dialogs.last().text, "Cartela já validada no lote Indefinido lançamento Indefinido.");

  window->EnterCard("27");
  EXPECT_EQ(dialogs.last().text, "Cartela já validada no lote 3 lançamento 1.");
  EXPECT_EQ(*store->HighestEntry(7), 0);
  EXPECT_EQ(store->Count(), 2);
}

TEST_F(BatchTest, RefusedEntries) {
  window->LeaveLote("7");
  const BatchReply range = window->EnterCard("19-108");
  EXPECT_EQ(range.outcome, EntryOutcome::Refused);
  EXPECT_EQ(dialogs.last().title, kConversionErrorTitle);
  EXPECT_EQ(dialogs.last().text, ConversionErrorMessage("19-10"));

  window->EnterCard("1200011");
  EXPECT_EQ(dialogs.last().title, "Cartela inexistente");
  EXPECT_EQ(dialogs.last().text, "A cartela 120001 não existe: o banco de cartelas vai de 1 a 120000.");
  window->EnterCard("000001929553");
  EXPECT_EQ(dialogs.last().title, "Senha de autenticação");
  window->EnterCard("17");
  EXPECT_EQ(dialogs.last().title, "Verificação do dígito da cartela");
  EXPECT_EQ(dialogs.shown.size(), 4u);
  EXPECT_TRUE(sounds.played.empty());
  EXPECT_EQ(store->Count(), 0);

  SetPassword("ABCDE");
  const BatchReply scanned = window->EnterCard(Scanned(42));
  EXPECT_EQ(scanned.card, 42);
  EXPECT_EQ(scanned.entry, 1);
}

TEST_F(BatchTest, ACardWithAnEmptyBankRecordIsValidatedAndARepeatHasItsOwnMessage) {
  window->LeaveLote("7");
  const BatchReply empty = window->EnterCard("100013");  // card 10001: no complement file
  EXPECT_EQ(empty.outcome, EntryOutcome::Done);
  EXPECT_EQ(empty.entry, 1);
  EXPECT_TRUE(dialogs.shown.empty());
  const BatchReply again = window->EnterCard("100013");
  EXPECT_EQ(again.outcome, EntryOutcome::Refused);
  EXPECT_TRUE(again.select_cartela);
  EXPECT_EQ(dialogs.last().text, "Cartela já validada no lote 7 lançamento 1.");
}

TEST_F(BatchTest, ANoticeAfterAHundredAndWhenSavedAndAScanIsNoBatchNumber) {
  window->LeaveLote("3");
  EnterCards(1, 37);
  const BatchReply saved = window->SaveBatch();
  EXPECT_EQ(saved.notice, "Lote 3 salvo (37 cartelas).");
  EXPECT_TRUE(saved.empty_cartela);
  EXPECT_EQ(window->LeaveLote("3").notice, "") << "opening a batch empties the notice";
  EnterCards(38, 62);
  const BatchReply full = window->EnterCard(Typed(100));
  EXPECT_TRUE(full.batch_completed);
  EXPECT_EQ(full.notice, "Lote 3 completo");

  // The reader's next card lands in "Lote": refused, selected, no batch.
  const BatchReply scan = window->LeaveLote("0001019");
  EXPECT_EQ(scan.view.state, BatchState::NoBatch);
  EXPECT_TRUE(scan.select_lote);
  EXPECT_EQ(dialogs.last().title, "Número de lote");
  EXPECT_EQ(window->LeaveLote("4").view.state, BatchState::Open);

  dialogs.AnswerNo();
  EXPECT_EQ(window->RemoveBatch().focus, Focus::Cartela) << "No goes back to scanning";
}

TEST_F(BatchTest, IniciaClearsTheWholeStoreAfterAsking) {
  ASSERT_TRUE(store->ValidateDirectly(1));
  ASSERT_TRUE(store->ValidateInBatch(2, 3, 1));
  const BatchReply kept = window->LeaveLote("inicia");
  EXPECT_EQ(dialogs.last().title, "Inicia validação");
  EXPECT_EQ(dialogs.last().text, "Quer mesmo cancelar todas as validacões existentes e reiniciar o processo?");
  EXPECT_TRUE(kept.empty_lote);
  EXPECT_EQ(kept.view.count, "");
  EXPECT_EQ(store->Count(), 2);

  dialogs.AnswerYes();
  const BatchReply cleared = window->LeaveLote("INICIA");
  ExpectNoBatch(cleared);
  EXPECT_TRUE(cleared.empty_lote);
  EXPECT_EQ(cleared.view.count, "0");
  EXPECT_TRUE(CardsOnDisk().empty());
}

TEST_F(BatchTest, RemovingTheOpenBatchAsksFirst) {
  ASSERT_TRUE(store->ValidateDirectly(50));
  window->LeaveLote("8");
  EnterCards(60, 2);
  window->SaveBatch();
  window->LeaveLote("7");
  EnterCards(1, 3);

  const BatchReply no = window->RemoveBatch();
  EXPECT_EQ(dialogs.last().title, "Exclui validação");
  EXPECT_EQ(dialogs.last().text, "Quer mesmo excluir a validação de todo o lote?");
  EXPECT_EQ(no.view.state, BatchState::Open);
  EXPECT_EQ(store->Count(), 6);

  dialogs.AnswerYes();
  const BatchReply yes = window->RemoveBatch();
  ExpectNoBatch(yes);
  EXPECT_TRUE(yes.empty_lote);
  EXPECT_EQ(yes.focus, Focus::Lote);
  EXPECT_EQ(yes.view.count, "3");
  EXPECT_EQ(CardsOnDisk(), (std::vector<std::int32_t>{50, 60, 61}));

  // A removed batch starts again at 1.
  window->LeaveLote("7");
  EXPECT_EQ(window->EnterCard(Typed(1)).entry, 1);
}

}  // namespace
}  // namespace tavelao::validation
