// PgnReader: buffered reading and splitting of a PGN game file.
#include "viewer/chess/pgn_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "viewer/chess/tag_values.h"

namespace {

constexpr size_t kBufferSize = 1 << 20;

// Character classes of the scanner.
enum : uint8_t {
  kBlank = 1,      // white space
  kTokenStop = 2,  // ends a token: white space, comment and variation brackets
  kSignChar = 4,   // may make up a stand-alone annotation sign
};

struct CharClasses {
  uint8_t of[256];
  CharClasses() : of() {
    for (unsigned char c : {' ', '\t', '\r', '\n', '\v', '\f'}) of[c] = kBlank | kTokenStop;
    for (unsigned char c : {'{', '}', '(', ')', ';'}) of[c] = kTokenStop;
    for (unsigned char c : {'!', '?', '+', '-', '/', '=', '~'}) of[c] = kSignChar;
    // Signs written with symbols outside ASCII (plus-minus, infinity, ...).
    for (int c = 0x80; c < 0x100; ++c) of[c] = kSignChar;
  }
};

const CharClasses kClasses;

inline bool IsBlank(unsigned char c) { return (kClasses.of[c] & kBlank) != 0; }

// A stand-alone annotation sign: "!", "?!", "+/-", "=", "+-", ... but not
// the null move "--".
bool IsAnnotationSign(const char* token, int length) {
  if (length == 2 && token[0] == '-' && token[1] == '-') return false;
  for (int i = 0; i < length; ++i) {
    if (!(kClasses.of[static_cast<unsigned char>(token[i])] & kSignChar)) return false;
  }
  return true;
}

// A move number written without its period: digits alone.
bool IsBareMoveNumber(const char* token, int length) {
  for (int i = 0; i < length; ++i) {
    if (token[i] < '0' || token[i] > '9') return false;
  }
  return length > 0;
}

bool IsEnPassantMark(const char* token) {
  return token[0] == 'e' && (std::strcmp(token, "e.p.") == 0 || std::strcmp(token, "ep") == 0);
}

// "exd6e.p." becomes "exd6".
int StripEnPassantSuffix(char* token, int length) {
  if (length > 4 && std::memcmp(token + length - 4, "e.p.", 4) == 0) {
    length -= 4;
    token[length] = '\0';
  }
  return length;
}

// Removes everything up to and including the first '.', and the dots that
// follow it: "12.Nf3" and "12...Nf3" become "Nf3", "12." becomes "".
int RemoveMoveNumber(char* token, int length) {
  const char* dot = static_cast<const char*>(std::memchr(token, '.', length));
  if (dot == nullptr) return length;
  int start = static_cast<int>(dot - token) + 1;
  while (start < length && token[start] == '.') ++start;
  if (start == length) {
    token[0] = '\0';
    return 0;
  }
  std::memmove(token, token + start, length - start + 1);
  return length - start;
}

inline int64_t SeekTarget(std::FILE* file, int64_t offset, int whence = SEEK_SET) {
#if defined(_WIN32)
  return _fseeki64(file, offset, whence);
#else
  return fseeko(file, static_cast<off_t>(offset), whence);
#endif
}

inline int64_t TellTarget(std::FILE* file) {
#if defined(_WIN32)
  return _ftelli64(file);
#else
  return static_cast<int64_t>(ftello(file));
#endif
}

// Where the settled text of a file ends, given its last bytes (`tail`, the
// file's bytes from `tailStart` to its end): after the last blank, so that
// a token still being written is left out, and before a tag line that has
// not ended yet. Returns the file's length when its last byte is a blank.
int64_t SettledEnd(const std::vector<char>& tail, int64_t tailStart) {
  size_t end = tail.size();
  while (end > 0 && !IsBlank(static_cast<unsigned char>(tail[end - 1]))) --end;
  // The line the cut falls in: a tag line is kept whole or not at all.
  size_t lineStart = end;
  while (lineStart > 0 && tail[lineStart - 1] != '\n') --lineStart;
  if (end < tail.size() || (end > 0 && tail[end - 1] != '\n')) {
    size_t first = lineStart;
    while (first < tail.size() && (tail[first] == ' ' || tail[first] == '\t')) ++first;
    if (first < tail.size() && tail[first] == '[') end = lineStart;
  }
  return tailStart + static_cast<int64_t>(end);
}

}  // namespace

PgnReader::PgnReader() = default;

PgnReader::~PgnReader() { Close(); }

