// ResolvePly: turns one normalised ply text into board changes and the
// ply's animation record.
//
// It is a replay aid, not a rules engine: the moving piece is found by
// looking outward from the destination square in a fixed order, and the
// first piece that fits moves. Only a piece pinned to its own king is
// passed over, when another one fits.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "viewer/chess/chess_state.h"

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

inline bool OnBoard(int row, int column) { return row >= 0 && row < 8 && column >= 0 && column < 8; }
inline int Index(int row, int column) { return row * 8 + column; }
inline bool IsFile(char c) { return c >= 'a' && c <= 'h'; }
inline bool IsRank(char c) { return c >= '1' && c <= '8'; }
inline int Sign(int value) { return (value > 0) - (value < 0); }

inline unsigned char OwnLetter(char upper, int16_t side) {
  return static_cast<unsigned char>(side == ChessState::kWhite ? std::tolower(upper) : upper);
}

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
  const unsigned char king = OwnLetter('K', side);
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
  for (; Index(row, column) != origin; row += stepRow, column += stepColumn) {
    if (board[Index(row, column)] != kBlankSquare) return false;
  }
  for (row += stepRow, column += stepColumn; OnBoard(row, column); row += stepRow, column += stepColumn) {
    const unsigned char letter = board[Index(row, column)];
    if (letter == kBlankSquare) continue;
    const bool straight = stepRow == 0 || stepColumn == 0;
    const unsigned char queen = OwnLetter('Q', 1 - side);
    const unsigned char slider = OwnLetter(straight ? 'R' : 'B', 1 - side);
    return letter == queen || letter == slider;
  }
  return false;
}

}  // namespace

