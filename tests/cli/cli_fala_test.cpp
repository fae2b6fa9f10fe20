// tavelao-cli fala: the call of a ball (or a win) written as a WAV file by
// the real espeak-ng, read back by sox.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "session/card_options.h"
#include "session/data_files.h"
#include "support/cli_runner.h"
#include "support/required_tool.h"
#include "support/sound_checks.h"
#include "support/temp_folder.h"

namespace tavelao::cli {
namespace {

using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;

// Seconds and loudness of a spoken call, as sox reads the file.
void ExpectSpokenCall(const std::filesystem::path& wav) {
  const auto read = testing::ReadWithSox(wav);
  ASSERT_TRUE(read.has_value()) << wav << " is not a sound sox reads";
  EXPECT_GT(read->seconds, 0.3) << wav;
  EXPECT_LT(read->seconds, 3.0) << wav;
  EXPECT_GT(read->rms_amplitude, 0.01) << wav << " is near silence";
  EXPECT_EQ(read->channels, 1);
  EXPECT_EQ(read->bits, 16);
}

TEST(CliFala, WritesTheCallOfTheBallAsSpeech) {
  TAVELAO_REQUIRE_TOOL("sox");
  TempFolder dir;
  const std::pair<const char*, const char*> calls[] = {
      {"1", "B, um"}, {"42", "N, quarenta e dois"}, {"100", "O, cem"}, {"00", "O, cem"}};
  for (const auto& [ball, words] : calls) {
    const std::string wav = std::string("pedra-") + ball + ".wav";
    const auto run = RunCli(dir.path(), std::string("fala ") + ball + " --wav " + wav);
    ASSERT_EQ(run.status, 0) << ball << ": " << run.err;
    EXPECT_NE(run.out.find(wav + " gravado: \"" + words + "\""), std::string::npos) << run.out;
    ExpectSpokenCall(dir / wav);
  }
  EXPECT_EQ(ReadBytes(dir / "pedra-100.wav"), ReadBytes(dir / "pedra-00.wav")) << "00 is ball 100";
  EXPECT_TRUE(std::filesystem::exists(dir / "premios.cds")) << "missing tables are created first";
}

TEST(CliFala, SpeaksTheTitleLettersOfTheFolder) {
  TempFolder dir;
  ASSERT_EQ(RunCli(dir.path(), "fala 42 --wav antes.wav").status, 0);
  {
    auto options = session::OpenOptions(dir.path());
    ASSERT_TRUE(options.ok()) << options.error();
    session::CardOptions letters;
    letters.letters = {"T", "A", "Vê", "L", "Ã"};
    ASSERT_TRUE(session::WriteCardOptions(*options, letters).ok());
  }
  const auto run = RunCli(dir.path(), "fala 42 --wav depois.wav");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"V, quarenta e dois\""), std::string::npos) << run.out;
  EXPECT_NE(ReadBytes(dir / "antes.wav"), ReadBytes(dir / "depois.wav"));
}

TEST(CliFala, WinCallOfACard) {
  TAVELAO_REQUIRE_TOOL("sox");
  TempFolder dir;
  const auto run = RunCli(dir.path(), "fala --vitoria 42 --wav vitoria.wav");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"Bingo! Cartela quarenta e dois\""), std::string::npos) << run.out;
  ExpectSpokenCall(dir / "vitoria.wav");
  const auto outside = RunCli(dir.path(), "fala --vitoria 120001 --wav v.wav");
  EXPECT_NE(outside.status, 0);
  EXPECT_NE(outside.err.find("não existe"), std::string::npos) << outside.err;
}

TEST(CliFala, WhatIsNotABallIsRefusedAndNothingIsWritten) {
  TempFolder dir;
  for (const char* typed : {"101", "0", "abc", "-5", "4.2"}) {
    const auto run = RunCli(dir.path(), std::string("fala ") + typed + " --wav p.wav");
    EXPECT_NE(run.status, 0) << typed;
    EXPECT_NE(run.err.find(std::string("Pedra inválida: \"") + typed + "\". Use números de 1 a 100"), std::string::npos)
        << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "p.wav"));
  const auto no_file = RunCli(dir.path(), "fala 7");
  EXPECT_EQ(no_file.status, 2);
  EXPECT_NE(no_file.err.find("Falta --wav"), std::string::npos) << no_file.err;
  const auto help = RunCli(dir.path(), "fala --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Uso: tavelao-cli fala --wav ARQUIVO [--vitoria] BOLA"), std::string::npos) << help.out;
}

TEST(CliFala, AFileThatCannotBeWrittenOrMustNotBeReplacedIsAMessage) {
  TempFolder dir;
  const auto no_folder = RunCli(dir.path(), "fala 7 --wav nao-existe/p.wav");
  EXPECT_EQ(no_folder.status, 1);
  EXPECT_NE(no_folder.err.find("Não foi possível criar o arquivo p.wav"), std::string::npos) << no_folder.err;

  const std::string table = ReadBytes(dir / "premios.cds");
  ASSERT_FALSE(table.empty());
  const auto over_table = RunCli(dir.path(), "fala 7 --wav premios.cds");
  EXPECT_EQ(over_table.status, 1);
  EXPECT_NE(over_table.err.find("é uma tabela do Tavelão"), std::string::npos) << over_table.err;
  EXPECT_EQ(ReadBytes(dir / "premios.cds"), table);

  testing::WriteBytes(dir / "notas.txt", "anotações do sorteio");
  const auto over_text = RunCli(dir.path(), "fala 7 --wav notas.txt");
  EXPECT_EQ(over_text.status, 1);
  EXPECT_NE(over_text.err.find("não é um arquivo WAV"), std::string::npos) << over_text.err;
  EXPECT_EQ(ReadBytes(dir / "notas.txt"), "anotações do sorteio");

  ASSERT_EQ(RunCli(dir.path(), "fala 7 --wav p.wav").status, 0);
  const auto again = RunCli(dir.path(), "fala 8 --wav p.wav");
  EXPECT_EQ(again.status, 0) << "a WAV is replaced: " << again.err;
}

TEST(CliFala, WithoutTheVoiceDataItSaysSoAndWritesNothing) {
  TempFolder dir;
  TempFolder no_data;
  const auto run = RunCli(dir.path(), "fala 7 --wav p.wav", "ESPEAK_DATA_PATH='" + no_data.path().string() + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("espeak-ng-data"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("As pedras não serão chamadas em voz alta"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "p.wav"));
}

}  // namespace
}  // namespace tavelao::cli