bool PgnReader::Open(const char* fileName) {
  Close();
  // Only a file that ends and can be read again: a pipe or a device such as
  // /dev/zero would keep every pass reading forever.
  std::error_code error;
  if (!std::filesystem::is_regular_file(fileName, error)) return false;
  file_ = std::fopen(fileName, "rb");
  if (file_ == nullptr) return false;
  if (buffer_.empty()) buffer_.resize(kBufferSize);
  pos_ = end_ = buffer_.data();
  bufferOffset_ = 0;
  lineStart_ = true;
  // A UTF-8 byte-order mark before the first game.
  if (Peek() == 0xEF && end_ - pos_ >= 3 && static_cast<unsigned char>(pos_[1]) == 0xBB &&
      static_cast<unsigned char>(pos_[2]) == 0xBF) {
    pos_ += 3;
  }
  return true;
}

int64_t PgnReader::LimitToSettledText() {
  readLimit_ = -1;
  if (file_ == nullptr || SeekTarget(file_, 0, SEEK_END) != 0) return -1;
  const int64_t length = TellTarget(file_);
  // A tag line or a token is far shorter than this.
  constexpr int64_t kTail = 4096;
  const int64_t tailStart = length > kTail ? length - kTail : 0;
  std::vector<char> tail(static_cast<size_t>(length - tailStart));
  bool read = SeekTarget(file_, tailStart) == 0 && std::fread(tail.data(), 1, tail.size(), file_) == tail.size();
  // Back to where the reader stands.
  read = SeekTarget(file_, bufferOffset_ + (end_ - buffer_.data())) == 0 && read;
  if (!read || length <= 0) return -1;
  const int64_t settled = SettledEnd(tail, tailStart);
  if (settled >= length) return -1;
  readLimit_ = settled;
  // What was read already past the limit is not there.
  if (bufferOffset_ + (end_ - buffer_.data()) > readLimit_) {
    end_ = buffer_.data() + std::max<int64_t>(0, readLimit_ - bufferOffset_);
    if (pos_ > end_) pos_ = end_;
  }
  return readLimit_;
}

void PgnReader::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  readLimit_ = -1;
  pos_ = end_ = buffer_.data();
  bufferOffset_ = 0;
  lineStart_ = true;
}

ReaderPosition PgnReader::Tell() const {
  ReaderPosition position;
  position.offset = bufferOffset_ + (pos_ - buffer_.data());
  position.lineStart = lineStart_;
  return position;
}

bool PgnReader::Seek(const ReaderPosition& position) {
  if (file_ == nullptr) return false;
  const int64_t buffered = end_ - buffer_.data();
  if (position.offset >= bufferOffset_ && position.offset <= bufferOffset_ + buffered) {
    pos_ = buffer_.data() + (position.offset - bufferOffset_);
  } else {
    if (SeekTarget(file_, position.offset) != 0) return false;
    bufferOffset_ = position.offset;
    pos_ = end_ = buffer_.data();
  }
  lineStart_ = position.lineStart;
  return true;
}

bool PgnReader::Refill() {
  if (file_ == nullptr) return false;
  bufferOffset_ += end_ - buffer_.data();
  size_t wanted = buffer_.size();
  if (readLimit_ >= 0) wanted = bufferOffset_ >= readLimit_ ? 0 : std::min<int64_t>(wanted, readLimit_ - bufferOffset_);
  const size_t got = wanted > 0 ? std::fread(buffer_.data(), 1, wanted, file_) : 0;
  pos_ = buffer_.data();
  end_ = pos_ + got;
  return got > 0;
}

int PgnReader::PeekSlow() {
  if (!Refill()) return -1;
  return static_cast<unsigned char>(*pos_);
}

void PgnReader::SkipBlanks() {
  for (;;) {
    // The loops keep the cursor in a local: stores through a char pointer
    // could otherwise change the member, and it would be reloaded at each byte.
    const char* at = pos_;
    const char* const end = end_;
    bool lineStart = lineStart_;
    while (at < end && IsBlank(static_cast<unsigned char>(*at))) lineStart |= *at++ == '\n';
    pos_ = const_cast<char*>(at);
    lineStart_ = lineStart;
    if (at < end || !Refill()) return;
  }
}

void PgnReader::SkipLine(std::string* text) {
  for (;;) {
    const void* newline = std::memchr(pos_, '\n', end_ - pos_);
    char* stop = newline != nullptr ? static_cast<char*>(const_cast<void*>(newline)) : end_;
    if (text != nullptr) KeepText(*text, pos_, stop);
    if (newline != nullptr) {
      pos_ = stop + 1;
      lineStart_ = true;
      return;
    }
    pos_ = end_;
    if (!Refill()) return;
  }
}

