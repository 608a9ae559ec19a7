// Every seed of the fuzz targets and every input that once broke a reader,
// run through the same input functions the fuzz targets use: each must go
// through without a crash, a broken promise or (in the sanitizer build) a
// memory error. One test per file, named after the file's quirk.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "fuzz/fuzz_inputs.h"

namespace fs = std::filesystem;

namespace {

using InputFunction = void (*)(const uint8_t*, size_t);

struct Reader {
  const char* name;  // the fuzz target's name and its folders' name
  InputFunction run;
};

const Reader kReaders[] = {
    {"pgn_games", RunPgnGamesInput},
    {"settings_files", RunSettingsFilesInput},
    {"pe_resources", RunPeResourcesInput},
    {"res_file", RunResFileInput},
    {"dib_decode", RunDibDecodeInput},
    {"wave", RunWaveInput},
    {"dialog_template", RunDialogTemplateInput},
    {"fen_position", RunFenPositionInput},
    {"comment_commands", RunCommentCommandsInput},
    {"viewer_arguments", RunViewerArgumentsInput},
    {"broadcast_address", RunBroadcastAddressInput},
};

struct InputFile {
  const Reader* reader;
  std::string kind;  // "seed" or "crash"
  fs::path path;
};

void PrintTo(const InputFile& input, std::ostream* out) { *out << input.path.string(); }

void AddFolder(std::vector<InputFile>& inputs, const Reader& reader, const char* kind, const fs::path& folder) {
  std::error_code error;
  std::vector<fs::path> paths;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file()) paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  for (const fs::path& path : paths) inputs.push_back({&reader, kind, path});
}

std::vector<InputFile> AllInputs() {
  std::vector<InputFile> inputs;
  for (const Reader& reader : kReaders) {
    AddFolder(inputs, reader, "seed", fs::path(TARNWICKET_FUZZ_SEEDS) / reader.name);
    AddFolder(inputs, reader, "crash", fs::path(TARNWICKET_CRASH_INPUTS) / reader.name);
  }
  return inputs;
}

std::string TestName(const testing::TestParamInfo<InputFile>& info) {
  std::string name =
      std::string(info.param.reader->name) + "_" + info.param.kind + "_" + info.param.path.stem().string();
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

class ReaderInputTest : public testing::TestWithParam<InputFile> {};

TEST_P(ReaderInputTest, GoesThroughItsReader) {
  std::ifstream in(GetParam().path, std::ios::binary);
  ASSERT_TRUE(in) << GetParam().path;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  GetParam().reader->run(bytes.data(), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Inputs, ReaderInputTest, testing::ValuesIn(AllInputs()), TestName);

}  // namespace