void ChessState::ResolvePly(int16_t side) {
  char* text = plyText;
  text[sizeof plyText - 1] = '\0';
  int length = static_cast<int>(std::strlen(text));
  plyAnimation.pieceKind = kPawn;
  int fileHint = -1, rankHint = -1;
  char promotion = 0;

  // Promotion suffix: e8=Q, e8Q, ed8=Q, and e8=q as some files write it.
  const bool lowercasePromotion =
      length > 1 && std::strchr("qrbn", text[length - 1]) != nullptr && text[length - 2] == '=';
  if (length > 0 && (std::isupper(static_cast<unsigned char>(text[length - 1])) || lowercasePromotion) &&
      IsFile(text[0])) {
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
  if (length == 5 && std::strchr("RNBQK", text[0]) != nullptr && IsFile(text[1]) && IsRank(text[2]) &&
      IsFile(text[3]) && IsRank(text[4])) {
    fileHint = text[1] - 'a';
    rankHint = '8' - text[2];
    EraseAt(text, 1);
    EraseAt(text, 1);
    length = 3;
  }
  // Only a queen, rook, bishop or knight can be promoted to, whatever case
  // the letter was written in.
  promotion = static_cast<char>(std::toupper(static_cast<unsigned char>(promotion)));
  if (promotion != 0 && std::strchr("QRBN", promotion) == nullptr) RaiseUnknownPiece(side, text);

  const int backRow = side == kWhite ? 7 : 0;
  const bool kingSide = std::strcmp(text, "O-O") == 0 || std::strcmp(text, "0-0") == 0;
  const bool queenSide = std::strcmp(text, "O-O-O") == 0 || std::strcmp(text, "0-0-0") == 0;
  int originRow = 0, originColumn = 0, destinationRow = 0, destinationColumn = 0;

  if (kingSide || queenSide) {
    unsigned char* row = board + Index(backRow, 0);
    unsigned char* pending = pendingSquares + Index(backRow, 0);
    unsigned char* marks = squareMarks + Index(backRow, 0);
    if (kingSide) {
      row[4] = row[7] = kBlankSquare;
      pending[5] = OwnLetter('R', side);
      pending[6] = OwnLetter('K', side);
      marks[4] = marks[5] = marks[6] = marks[7] = kTouchedMark;
    } else {
      row[0] = row[4] = kBlankSquare;
      pending[2] = OwnLetter('K', side);
      pending[3] = OwnLetter('R', side);
      marks[0] = marks[2] = marks[3] = marks[4] = kTouchedMark;
    }
    castlingFlag = 1;
    plyAnimation.pieceKind = kKing;
    originRow = destinationRow = backRow;
    originColumn = 4;
    destinationColumn = kingSide ? 6 : 2;
  } else if (length == 2 || (length == 3 && IsFile(text[0]))) {
    // Pawn push "fd" or pawn capture "gfd".
    const bool capture = length == 3;
    const char* square = text + (capture ? 1 : 0);
    if (!IsFile(square[0]) || !IsRank(square[1]) || (capture && !IsFile(text[0]))) RaiseNoPawn(side);
    destinationColumn = square[0] - 'a';
    destinationRow = '8' - square[1];
    const unsigned char pawn = OwnLetter('P', side);
    const unsigned char arriving = promotion != 0 ? OwnLetter(promotion, side) : pawn;
    const int towardOrigin = side == kWhite ? 1 : -1;
    const int destination = Index(destinationRow, destinationColumn);
    if (capture) {
      originColumn = text[0] - 'a';
      originRow = destinationRow + towardOrigin;
      if (!OnBoard(originRow, originColumn) || board[Index(originRow, originColumn)] != pawn) RaiseNoPawn(side);
      if (board[destination] == kBlankSquare) {
        // En passant: the passed pawn leaves at once, without a tray.
        board[Index(destinationRow + towardOrigin, destinationColumn)] = kBlankSquare;
      }
      pendingSquares[destination] = arriving;
    } else {
      pendingSquares[destination] = arriving;
      const int lastRow = side == kWhite ? 7 : 1;
      bool found = false;
      for (int row = destinationRow + towardOrigin; OnBoard(row, 0) && row != lastRow + towardOrigin;
           row += towardOrigin) {
        if (board[Index(row, destinationColumn)] == pawn) {
          originRow = row;
          found = true;
          break;
        }
      }
      if (!found) RaiseNoPawn(side);
      originColumn = destinationColumn;
    }
    board[Index(originRow, originColumn)] = kBlankSquare;
  } else if (length == 3) {
    // Piece move "Xfd".
    const char piece = text[0];
    if (std::strchr("RNBQK", piece) == nullptr || !IsFile(text[1]) || !IsRank(text[2])) {
      RaiseUnknownPiece(side, text);
    }
    destinationColumn = text[1] - 'a';
    destinationRow = '8' - text[2];
    const int destination = Index(destinationRow, destinationColumn);
    const unsigned char own = OwnLetter(piece, side);
    auto fits = [&](int row, int column) {
      return board[Index(row, column)] == own && (fileHint < 0 || column == fileHint) &&
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
        if (piece == 'K' ? board[Index(row, column)] == own : fits(row, column)) {
          candidates[candidateCount++] = Index(row, column);
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
      plyAnimation.pieceKind = piece == 'N' ? kKnight : kKing;
    } else {
      const Offset* rays = piece == 'R' ? kRookRays : piece == 'B' ? kBishopRays : kQueenRays;
      const int rayCount = piece == 'Q' ? 8 : 4;
      int lastExamined = -1;
      for (int i = 0; i < rayCount; ++i) {
        int row = destinationRow + rays[i].row, column = destinationColumn + rays[i].column;
        if (!OnBoard(row, column)) continue;
        while (board[Index(row, column)] == kBlankSquare && OnBoard(row + rays[i].row, column + rays[i].column)) {
          row += rays[i].row;
          column += rays[i].column;
        }
        lastExamined = Index(row, column);
        const bool fitting = fits(row, column);
        if (fitting) candidates[candidateCount++] = lastExamined;
        // The last ray's square is taken without a test.
        if (origin < 0 && (fitting || i == rayCount - 1)) origin = lastExamined;
      }
      if (origin < 0) origin = lastExamined;
      if (origin < 0 || board[origin] != own) RaiseUnknownPiece(side, text);
      plyAnimation.pieceKind = piece == 'R' ? kRook : piece == 'B' ? kBishop : kQueen;
    }

    // A pinned piece stays when another one fits.
    if (candidateCount > 1 && origin == candidates[0] && IsPinned(board, origin, destination, side)) {
      for (int i = 1; i < candidateCount; ++i) {
        if (!IsPinned(board, candidates[i], destination, side)) {
          origin = candidates[i];
          break;
        }
      }
    }
    originRow = origin / 8;
    originColumn = origin % 8;
    pendingSquares[destination] = own;
    board[origin] = kBlankSquare;
  } else {
    RaiseLength(side, text);
  }

  if (!(kingSide || queenSide)) {
    squareMarks[Index(destinationRow, destinationColumn)] = kTouchedMark;
    squareMarks[Index(originRow, originColumn)] = kTouchedMark;
  }

  // Animation record.
  const int speed = speedSetting < 0 ? 0 : speedSetting;
  const float step = static_cast<float>(1 + (5 * speed) / 12);
  const int columnDelta = destinationColumn - originColumn;
  const int rowDelta = destinationRow - originRow;
  plyAnimation.fromX = SquareX(originColumn);
  plyAnimation.fromY = SquareY(originRow);
  plyAnimation.toX = SquareX(destinationColumn);
  plyAnimation.toY = SquareY(destinationRow);
  plyAnimation.midX = static_cast<int16_t>(originColumn * 50 + 101 + columnDelta * 25);
  plyAnimation.midY = static_cast<int16_t>(originRow * 50 + 50 + rowDelta * 25);
  plyAnimation.stepX = static_cast<float>(Sign(columnDelta)) * step;
  plyAnimation.stepY = static_cast<float>(Sign(rowDelta)) * step;
  if (plyAnimation.pieceKind == kKnight) {
    if (std::abs(columnDelta) > std::abs(rowDelta)) {
      plyAnimation.stepY *= 0.5f;
    } else {
      plyAnimation.stepX *= 0.5f;
    }
  }

  // Copies for the take-back.
  lastPly = plyAnimation;
  lastSource.column = static_cast<int16_t>(originColumn);
  lastSource.row = static_cast<int16_t>(originRow);
  std::memcpy(lastMarks, squareMarks, sizeof lastMarks);
  std::memcpy(lastTrays.white, capturedWhite, sizeof lastTrays.white);
  std::memcpy(lastTrays.black, capturedBlack, sizeof lastTrays.black);
}
