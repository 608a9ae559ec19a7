// ResolvePly: turns one normalised ply text into board changes and the
// ply's animation record.
//
// It is a replay aid, not a rules engine: the moving piece is found by
// looking outward from the destination square in a fixed order, and the
// first piece that fits moves. Only a piece pinned to its own king is
// passed over, when another one fits.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "viewer/chess/castling_move.h"
#include "viewer/chess/chess_state.h"
#include "viewer/chess/coordinate_move.h"

namespace {

struct Offset {
  int row, column;
};

// Ray directions of the sliding pieces, in search order.
const Offset kRookRays[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
const Offset kBishopRays[] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
const Offset kQueenRays[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
const Offset kKnightJumps[] = {{-1, -2}, {-2, -1}, {-1, 2}, {-2, 1}, {1, -2}, {2, -1}, {1, 2}, {2, 1}};
const Offset kKingSteps[] = {{0, -1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {1, 1}, {1, 0}, {1, -1}};

inline bool IsFile(char c) { return c >= 'a' && c <= 'h'; }
inline bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
// R N B Q K: the letters of a piece move.
inline bool IsPieceLetter(char c) { return c == 'R' || c == 'N' || c == 'B' || c == 'Q' || c == 'K'; }
inline bool IsRank(char c) { return c >= '1' && c <= '8'; }
inline int Sign(int value) { return (value > 0) - (value < 0); }

// The side's failures, in the texts the user sees.
[[noreturn]] void RaiseNoPawn(int16_t side) {
  throw FatalError(side == ChessState::kWhite ? "no white pawn found error!" : "no black pawn found error!");
}

[[noreturn]] void RaiseLength(int16_t side, const char* text) {
  if (side == ChessState::kWhite) {
    throw FatalError::Format("Flllllllluuuuuuubbbbbeeee! %d", static_cast<int>(std::strlen(text)));
  }
  throw FatalError::Format("ERROR - Black Couldn't show move %s", text);
}

[[noreturn]] void RaiseUnknownPiece(int16_t side, const char* text) {
  if (side == ChessState::kWhite) throw FatalError("Raaaaaaawwrr!");
  throw FatalError::Format("ERROR - Black Couldn't show move %s", text);
}

void EraseAt(char* text, int position) {
  std::memmove(text + position, text + position + 1, std::strlen(text + position));
}

// True when the piece on `origin` shields its own king from an enemy rook,
// bishop or queen, and moving it to `destination` would leave that line.
bool IsPinned(const Board& board, int origin, int destination, int16_t side) {
  const unsigned char king = SideLetter('K', side);
  const void* found = std::memchr(board, king, 64);
  if (found == nullptr) return false;
  const int kingSquare = static_cast<int>(static_cast<const unsigned char*>(found) - board);
  const int kingRow = kingSquare / 8, kingColumn = kingSquare % 8;
  const int rowDelta = origin / 8 - kingRow, columnDelta = origin % 8 - kingColumn;
  if (origin == kingSquare) return false;
  if (rowDelta != 0 && columnDelta != 0 && std::abs(rowDelta) != std::abs(columnDelta)) return false;
  const int stepRow = Sign(rowDelta), stepColumn = Sign(columnDelta);

  // A move along the same line keeps the king covered.
  const int destinationRow = destination / 8 - kingRow, destinationColumn = destination % 8 - kingColumn;
  const int distance = std::max(std::abs(destinationRow), std::abs(destinationColumn));
  if (distance > 0 && destinationRow == stepRow * distance && destinationColumn == stepColumn * distance) {
    return false;
  }

  int row = kingRow + stepRow, column = kingColumn + stepColumn;
  for (; SquareAt(row, column) != origin; row += stepRow, column += stepColumn) {
    if (board[SquareAt(row, column)] != kBlankSquare) return false;
  }
  for (row += stepRow, column += stepColumn; OnBoard(row, column); row += stepRow, column += stepColumn) {
    const unsigned char letter = board[SquareAt(row, column)];
    if (letter == kBlankSquare) continue;
    const bool straight = stepRow == 0 || stepColumn == 0;
    const unsigned char queen = SideLetter('Q', 1 - side);
    const unsigned char slider = SideLetter(straight ? 'R' : 'B', 1 - side);
    return letter == queen || letter == slider;
  }
  return false;
}

// The animation record of a slide from one square to another: the
// sprite's corners, the halfway point and the step per frame for the piece
// speed (0 slowest to 20 fastest). A knight's shorter leg moves at half the
// step, so that both legs end together.
PlyAnimation SlideBetween(int originRow, int originColumn, int destinationRow, int destinationColumn, int16_t kind,
                          int16_t speedSetting) {
  PlyAnimation slide;
  slide.pieceKind = kind;
  const int speed = speedSetting < 0 ? 0 : speedSetting;
  const float step = static_cast<float>(1 + (5 * speed) / 12);
  const int columnDelta = destinationColumn - originColumn;
  const int rowDelta = destinationRow - originRow;
  slide.fromX = SquareX(originColumn);
  slide.fromY = SquareY(originRow);
  slide.toX = SquareX(destinationColumn);
  slide.toY = SquareY(destinationRow);
  // Halfway along the path, in whole pixels.
  constexpr int kHalfSquare = frame_geometry::kSquareSize / 2;
  slide.midX = static_cast<int16_t>(static_cast<int>(SquareX(originColumn)) + columnDelta * kHalfSquare);
  slide.midY = static_cast<int16_t>(static_cast<int>(SquareY(originRow)) + rowDelta * kHalfSquare);
  slide.stepX = static_cast<float>(Sign(columnDelta)) * step;
  slide.stepY = static_cast<float>(Sign(rowDelta)) * step;
  if (kind == kKnight) {
    if (std::abs(columnDelta) > std::abs(rowDelta)) {
      slide.stepY *= 0.5f;
    } else {
      slide.stepX *= 0.5f;
    }
  }
  return slide;
}

// The squares of the pieces `own` that stand on a ray from `destination`
// with nothing between, and agree with the hints (-1: none), in the order
// of the rays: what walking the rays from the destination would find.
int FindSliders(const Board& board, unsigned char own, int destination, const Offset* rays, int rayCount, int fileHint,
                int rankHint, int (&found)[8]) {
  int rayOf[8];
  int count = 0;
  const int destinationRow = destination / 8, destinationColumn = destination % 8;
  for (const unsigned char* at = board; (at = static_cast<const unsigned char*>(
                                             std::memchr(at, own, static_cast<size_t>(board + 64 - at)))) != nullptr;) {
    const int square = static_cast<int>(at++ - board);
    const int row = square / 8, column = square % 8;
    if ((fileHint >= 0 && column != fileHint) || (rankHint >= 0 && row != rankHint)) continue;
    const int rowDelta = row - destinationRow, columnDelta = column - destinationColumn;
    if (rowDelta == 0 && columnDelta == 0) continue;
    if (rowDelta != 0 && columnDelta != 0 && std::abs(rowDelta) != std::abs(columnDelta)) continue;
    const Offset step = {Sign(rowDelta), Sign(columnDelta)};
    int ray = 0;
    while (ray < rayCount && (rays[ray].row != step.row || rays[ray].column != step.column)) ++ray;
    if (ray == rayCount) continue;
    int between = destination + 8 * step.row + step.column;
    while (between != square && board[between] == kBlankSquare) between += 8 * step.row + step.column;
    if (between != square || count == 8) continue;
    // In ray order.
    int place = count++;
    for (; place > 0 && rayOf[place - 1] > ray; --place) {
      rayOf[place] = rayOf[place - 1];
      found[place] = found[place - 1];
    }
    rayOf[place] = ray;
    found[place] = square;
  }
  return count;
}

}  // namespace

void ChessState::ResolvePly(int16_t side) {
  char* text = plyText_;
  text[sizeof plyText_ - 1] = '\0';
  int length = static_cast<int>(std::strlen(text));
  plyAnimation_.pieceKind = kPawn;
  nullMove_ = false;
  hasSecondSlide_ = false;
  // The other notations of real files name both squares, or no move.
  // (Both squares take four characters; a null move two.)
  CoordinateMove coordinates;
  if ((length >= 4 || (length == 2 && !IsFile(text[0]))) && ReadCoordinateMove(text, coordinates)) {
    ResolveCoordinateMove(side, coordinates);
    return;
  }
  int fileHint = -1, rankHint = -1;
  char promotion = 0;

  // Promotion suffix: e8=Q, e8Q, ed8=Q, and e8=q as some files write it.
  const bool lowercasePromotion =
      length > 1 && text[length - 2] == '=' && std::memchr("qrbn", text[length - 1], 4) != nullptr;
  if (length > 0 && (IsUpper(text[length - 1]) || lowercasePromotion) && IsFile(text[0])) {
    promotion = text[--length];
    text[length] = '\0';
    if (length > 0 && text[length - 1] == '=') text[--length] = '\0';
  }
  // One-character disambiguation: Nbd7, R1e2.
  if (length == 4) {
    if (IsFile(text[1])) {
      fileHint = text[1] - 'a';
      EraseAt(text, 1);
      --length;
    } else if (IsRank(text[1])) {
      rankHint = '8' - text[1];
      EraseAt(text, 1);
      --length;
    }
  }
  // Late promotion form.
  if (length == 5 && text[3] == '=') {
    promotion = text[4];
    text[3] = '\0';
    length = 3;
  }
  // Two-character disambiguation: Qh4e1 names the square the piece stands on.
  if (length == 5 && IsPieceLetter(text[0]) && IsFile(text[1]) && IsRank(text[2]) && IsFile(text[3]) &&
      IsRank(text[4])) {
    fileHint = text[1] - 'a';
    rankHint = '8' - text[2];
    EraseAt(text, 1);
    EraseAt(text, 1);
    length = 3;
  }
  // Only a queen, rook, bishop or knight can be promoted to, whatever case
  // the letter was written in.
  if (promotion >= 'a' && promotion <= 'z') promotion = static_cast<char>(promotion - 'a' + 'A');
  if (promotion != 0 && (!IsPieceLetter(promotion) || promotion == 'K')) RaiseUnknownPiece(side, text);

  const bool castles = text[0] == 'O' || text[0] == '0';
  const bool kingSide = castles && (std::strcmp(text, "O-O") == 0 || std::strcmp(text, "0-0") == 0);
  const bool queenSide = castles && (std::strcmp(text, "O-O-O") == 0 || std::strcmp(text, "0-0-0") == 0);
  int originRow = 0, originColumn = 0, destinationRow = 0, destinationColumn = 0;

  if (kingSide || queenSide) {
    ResolveCastling(side, kingSide ? kKingSide : kQueenSide);
    return;
  } else if (length == 2 || (length == 3 && IsFile(text[0]))) {
    // Pawn push "fd" or pawn capture "gfd".
    const bool capture = length == 3;
    const char* square = text + (capture ? 1 : 0);
    if (!IsFile(square[0]) || !IsRank(square[1]) || (capture && !IsFile(text[0]))) RaiseNoPawn(side);
    destinationColumn = square[0] - 'a';
    destinationRow = '8' - square[1];
    const unsigned char pawn = SideLetter('P', side);
    const unsigned char arriving = promotion != 0 ? SideLetter(promotion, side) : pawn;
    const int towardOrigin = side == kWhite ? 1 : -1;
    const int destination = SquareAt(destinationRow, destinationColumn);
    if (capture) {
      originColumn = text[0] - 'a';
      originRow = destinationRow + towardOrigin;
      if (!OnBoard(originRow, originColumn) || board_[SquareAt(originRow, originColumn)] != pawn) RaiseNoPawn(side);
      if (board_[destination] == kBlankSquare) {
        // En passant: the passed pawn leaves at once, without a tray.
        board_[SquareAt(destinationRow + towardOrigin, destinationColumn)] = kBlankSquare;
      }
      SetPending(destination, arriving);
    } else {
      SetPending(destination, arriving);
      const int lastRow = side == kWhite ? 7 : 1;
      bool found = false;
      for (int row = destinationRow + towardOrigin; OnBoard(row, 0) && row != lastRow + towardOrigin;
           row += towardOrigin) {
        if (board_[SquareAt(row, destinationColumn)] == pawn) {
          originRow = row;
          found = true;
          break;
        }
      }
      if (!found) RaiseNoPawn(side);
      originColumn = destinationColumn;
    }
    board_[SquareAt(originRow, originColumn)] = kBlankSquare;
  } else if (length == 3) {
    // Piece move "Xfd".
    const char piece = text[0];
    if (!IsPieceLetter(piece) || !IsFile(text[1]) || !IsRank(text[2])) {
      RaiseUnknownPiece(side, text);
    }
    destinationColumn = text[1] - 'a';
    destinationRow = '8' - text[2];
    const int destination = SquareAt(destinationRow, destinationColumn);
    const unsigned char own = SideLetter(piece, side);
    auto fits = [&](int row, int column) {
      return board_[SquareAt(row, column)] == own && (fileHint < 0 || column == fileHint) &&
             (rankHint < 0 || row == rankHint);
    };

    // Squares that fit, in the order of preference of the search, and the
    // square the search itself settles on.
    int candidates[8];
    int candidateCount = 0;
    int origin = -1;
    if (piece == 'N' || piece == 'K') {
      const Offset* offsets = piece == 'N' ? kKnightJumps : kKingSteps;
      for (int i = 0; i < 8; ++i) {
        const int row = destinationRow + offsets[i].row, column = destinationColumn + offsets[i].column;
        if (!OnBoard(row, column)) continue;
        if (piece == 'K' ? board_[SquareAt(row, column)] == own : fits(row, column)) {
          candidates[candidateCount++] = SquareAt(row, column);
        }
      }
      if (candidateCount == 0) RaiseUnknownPiece(side, text);
      if (piece == 'N') {
        // The last knight found wins; prefer from the last backwards.
        for (int i = 0, j = candidateCount - 1; i < j; ++i, --j) std::swap(candidates[i], candidates[j]);
      } else {
        candidateCount = 1;
      }
      origin = candidates[0];
      plyAnimation_.pieceKind = piece == 'N' ? kKnight : kKing;
    } else {
      const Offset* rays = piece == 'R' ? kRookRays : piece == 'B' ? kBishopRays : kQueenRays;
      const int rayCount = piece == 'Q' ? 8 : 4;
      // The pieces that fit, in the order of their rays: found from the
      // pieces themselves; the walk along every ray settles the rest (no
      // piece fits: the last ray's square is taken as it is).
      candidateCount = FindSliders(board_, own, destination, rays, rayCount, fileHint, rankHint, candidates);
      if (candidateCount > 0) origin = candidates[0];
      int lastExamined = -1;
      for (int i = 0; i < rayCount && candidateCount == 0; ++i) {
        int row = destinationRow + rays[i].row, column = destinationColumn + rays[i].column;
        if (!OnBoard(row, column)) continue;
        while (board_[SquareAt(row, column)] == kBlankSquare && OnBoard(row + rays[i].row, column + rays[i].column)) {
          row += rays[i].row;
          column += rays[i].column;
        }
        lastExamined = SquareAt(row, column);
        const bool fitting = fits(row, column);
        if (fitting) candidates[candidateCount++] = lastExamined;
        // The last ray's square is taken without a test.
        if (origin < 0 && (fitting || i == rayCount - 1)) origin = lastExamined;
      }
      if (origin < 0) origin = lastExamined;
      if (origin < 0 || board_[origin] != own) RaiseUnknownPiece(side, text);
      plyAnimation_.pieceKind = piece == 'R' ? kRook : piece == 'B' ? kBishop : kQueen;
    }

    // A pinned piece stays when another one fits.
    if (candidateCount > 1 && origin == candidates[0] && IsPinned(board_, origin, destination, side)) {
      for (int i = 1; i < candidateCount; ++i) {
        if (!IsPinned(board_, candidates[i], destination, side)) {
          origin = candidates[i];
          break;
        }
      }
    }
    originRow = origin / 8;
    originColumn = origin % 8;
    SetPending(destination, own);
    board_[origin] = kBlankSquare;
  } else {
    RaiseLength(side, text);
  }

  FinishPly(originRow, originColumn, destinationRow, destinationColumn, false);
}

void ChessState::FinishPly(int originRow, int originColumn, int destinationRow, int destinationColumn, bool castling) {
  lastSource_.column = static_cast<int16_t>(originColumn);
  lastSource_.row = static_cast<int16_t>(originRow);
  lastDestination_.column = static_cast<int16_t>(destinationColumn);
  lastDestination_.row = static_cast<int16_t>(destinationRow);
  // Only Chess960 castling looks at the rights.
  if (start_.chess960) {
    UpdateCastlingRights(castlingRights_, SquareAt(originRow, originColumn),
                         SquareAt(destinationRow, destinationColumn));
  }
  if (!presenting_) return;

  if (!castling) {
    squareMarks_[SquareAt(destinationRow, destinationColumn)] = kTouchedMark;
    squareMarks_[SquareAt(originRow, originColumn)] = kTouchedMark;
  }
  const int16_t kind = plyAnimation_.pieceKind;
  plyAnimation_ = SlideBetween(originRow, originColumn, destinationRow, destinationColumn, kind, speedSetting_);
  // Copies for the take-back.
  lastPly_ = plyAnimation_;
  std::memcpy(lastMarks_, squareMarks_, sizeof lastMarks_);
  std::memcpy(lastTrays_.white, capturedWhite_, sizeof lastTrays_.white);
  std::memcpy(lastTrays_.black, capturedBlack_, sizeof lastTrays_.black);
}

// Castling: standard chess moves the king from e to g or c and the rook from
// h to f or a to d; Chess960 finds both where they stand. Both leave their
// squares at once; they show on their new squares when the ply lands.
void ChessState::ResolveCastling(int16_t side, int wing) {
  const int backRow = side == kWhite ? 7 : 0;
  CastlingSquares squares;
  if (start_.chess960) {
    if (!FindCastlingSquares(board_, side, wing, castlingRights_, squares)) RaiseUnknownPiece(side, plyText_);
  } else {
    const bool kingSide = wing == kKingSide;
    squares.kingFrom = static_cast<int8_t>(SquareAt(backRow, 4));
    squares.kingTo = static_cast<int8_t>(SquareAt(backRow, kingSide ? 6 : 2));
    squares.rookFrom = static_cast<int8_t>(SquareAt(backRow, kingSide ? 7 : 0));
    squares.rookTo = static_cast<int8_t>(SquareAt(backRow, kingSide ? 5 : 3));
  }
  board_[squares.kingFrom] = board_[squares.rookFrom] = kBlankSquare;
  SetPending(squares.kingTo, SideLetter('K', side));
  SetPending(squares.rookTo, SideLetter('R', side));
  for (int square : {squares.kingFrom, squares.kingTo, squares.rookFrom, squares.rookTo}) {
    squareMarks_[square] = kTouchedMark;
  }
  castlingFlag_ = 1;
  // The king's path is the ply's; in Chess960 the rook then slides on its
  // own, and when the king stays where it is the rook's path is the ply's.
  const bool kingMoves = squares.kingFrom != squares.kingTo;
  const int from = kingMoves || !start_.chess960 ? squares.kingFrom : squares.rookFrom;
  const int to = kingMoves || !start_.chess960 ? squares.kingTo : squares.rookTo;
  plyAnimation_.pieceKind = from == squares.kingFrom ? kKing : kRook;
  FinishPly(from / 8, from % 8, to / 8, to % 8, true);
  if (start_.chess960) UpdateCastlingRights(castlingRights_, squares.rookFrom, squares.rookTo);
  if (start_.chess960 && kingMoves && squares.rookFrom != squares.rookTo) {
    hasSecondSlide_ = true;
    secondSlide_ = SlideBetween(squares.rookFrom / 8, squares.rookFrom % 8, squares.rookTo / 8, squares.rookTo % 8,
                                kRook, speedSetting_);
  }
}

// A move whose two squares are written: the piece on the first goes to the
// second; a pawn taking onto an empty square takes en passant; a king onto
// its own rook, or two files toward g or c, castles.
void ChessState::ResolveCoordinateMove(int16_t side, const CoordinateMove& move) {
  if (move.kind == CoordinateMove::kNullMove) {
    nullMove_ = true;
    lastSource_.column = lastSource_.row = -1;
    lastDestination_ = lastSource_;
    lastPly_ = plyAnimation_ = PlyAnimation();
    std::memcpy(lastMarks_, squareMarks_, sizeof lastMarks_);
    std::memcpy(lastTrays_.white, capturedWhite_, sizeof lastTrays_.white);
    std::memcpy(lastTrays_.black, capturedBlack_, sizeof lastTrays_.black);
    return;
  }
  const unsigned char moving = board_[move.from];
  static const char kPieces[] = "PRNBQK";
  const char* kind = moving != 0 ? std::strchr(kPieces, std::toupper(moving)) : nullptr;
  if (kind == nullptr || moving != SideLetter(*kind, side)) {
    if (move.piece == 'P' || (move.piece == 0 && move.promotion != 0)) RaiseNoPawn(side);
    RaiseUnknownPiece(side, plyText_);
  }
  int wing = 0;
  if (*kind == 'K' && IsCastlingKingMove(board_, side, move.from, move.to, wing)) {
    ResolveCastling(side, wing);
    return;
  }
  const int fromRow = move.from / 8, fromColumn = move.from % 8;
  const int toRow = move.to / 8, toColumn = move.to % 8;
  // "PRNBQK" is in the order of the kind codes.
  plyAnimation_.pieceKind = static_cast<int16_t>(kind - kPieces);
  unsigned char arriving = moving;
  if (*kind == 'P') {
    if (fromColumn != toColumn && board_[move.to] == kBlankSquare) {
      // En passant: the passed pawn leaves at once, without a tray.
      board_[SquareAt(fromRow, toColumn)] = kBlankSquare;
    }
    if (move.promotion != 0) arriving = SideLetter(move.promotion, side);
  }
  SetPending(move.to, arriving);
  board_[move.from] = kBlankSquare;
  FinishPly(fromRow, fromColumn, toRow, toColumn, false);
}

void ChessState::ResolvePly(int16_t side, const char* text) {
  if (text != plyText_) std::snprintf(plyText_, sizeof plyText_, "%s", text);
  ResolvePly(side);
}