void PgnReader::SkipBraceComment(std::string* text) {
  ++pos_;  // the '{'
  lineStart_ = false;
  for (;;) {
    const void* close = std::memchr(pos_, '}', end_ - pos_);
    char* stop = close != nullptr ? static_cast<char*>(const_cast<void*>(close)) : end_;
    if (text != nullptr) KeepText(*text, pos_, stop);
    if (close != nullptr) {
      pos_ = stop + 1;
      return;
    }
    pos_ = end_;
    if (!Refill()) return;
  }
}

void PgnReader::KeepText(std::string& text, const char* from, const char* to) {
  const size_t room = kMaxCommentLength > text.size() ? kMaxCommentLength - text.size() : 0;
  text.append(from, std::min(room, static_cast<size_t>(to - from)));
}

// A comment met between plies goes to `aside`, when there is one.
void PgnReader::ReadComment(MovetextAside* aside, bool restOfLine) {
  if (aside == nullptr) {
    restOfLine ? SkipLine() : SkipBraceComment();
    return;
  }
  comment_.clear();
  if (restOfLine) {
    ++pos_;  // the ';' is no part of the comment's text
    lineStart_ = false;
    SkipLine(&comment_);
  } else {
    SkipBraceComment(&comment_);
  }
  aside->OnComment(comment_);
}

// Skips a variation with its nested variations and comments. A '[' opening
// a line ends it early: a variation left open must not swallow the games
// that follow.
void PgnReader::SkipVariation() {
  ++pos_;  // the '('
  lineStart_ = false;
  int depth = 1;
  for (;;) {
    const int c = Peek();
    if (c < 0) return;
    if (c == '\n') {
      lineStart_ = true;
      ++pos_;
      continue;
    }
    if (IsBlank(static_cast<unsigned char>(c))) {
      ++pos_;
      continue;
    }
    if (lineStart_ && c == '[') return;
    if (lineStart_ && c == '%') {
      SkipLine();
      continue;
    }
    lineStart_ = false;
    if (c == '{') {
      SkipBraceComment();
    } else if (c == ';') {
      SkipLine();
    } else {
      ++pos_;
      if (c == '(') {
        ++depth;
      } else if (c == ')' && --depth == 0) {
        return;
      }
    }
  }
}

bool PgnReader::SkipFiller() {
  for (;;) {
    SkipBlanks();
    const int c = Peek();
    if (c < 0) return false;
    if (c == '%' && lineStart_) {
      SkipLine();
    } else if (c == '{') {
      SkipBraceComment();
    } else if (c == ';') {
      SkipLine();
    } else {
      return true;
    }
  }
}

int PgnReader::ReadRawToken(char* token, bool& hasDot) {
  int length = 0;
  bool dot = false;
  for (;;) {
    const char* at = pos_;
    const char* const end = end_;
    while (at < end) {
      const unsigned char c = static_cast<unsigned char>(*at);
      if (kClasses.of[c] & kTokenStop) break;
      dot |= c == '.';
      if (length < kTextSize - 1) token[length++] = static_cast<char>(c);
      ++at;
    }
    pos_ = const_cast<char*>(at);
    if (at < end || !Refill()) {
      token[length] = '\0';
      hasDot = dot;
      return length;
    }
  }
}

PgnReader::TokenEnd PgnReader::ReadPlyToken(char* token, MovetextAside* aside) {
  for (;;) {
    SkipBlanks();
    const int c = Peek();
    if (c < 0) {
      token[0] = '\0';
      return TokenEnd::kEndOfFile;
    }
    if (lineStart_ && c == '[') {
      token[0] = '\0';
      return TokenEnd::kNextGame;
    }
    if (lineStart_ && c == '%') {
      SkipLine();
      continue;
    }
    switch (c) {
      case '{': ReadComment(aside, false); continue;
      case ';': ReadComment(aside, true); continue;
      case '(': SkipVariation(); continue;
      case ')':
      case '}':
        ++pos_;
        lineStart_ = false;
        continue;
      default: break;
    }
    lineStart_ = false;
    bool hasDot = false;
    int length = ReadRawToken(token, hasDot);
    // A numeric annotation glyph ($14; \$14 as some repositories escape it).
    if (token[0] == '$' || (token[0] == '\\' && token[1] == '$')) {
      if (aside != nullptr) aside->OnGlyph(std::atoi(token + (token[0] == '$' ? 1 : 2)));
      continue;
    }
    if (IsAnnotationSign(token, length)) {
      if (aside != nullptr) aside->OnSign(token);
      continue;
    }
    if (hasDot) {
      if (IsEnPassantMark(token)) continue;
      length = StripEnPassantSuffix(token, length);
      length = RemoveMoveNumber(token, length);
    } else if (token[0] == 'e' && token[1] == 'p' && token[2] == '\0') {
      continue;  // en passant mark "ep"
    }
    if (length < 2 && !(length == 1 && token[0] == '*')) continue;
    if (IsBareMoveNumber(token, length)) continue;  // "1 d4 Nf6 2 c4"
    return TokenEnd::kToken;
  }
}

