#include "editors/frame_editor_table.h"

#include <gtest/gtest.h>

#include "editors/editor_files.h"
#include "frame_editor_fixture.h"
#include "layouts/print_card_file.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace tavelao::editors {
namespace {

const FrameEditorVariant& kA4 = FrameVariant(FrameEditorKind::kA4);
const FrameEditorVariant& kA5 = FrameVariant(FrameEditorKind::kA5);

FrameEditorState Changed(const FrameEditorVariant& variant) {
  FrameEditorState state = DefaultFrameEditorState(variant);
  state.frames[0] = {100, 50};
  state.frames[variant.frames - 1] = {-20, 700};  // dragged off the panel
  state.matrix = {3, 4};
  state.blocks[variant.blocks - 1] = {5, 6};
  state.only_numbers = true;
  state.check_sc = true;
  state.suppress_bar_code = true;
  state.suppress_matrix = true;
  state.blocks_text = "3";
  state.font = {"Courier New", 20, false, Rgb{1, 2, 3}};
  ApplyBlockCount(variant, state);
  return state;
}

TEST_F(FrameEditorTest, ClosingKeepsEverythingForTheNextStartAndCleansUp) {
  for (const FrameEditorVariant* variant : {&kA4, &FrameVariant(FrameEditorKind::kLarge), &kA5}) {
    Issue(1, 2);
    testing::WriteBytes(dir / variant->second_file, "x");
    const FrameEditorState state = Changed(*variant);
    const Status closed = CloseFrameEditor(*variant, dir.path(), state, card_file);
    ASSERT_TRUE(closed.ok()) << closed.error();
    EXPECT_FALSE(card_file.is_open());
    EXPECT_FALSE(std::filesystem::exists(dir / issue::kCardFile));
    EXPECT_FALSE(std::filesystem::exists(dir / variant->second_file));

    auto loaded = LoadFrameEditor(*variant, dir.path());
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    const FrameEditorState& back = loaded->state;
    EXPECT_EQ(back.frames, state.frames) << variant->form_name;
    EXPECT_EQ(back.matrix, state.matrix);
    EXPECT_EQ(back.blocks, state.blocks);
    EXPECT_EQ(back.font, state.font);
    EXPECT_TRUE(back.only_numbers && back.check_sc && back.suppress_bar_code && back.suppress_matrix);
    EXPECT_EQ(back.block_shown, state.block_shown);
    EXPECT_FALSE(loaded->table_deleted);
  }
  auto table = store::Table::Open(dir / "Variantes.cds");
  ASSERT_TRUE(table.ok());
  auto rows = table->Select();
  ASSERT_EQ(rows->size(), 1u) << "rewritten whole";
  EXPECT_EQ(rows->front().record.Text("Cor"), "197121") << "1 + 2*256 + 3*65536";
  EXPECT_EQ(rows->front().record.Text("Negrito"), "Nao");
  EXPECT_EQ(rows->front().record.Int("NNCart"), 3);
  EXPECT_TRUE(table->HasField("Q9Left"));
  auto a5 = store::Table::Open(dir / "VariantesA5.cds");
  EXPECT_FALSE(a5->HasField("NNCart"));
  EXPECT_FALSE(a5->HasField("Cart3Top"));
  auto large = store::Table::Open(dir / "VariantesG.cds");
  EXPECT_FALSE(large->HasField("Q7Top"));
}

TEST_F(FrameEditorTest, ATableWithoutCsmIsDeletedAndDefaultsStand) {
  store::Schema old_schema = FrameEditorSchema(kA4);
  std::erase_if(old_schema, [](const store::FieldDef& f) { return f.name == "CSM"; });
  {
    auto old = store::Table::CreateAfresh(dir / "Variantes.cds", old_schema);
    ASSERT_TRUE(old.ok());
    store::Record record = old->NewRecord();
    record.Set("Q1Top", 99);
    ASSERT_TRUE(old->Insert(record).ok());
  }
  auto loaded = LoadFrameEditor(kA4, dir.path());
  ASSERT_TRUE(loaded.ok());
  EXPECT_TRUE(loaded->table_deleted);
  EXPECT_FALSE(std::filesystem::exists(dir / "Variantes.cds"));
  EXPECT_EQ(loaded->state.frames[0], kA4.frame_defaults[0]);

  // The A5 table has no such check: an old file is read as it is.
  store::Schema a5_schema = FrameEditorSchema(kA5);
  std::erase_if(a5_schema, [](const store::FieldDef& f) { return f.name == "CSM"; });
  {
    auto old = store::Table::CreateAfresh(dir / "VariantesA5.cds", a5_schema);
    store::Record record = old->NewRecord();
    record.Set("Q1Top", 99);
    ASSERT_TRUE(old->Insert(record).ok());
  }
  auto a5 = LoadFrameEditor(kA5, dir.path());
  ASSERT_TRUE(a5.ok());
  EXPECT_FALSE(a5->table_deleted);
  EXPECT_EQ(a5->state.frames[0].top, 99);
}

TEST_F(FrameEditorTest, StoredValuesOutOfRangeFallBack) {
  FrameEditorState state = DefaultFrameEditorState(kA4);
  state.blocks_text = "x";  // stores 1
  const Status saved = SaveFrameEditor(kA4, dir.path(), state);
  ASSERT_TRUE(saved.ok()) << saved.error();
  {
    auto table = store::Table::Open(dir / "Variantes.cds");
    auto rows = table->Select();
    EXPECT_EQ(rows->front().record.Int("NNCart"), 1);
    store::Record record = rows->front().record;
    record.Set("NNCart", 9);
    record.Set("Cor", std::string("vermelho"));
    ASSERT_TRUE(table->Update(rows->front().id, record).ok());
  }
  auto loaded = LoadFrameEditor(kA4, dir.path());
  ASSERT_TRUE(loaded.ok());
  EXPECT_EQ(loaded->state.blocks_text, "1");
  EXPECT_EQ(loaded->state.font.colour, (Rgb{255, 0, 0}));
}

TEST_F(FrameEditorTest, AnUnreadableTableIsReportedAndLeftAlone) {
  testing::WriteBytes(dir / "Variantes.cds", "not a table");
  auto loaded = LoadFrameEditor(kA4, dir.path());
  ASSERT_FALSE(loaded.ok());
  EXPECT_NE(loaded.error().find("Variantes.cds"), std::string::npos);
  Issue(1, 1);
  ASSERT_TRUE(CloseFrameEditor(kA4, dir.path(), DefaultFrameEditorState(kA4), card_file, /*save=*/false).ok());
  EXPECT_EQ(testing::ReadBytes(dir / "Variantes.cds"), "not a table");
}

TEST_F(FrameEditorTest, PrintCardFileOpensTheEditorWithTheCardFileOpen) {
  struct Case {
    int code;
    const char* typed;
    bool large;
    int frames;
    bool opens_large;
  };
  for (const Case& c :
       {Case{9, "0", true, 1, true}, Case{9, "7", true, 7, false}, Case{9, "x", false, 9, false},
        Case{9, "6", false, 6, false}, Case{69, "4", true, 4, false}, Case{69, "12", false, 9, false}}) {
    Issue(1, 2);
    layouts::PrintRequest request;
    request.model_code = c.code;
    request.number_box_text = c.typed;
    request.large_card = c.large;
    auto printed = layouts::PrintCardFile(request, card_file, password, issuer);
    ASSERT_TRUE(printed.ok());
    EXPECT_EQ(printed->kind, layouts::PrintKind::kEditor);
    EXPECT_EQ(printed->frames, c.frames) << c.typed;
    EXPECT_EQ(printed->large_card, c.opens_large) << c.code << " " << c.typed;
    EXPECT_TRUE(card_file.is_open());
    EXPECT_FALSE(printed->card_file_deleted);
  }
}

TEST_F(FrameEditorTest, CliPrintsWithTheStoredPositions) {
  FrameEditorState state = DefaultFrameEditorState(kA4);
  state.frames[0] = {100, 50};
  const Status saved = SaveFrameEditor(kA4, dir.path(), state);
  ASSERT_TRUE(saved.ok()) << saved.error();
  const auto run = testing::RunCli(dir.path(), "emite --modelo 9 --quadros 2 --inicial 5 --quantidade 2 --pdf q.pdf");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("FormCar9"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("2 página(s)"), std::string::npos) << run.out;
  EXPECT_TRUE(std::filesystem::exists(dir / "q.pdf"));
  EXPECT_FALSE(std::filesystem::exists(dir / issue::kCardFile));

  const auto large =
      testing::RunCli(dir.path(), "emite --modelo 9 --quadros 3 --grande --inicial 5 --quantidade 1 --pdf g.pdf");
  ASSERT_EQ(large.status, 0) << large.err;
  EXPECT_NE(large.out.find("FormCar9G"), std::string::npos);
  const auto a5 = testing::RunCli(dir.path(), "emite --modelo 69 --inicial 5 --quantidade 1 --pdf a5.pdf");
  ASSERT_EQ(a5.status, 0) << a5.err;
  EXPECT_NE(a5.out.find("FormCarA5"), std::string::npos);
}

}  // namespace
}  // namespace tavelao::editors
