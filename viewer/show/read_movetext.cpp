// GameIndex::ReadMovetext: reads the movetext of one game into the two ply
// lists.
#include <algorithm>
#include <cstring>

#include "viewer/chess/clock_text.h"
#include "viewer/chess/comment_commands.h"
#include "viewer/show/game_index.h"

namespace {

// Takes what stands between the plies into the notes of the ply before it
// (or of the game, before its first move). A glyph of $1 to $6 also shows
// beside its move, unless the move was written with an annotation already.
class NotesCollector : public MovetextAside {
 public:
  explicit NotesCollector(PlyNotes& beforeFirstMove) : notes_(&beforeFirstMove) {}

  // The notes that come now belong to this ply, written as `displayText`.
  void NowAfter(PlyNotes& notes, char* displayText) {
    notes_ = &notes;
    displayText_ = displayText;
  }

  void OnComment(std::string_view text) override { AddComment(*notes_, text); }
  void OnGlyph(int code) override {
    const bool first = notes_->nag == 0;
    NoteNag(*notes_, code);
    if (!first || notes_->nag == 0 || displayText_ == nullptr) return;
    const size_t length = std::strlen(displayText_);
    if (length > 0 && std::strchr("!?", displayText_[length - 1]) != nullptr) return;
    std::snprintf(displayText_ + length, PgnReader::kTextSize - length, "%s", NagText(notes_->nag));
  }
  void OnSign(const char* sign) override {
    const int code = NagFromText(sign);
    if (code != 0) OnGlyph(code);
  }

 private:
  PlyNotes* notes_;
  char* displayText_ = nullptr;
};

}  // namespace

bool GameIndex::ReadMovetext() {
  const int capacity = static_cast<int>(std::min(plies_.plyList.size(), plies_.plyDisplayList.size()));
  int slot = 0;
  plies_.loadedPlies = 0;
  bool anyToken = false;
  // The notes of each stored ply (kept in place: the room is reserved), and
  // of plies past the lists' room, which nothing shows.
  notes_.plies.reserve(static_cast<size_t>(capacity));
  PlyNotes unshown;
  NotesCollector collector(notes_.beforeFirstMove);
  for (;;) {
    const PgnReader::TokenEnd end = gameFile_.ReadPlyToken(token_, readNotes_ ? &collector : nullptr);
    anyToken = anyToken || end == PgnReader::TokenEnd::kToken;
    if (end != PgnReader::TokenEnd::kToken) {
      // The game ends without a result token: its last slot ends it all the same.
      if (end == PgnReader::TokenEnd::kEndOfFile) endOfFile_ = 1;
      std::strcpy(token_, "*");
    }
    // A game longer than the lists keeps its first plies and its end.
    const bool last = ChessState::IsResultToken(token_);
    if (last) SkipAfterResult();
    if (capacity > 0 && (slot < capacity - 1 || last)) {
      const int index = slot < capacity ? slot : capacity - 1;
      std::memcpy(plies_.plyList[index].text, token_, sizeof token_);
      std::memcpy(plies_.plyDisplayList[index].text, token_, sizeof token_);
      plies_.loadedPlies = static_cast<int16_t>(index + 1);
      if (readNotes_) {
        if (notes_.plies.size() < static_cast<size_t>(index + 1)) notes_.plies.resize(static_cast<size_t>(index + 1));
        collector.NowAfter(notes_.plies[static_cast<size_t>(index)], plies_.plyDisplayList[index].text);
      }
    } else if (readNotes_) {
      unshown = PlyNotes();
      collector.NowAfter(unshown, nullptr);
    }
    if (last) return anyToken;
    if (slot < capacity) ++slot;
  }
}