// The tags whose values are kept, by their name.
constexpr std::string_view kNamedTags[static_cast<int>(NamedTag::kCount)] = {
    "FEN", "Variant", "WhiteElo", "BlackElo", "TimeControl", "WhiteClock", "BlackClock", "ECO", "Opening", "Variation",
};

// Keeps the value of a tag of kNamedTags; `name` runs to the end of the
// tag's name in `text`.
void PgnReader::NoteNamedTag(std::string_view name, const char* text) {
  for (int tag = 0; tag < static_cast<int>(NamedTag::kCount); ++tag) {
    if (name != kNamedTags[tag]) continue;
    QuotedTagValue(text, namedTags_[tag]);
    hasNamedTag_[tag] = true;
    return;
  }
}

int PgnReader::ReadTagSection(char (*tagTexts)[kTextSize], int maxTags) {
  for (bool& has : hasNamedTag_) has = false;
  // Names of this section's tags, as hashes, to notice a repeated one.
  constexpr int kTrackedNames = 64;
  uint64_t names[kTrackedNames];
  int nameCount = 0;
  int count = 0;
  for (;;) {
    SkipBlanks();
    int c = Peek();
    if (c < 0) return count;
    if (c == '%' && lineStart_) {
      SkipLine();
      continue;
    }
    if (c != '[') return count;

    const ReaderPosition tagStart = Tell();
    ++pos_;
    lineStart_ = false;
    // The tag's text runs to its ']' outside the quoted value, or to the end
    // of the line for a tag left open.
    char text[kTextSize];
    int length = 0;
    bool quoted = false;
    bool escaped = false;
    bool closed = false;
    while (!closed) {
      if (pos_ == end_ && !Refill()) break;
      const char* at = pos_;
      const char* const end = end_;
      while (at < end) {
        c = static_cast<unsigned char>(*at);
        if (c == '\n') {
          closed = true;
          break;
        }
        ++at;
        if (quoted) {
          if (escaped) {
            escaped = false;
          } else if (c == '\\') {
            escaped = true;
          } else if (c == '"') {
            quoted = false;
          }
        } else if (c == '"') {
          quoted = true;
        } else if (c == ']') {
          closed = true;
          break;
        }
        if (length < kTextSize - 1) text[length++] = static_cast<char>(c);
      }
      pos_ = const_cast<char*>(at);
    }
    while (length > 0 && text[length - 1] == '\r') --length;
    text[length] = '\0';

    // The name: letters, digits and '_' after any blanks.
    const char* name = text;
    while (*name == ' ' || *name == '\t') ++name;
    uint64_t hash = 1469598103934665603ull;
    const char* nameEnd = name;
    for (; *nameEnd != '\0' && *nameEnd != ' ' && *nameEnd != '\t' && *nameEnd != '"'; ++nameEnd) {
      hash = (hash ^ static_cast<unsigned char>(*nameEnd)) * 1099511628211ull;
    }
    for (int i = 0; i < nameCount; ++i) {
      if (names[i] == hash) {
        Seek(tagStart);
        return count;
      }
    }
    if (nameCount < kTrackedNames) names[nameCount++] = hash;
    NoteNamedTag(std::string_view(name, static_cast<size_t>(nameEnd - name)), name);

    if (count < maxTags) std::memcpy(tagTexts[count], text, length + 1);
    ++count;

    // More tags may follow on the same line; anything else there is movetext.
    while ((c = Peek()) == ' ' || c == '\t' || c == '\r') ++pos_;
    if (c == '\n') {
      ++pos_;
      lineStart_ = true;
    }
  }
}
