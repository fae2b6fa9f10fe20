#include "validation/direct_validation.h"

#include <gtest/gtest.h>

#include "issue/issue_run.h"
#include "validation_fixture.h"

namespace tavelao::validation {
namespace {

class DirectTest : public ValidationFixture {
 protected:
  void SetUp() override {
    ValidationFixture::SetUp();
    panel = std::make_unique<DirectValidation>(*store, keys, dialogs);
  }
  std::vector<std::int32_t> Range(std::int32_t first, std::int32_t last) {
    std::vector<std::int32_t> cards;
    for (std::int32_t c = first; c <= last; ++c) cards.push_back(c);
    return cards;
  }
  std::unique_ptr<DirectValidation> panel;
};

TEST_F(DirectTest, SameCardTwiceAsksToRemoveIt) {
  EXPECT_EQ(panel->view().last_validated, "") << "nothing before the first entry";
  EXPECT_EQ(panel->Open().count, "0");

  const DirectEntryResult first = panel->Enter("19");
  EXPECT_TRUE(first.refresh());
  EXPECT_EQ(first.added, std::vector<std::int32_t>{1});
  EXPECT_EQ(first.view.last_validated, "1");
  EXPECT_EQ(first.view.count, "1");
  EXPECT_TRUE(dialogs.shown.empty());

  dialogs.AnswerNo();
  const DirectEntryResult kept = panel->Enter("19");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(dialogs.last().question);
  EXPECT_EQ(dialogs.last().title, "Exclusão de cartela");
  EXPECT_EQ(dialogs.last().text, "Cartela já validada. Exclui da validação?");
  EXPECT_TRUE(kept.refresh());
  EXPECT_TRUE(kept.removed.empty());
  EXPECT_EQ(kept.view.last_validated, "0");
  EXPECT_TRUE(*store->IsValidated(1));

  dialogs.AnswerYes();
  const DirectEntryResult removed = panel->Enter("19");
  EXPECT_EQ(removed.removed, std::vector<std::int32_t>{1});
  EXPECT_EQ(removed.view.last_validated, "0");
  EXPECT_EQ(removed.view.count, "0");
  EXPECT_FALSE(*store->IsValidated(1));
  EXPECT_TRUE(CardsOnDisk().empty());
}

TEST_F(DirectTest, RangeAddsTheOthersWithoutAsking) {
  ASSERT_TRUE(panel->Enter("51").refresh());  // card 5
  const DirectEntryResult range = panel->Enter("19-108");
  EXPECT_EQ(range.added, (std::vector<std::int32_t>{1, 2, 3, 4, 6, 7, 8, 9, 10}));
  EXPECT_EQ(dialogs.shown.size(), 0u);
  EXPECT_EQ(range.view.last_validated, "10");
  EXPECT_EQ(range.view.count, "10");
  EXPECT_EQ(CardsOnDisk(), Range(1, 10)) << "the range is committed when the entry returns";

  // Reversed or open-ended, the start alone is a single entry: it asks.
  for (const char* entry : {"108-19", "108-"}) {
    dialogs.shown.clear();
    const DirectEntryResult single = panel->Enter(entry);
    EXPECT_EQ(dialogs.shown.size(), 1u) << entry;
    EXPECT_TRUE(single.added.empty());
    EXPECT_EQ(single.view.last_validated, "0");
  }
}

TEST_F(DirectTest, ReversedAndShortEndsValidateTheStartAlone) {
  EXPECT_EQ(panel->Enter("108-19").added, std::vector<std::int32_t>{10});
  EXPECT_EQ(panel->Enter("19-1").added, std::vector<std::int32_t>{1});
  EXPECT_EQ(panel->Enter("0000019").view.last_validated, "0") << "card 1 again, answered No";
  EXPECT_EQ(store->Count(), 2);
}

TEST_F(DirectTest, SheetCodes) {
  ASSERT_TRUE(panel->Enter("27").refresh());  // card 2
  dialogs.AnswerYes();
  const DirectEntryResult sheet = panel->Enter("3000010");
  EXPECT_EQ(sheet.added, (std::vector<std::int32_t>{1, 3}));
  EXPECT_EQ(sheet.removed, std::vector<std::int32_t>{2}) << "one sheet code is a single entry";
  EXPECT_EQ(sheet.view.last_validated, "3");

  dialogs.shown.clear();
  const DirectEntryResult two_sheets = panel->Enter("3000010-3000044");
  EXPECT_EQ(two_sheets.added, (std::vector<std::int32_t>{2, 4, 5, 6}));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(store->Count(), 6);

  const DirectEntryResult dropped = panel->Enter("3000028");
  EXPECT_EQ(dropped.outcome, EntryOutcome::Dropped);
  EXPECT_FALSE(dropped.refresh());
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(dropped.view.last_validated, "6") << "labels stay";
  EXPECT_EQ(store->Count(), 6);
}

TEST_F(DirectTest, WalkStopsBeyondTheBankKeepingWhatCameBefore) {
  ASSERT_TRUE(panel->Enter("19").refresh());
  const DirectEntryResult stopped = panel->Enter("1199994-1200011");  // cards 119999 to 120001
  EXPECT_EQ(stopped.outcome, EntryOutcome::Stopped);
  EXPECT_FALSE(stopped.refresh()) << "the field keeps its text";
  EXPECT_EQ(stopped.stopped_at, 120'001);
  EXPECT_EQ(stopped.added, (std::vector<std::int32_t>{119'999, 120'000}));
  EXPECT_EQ(stopped.view.last_validated, "1");
  EXPECT_EQ(stopped.view.count, "1");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.last().title, "Cartela inexistente");
  EXPECT_EQ(dialogs.last().text, "A cartela 120001 não existe: o banco de cartelas vai de 1 a 120000.");
  EXPECT_EQ(CardsOnDisk(), (std::vector<std::int32_t>{1, 119'999, 120'000}));
  EXPECT_EQ(store->Count(), 3);

  EXPECT_EQ(panel->Enter("1200011").outcome, EntryOutcome::Stopped);
  EXPECT_EQ(store->Count(), 3);
}

TEST_F(DirectTest, RefusedEntriesShowOneMessageAndStoreNothing) {
  ASSERT_TRUE(panel->Enter("19").refresh());
  const std::string forged = [this] {
    SetPassword("ABCDE");
    std::string text = Scanned(2);
    text.back() = text.back() == '0' ? '1' : '0';
    return text;
  }();
  password = card::Password();
  for (const std::string entry : {"17", "1a9", "000001929553"}) {
    dialogs.shown.clear();
    const DirectEntryResult refused = panel->Enter(entry);
    EXPECT_EQ(refused.outcome, EntryOutcome::Refused) << entry;
    EXPECT_FALSE(refused.refresh());
    EXPECT_EQ(dialogs.shown.size(), 1u) << entry;
    EXPECT_EQ(refused.view.last_validated, "1");
  }
  EXPECT_EQ(dialogs.last().title, "Senha de autenticação");

  SetPassword("ABCDE");
  dialogs.shown.clear();
  EXPECT_EQ(panel->Enter(forged).outcome, EntryOutcome::Refused);
  EXPECT_EQ(dialogs.last().title, "Código de autenticação inválido");
  EXPECT_EQ(dialogs.last().text.find(card::CardAuthenticationCode(bank, 2, password, issuer)), std::string::npos)
      << "the refusal never shows the right code";
  EXPECT_EQ(store->Count(), 1);

  EXPECT_EQ(panel->Enter(Scanned(2)).added, std::vector<std::int32_t>{2});
}

TEST_F(DirectTest, CardWithAnEmptyBankRecordIsValidatedDirectly) {
  EXPECT_EQ(panel->Enter("100013").added, std::vector<std::int32_t>{10'001});
  EXPECT_EQ(**store->Find(10'001), Placement{});
}

TEST_F(DirectTest, ClearingAsksFirst) {
  ASSERT_TRUE(panel->Enter("19-108").refresh());
  ASSERT_TRUE(store->ValidateInBatch(50, 3, 1));
  EXPECT_EQ(panel->Clear().count, "10") << "No changes nothing";
  EXPECT_EQ(dialogs.last().title, "Inicia validação");
  EXPECT_EQ(dialogs.last().text, "Quer mesmo cancelar todas as validacões existentes e iniciar o processo?");
  EXPECT_EQ(store->Count(), 11);

  dialogs.AnswerYes();
  const DirectPanelView cleared = panel->Clear();
  EXPECT_EQ(cleared.count, "0");
  EXPECT_EQ(cleared.last_validated, "");
  EXPECT_TRUE(CardsOnDisk().empty());
}

class FixedClock : public Clock {
 public:
  std::chrono::system_clock::time_point Now() const override { return std::chrono::system_clock::from_time_t(0); }
};

TEST_F(DirectTest, ACardOutsideTheIssuedRangesIsAskedAbout) {
  DirectValidation checked(*store, keys, dialogs, session::TablePlace{dir.path(), nullptr});
  // Nothing issued here yet: the cards were printed elsewhere.
  EXPECT_EQ(checked.Enter(Typed(999)).added, std::vector<std::int32_t>{999});
  EXPECT_TRUE(dialogs.shown.empty());

  ASSERT_TRUE(issue::RecordIssuedRange({dir.path(), nullptr}, {1, 10}, FixedClock()));
  ASSERT_TRUE(issue::RecordIssuedRange({dir.path(), nullptr}, {41, 50}, FixedClock()));
  EXPECT_EQ(checked.Enter(Typed(45)).added, std::vector<std::int32_t>{45});
  EXPECT_TRUE(dialogs.shown.empty());

  dialogs.AnswerNo();
  const DirectEntryResult no = checked.Enter(Typed(998));
  EXPECT_EQ(no.outcome, EntryOutcome::Refused);
  EXPECT_EQ(dialogs.last().title, "Cartela não emitida");
  EXPECT_EQ(dialogs.last().text, "A cartela 998 não foi emitida. Validar mesmo assim?");
  dialogs.AnswerYes();
  EXPECT_EQ(checked.Enter("000998-" + std::string(1, card::CheckDigit(998))).added, std::vector<std::int32_t>{998});

  // A range asks once, for the cards it would add; No adds none of them.
  dialogs.AnswerNo();
  EXPECT_EQ(checked.Enter(Typed(9) + "-" + Typed(12)).outcome, EntryOutcome::Refused);
  EXPECT_EQ(dialogs.last().text, "2 cartelas desta entrada, da 11 à 12, não foram emitidas. Validar mesmo assim?");
  EXPECT_EQ(store->Count(), 3);
  // An issued card already validated asks only about its removal.
  dialogs.AnswerNo();
  checked.Enter(Typed(45));
  EXPECT_EQ(dialogs.last().title, "Exclusão de cartela");
}

}  // namespace
}  // namespace tavelao::validation
