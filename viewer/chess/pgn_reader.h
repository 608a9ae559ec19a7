// PgnReader: reads a game file in Portable Game Notation through a large
// buffer and splits it into the pieces every pass of the game library needs:
// filler between games, tag sections and the ply tokens of the movetext.
//
// Every pass (counting, indexing, loading) reads through these same
// operations, so the games and plies they find always agree.
//
// What the movetext reader passes over: white space (CR LF reads like LF),
// brace comments over any number of lines, ';' comments to the end of the
// line, lines starting with '%', variations in parentheses (nested, with
// their comments), numeric annotation glyphs ($1, $14), stand-alone
// annotation signs (!, ?!, +/-, =, ...), an en passant mark written as its
// own token (e.p.), and move numbers (12. 12... 12.Nf3 12...Nf6). A token of
// one character other than "*" is passed over too. Tokens are cut at 99
// characters. A '[' opening a line inside the movetext ends a game that has
// no result token: the next game's tag section begins there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// A place in the game file to come back to: the byte offset and whether
// only blanks stand before it on its line.
struct ReaderPosition {
  int64_t offset = 0;
  bool lineStart = true;
};

// What the movetext reader passes over between two plies, handed on to
// whoever reads the game's notes: the comments (the text between the braces,
// or after a ';' to the end of the line), the numeric annotation glyphs
// ($14: 14) and the stand-alone annotation signs ("!?"). What stands inside a
// variation is not handed on.
class MovetextAside {
 public:
  virtual void OnComment(std::string_view text) = 0;
  virtual void OnGlyph(int code) = 0;
  virtual void OnSign(const char* sign) = 0;

 protected:
  ~MovetextAside() = default;
};

// The tags whose values the reader keeps, wherever they stand in the section.
enum class NamedTag {
  kFen,
  kVariant,
  kWhiteElo,
  kBlackElo,
  kTimeControl,
  kWhiteClock,
  kBlackClock,
  kEco,
  kOpening,
  kVariation,
  kCount,
};

class PgnReader {
 public:
  // Room for a token or a tag text: 99 characters and a terminating zero.
  static constexpr int kTextSize = 100;
  // A comment is kept to this many characters.
  static constexpr size_t kMaxCommentLength = 16384;

  enum class TokenEnd {
    kToken,      // a ply token (or a result token) was read
    kEndOfFile,  // the file ended before another token
    kNextGame,   // a tag section begins: the game ended without a result
  };

  PgnReader();
  ~PgnReader();
  PgnReader(const PgnReader&) = delete;
  PgnReader& operator=(const PgnReader&) = delete;

  // Opens the file for binary reading and passes over a UTF-8 byte-order
  // mark at its start. False when the file does not open.
  bool Open(const char* fileName);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  // For a file a writer may still be at: the reader stops where the settled
  // text ends, before a token or a tag line the file's end cuts off (see
  // pgn_reader.cpp). Returns that offset, or -1 when the whole file is
  // settled (or its end cannot be found); Close lifts the limit.
  int64_t LimitToSettledText();

  ReaderPosition Tell() const;
  // Goes back (or forward) to a place taken with Tell. False when the
  // file cannot seek there.
  bool Seek(const ReaderPosition& position);

  // Passes over white space, '%' lines and comments. False when that
  // reaches the end of the file.
  bool SkipFiller();

  // Reads the tag section that starts here. The text between each tag's
  // '[' and its closing ']' goes to tagTexts (cut to 99 characters) for the
  // first maxTags tags; returns the number of tags in the section. The
  // section ends before the first line that does not start with a tag
  // (blank lines between tags belong to it), before a tag that repeats a
  // name of this section (a game without movetext is followed by the next
  // game), or before movetext written on a tag's own line.
  int ReadTagSection(char (*tagTexts)[kTextSize], int maxTags);

  // After ReadTagSection: the value of one of the section's named tags
  // (cut to 99 characters), or nullptr where the section has none.
  const char* TagValue(NamedTag tag) const {
    return hasNamedTag_[static_cast<int>(tag)] ? namedTags_[static_cast<int>(tag)] : nullptr;
  }

  // Reads the next ply token of the movetext into token (kTextSize bytes),
  // with its move number removed. Anything else than kToken leaves token
  // empty. What it passes over on the way goes to `aside` (when given).
  TokenEnd ReadPlyToken(char* token, MovetextAside* aside = nullptr);

 private:
  bool Refill();
  int PeekSlow();
  int Peek() { return pos_ < end_ ? static_cast<unsigned char>(*pos_) : PeekSlow(); }
  // Skip a line or a comment, keeping their text in `text` when given.
  void SkipLine(std::string* text = nullptr);
  void SkipBraceComment(std::string* text = nullptr);
  void ReadComment(MovetextAside* aside, bool restOfLine);
  static void KeepText(std::string& text, const char* from, const char* to);
  void SkipVariation();
  // Skips spaces, tabs, CR and LF, keeping track of line starts.
  void SkipBlanks();
  // Reads a run of token characters, cut to kTextSize - 1; returns its
  // length and tells whether it holds a '.'.
  int ReadRawToken(char* token, bool& hasDot);
  // Keeps the value of a named tag.
  void NoteNamedTag(std::string_view name, const char* text);

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  char* pos_ = nullptr;
  char* end_ = nullptr;
  int64_t bufferOffset_ = 0;  // file offset of buffer_[0]
  int64_t readLimit_ = -1;    // the reader stops at this offset (-1: at the file's end)
  bool lineStart_ = true;
  std::string comment_;  // the comment being read
  char namedTags_[static_cast<int>(NamedTag::kCount)][kTextSize] = {};
  bool hasNamedTag_[static_cast<int>(NamedTag::kCount)] = {};
};
