#!/usr/bin/env node
// make_setup_games.mjs: writes games from set-up positions and Chess960
// starts, with the final position of each as chessops (an independent chess
// library) plays them, for TarnwicketCheck's known-answer test:
//
//   npm install chessops@0.15.1 chess.js@1.4.0 --prefix /some/folder
//   NODE_PATH=/some/folder/node_modules node tools/fen_cases/make_setup_games.mjs
//
// Files written into tests/data/pgn/:
//   setup-and-chess960-games.pgn           the games
//   setup-and-chess960-games.expected.tsv  their final positions, by the
//                                          shared corpus's oracle960.mjs
// Every random choice comes from one seeded generator, so the files come
// out the same on every run. The games cover: Chess960 starts with X-FEN and
// with Shredder-FEN rights; every kind of Chess960 castling (the king or the
// rook already on its square, king and rook swapping squares, inner rooks);
// set-up positions with Black to move first and with an en passant square;
// three queens where SAN needs both hints; games of no ply; and moves written
// in long algebraic and from-to notation and move numbers without periods.
import fs from 'fs';
import path from 'path';
import { fileURLToPath, pathToFileURL } from 'url';

const here = path.dirname(fileURLToPath(import.meta.url));
const out = path.join(here, '..', '..', 'tests', 'data', 'pgn');
const oracle = await import(pathToFileURL(path.join(here, '..', '..', '..', 'shared', 'corpus', 'tools', 'oracle960.mjs')).href);
const { C } = oracle;
const { parseFen, makeFen } = C.fen;
const { Chess } = C.chess;
const { makeSan } = C.san;
const { makeSquare } = C.util;

// mulberry32: a small seeded generator.
let seed = 0x960c0de;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const chance = (p) => random() < p;
const FILES = 'abcdefgh';

// Chess960 start number n (0..959, 518 = the standard start), as its back rank.
function chess960BackRank(n) {
  const rank = Array(8).fill(null);
  rank[2 * (n % 4) + 1] = 'B';
  n = Math.floor(n / 4);
  rank[2 * (n % 4)] = 'B';
  n = Math.floor(n / 4);
  const free = () => rank.map((p, i) => (p ? -1 : i)).filter((i) => i >= 0);
  rank[free()[n % 6]] = 'Q';
  n = Math.floor(n / 6);
  const knights = [[0, 1], [0, 2], [0, 3], [0, 4], [1, 2], [1, 3], [1, 4], [2, 3], [2, 4], [3, 4]][n];
  const f = free();
  rank[f[knights[0]]] = 'N';
  rank[f[knights[1]]] = 'N';
  const rest = free();
  rank[rest[0]] = 'R';
  rank[rest[1]] = 'K';
  rank[rest[2]] = 'R';
  return rank.join('');
}

function shredderRights(backRank) {
  const files = [];
  for (let i = 7; i >= 0; i--) if (backRank[i] === 'R') files.push(FILES[i]);
  return files.map((f) => f.toUpperCase()).join('') + files.join('');
}

// All legal moves, promotions to every piece.
function legalMoves(pos) {
  const moves = [];
  for (const [from, dests] of pos.allDests()) {
    for (const to of dests) {
      const piece = pos.board.get(from);
      if (piece.role === 'pawn' && (to < 8 || to >= 56)) {
        for (const promotion of ['queen', 'knight', 'rook', 'bishop']) moves.push({ from, to, promotion });
      } else {
        moves.push({ from, to });
      }
    }
  }
  return moves;
}

const isCastling = (pos, m) => pos.board.king.has(m.from) && pos.board[pos.turn].has(m.to);

// How a move is written: SAN, long algebraic (e2-e4, Ng1xf3) or from-to (e2e4, e7e8q).
function written(pos, move, notation) {
  if (notation === 'san' || isCastling(pos, move)) return makeSan(pos, move);
  const piece = pos.board.get(move.from);
  const capture = pos.board.has(move.to) || (piece.role === 'pawn' && move.from % 8 !== move.to % 8);
  const promo = move.promotion ? { queen: 'q', rook: 'r', bishop: 'b', knight: 'n' }[move.promotion] : '';
  if (notation === 'uci') return makeSquare(move.from) + makeSquare(move.to) + promo;
  const letter = piece.role === 'pawn' ? '' : { knight: 'N', bishop: 'B', rook: 'R', queen: 'Q', king: 'K' }[piece.role];
  return letter + makeSquare(move.from) + (capture ? 'x' : '-') + makeSquare(move.to) + (promo ? '=' + promo.toUpperCase() : '');
}

// Movetext of random legal moves from `pos` (castling taken half the time it
// is there), numbered from the position's move number.
function randomMovetext(pos, plies, notation, prefer = () => false) {
  const tokens = [];
  let number = pos.fullmoves;
  for (let i = 0; i < plies && !pos.isEnd(); i++) {
    const moves = legalMoves(pos);
    const castles = moves.filter((m) => isCastling(pos, m));
    const preferred = moves.filter((m) => prefer(pos, m));
    const move = preferred.length ? pick(preferred) : castles.length && chance(0.5) ? pick(castles) : pick(moves);
    const periods = notation === 'bare' ? '' : '.';
    if (pos.turn === 'white') tokens.push(`${number}${periods}`);
    else if (i === 0) tokens.push(`${number}...`);
    tokens.push(written(pos, move, notation === 'bare' ? 'san' : notation));
    pos.play(move);
    if (pos.turn === 'white') number++;
  }
  return tokens.join(' ');
}

const games = [];
function addGame(event, fen, variant, movetext) {
  const tags = [`[Event "${event}"]`, '[Site "?"]', '[Date "????.??.??"]', '[Round "?"]', '[White "W"]', '[Black "B"]',
                '[Result "*"]'];
  if (variant) tags.push(`[Variant "${variant}"]`);
  if (fen) tags.push('[SetUp "1"]', `[FEN "${fen}"]`);
  games.push(`${tags.join('\n')}\n\n${movetext} *\n`);
}

function positionOf(fen) {
  return Chess.fromSetup(parseFen(fen).unwrap()).unwrap();
}

// Chess960 starts: X-FEN and Shredder-FEN rights, random games that castle often.
for (let i = 0; i < 40; i++) {
  const n = Math.floor(random() * 960);
  const back = chess960BackRank(n);
  const rights = i % 2 === 0 ? 'KQkq' : shredderRights(back);
  const fen = `${back.toLowerCase()}/pppppppp/8/8/8/8/PPPPPPPP/${back} w ${rights} - 0 1`;
  addGame(`Chess960 start ${n}`, fen, i % 3 === 0 ? 'Chess960' : 'Fischerandom', randomMovetext(positionOf(fen), 60 + (i % 40), 'san'));
}

// Every castling case: only kings and rooks on the back ranks, so castling
// is legal at once; each wing by each side.
const castlingStarts = [
  ['RK4R1', 'KQkq'], // king on b: both rooks inner ones
  ['4RKR1', 'KQkq'], // O-O: king f to g and rook g to f swap squares
  ['R4K1R', 'HAha'],
  ['1R3KR1', 'GBgb'], // inner rooks named by file
  ['R5KR', 'HAha'], // O-O: the king stays on g, the rook goes h to f
  ['2RK3R', 'HChc'], // O-O-O: king d to c and rook c to d swap squares
  ['R1K4R', 'HAha'], // O-O-O: the king stays on c, the rook goes a to d
  ['3RK2R', 'HDhd'], // O-O-O: the rook stays on d, the king goes e to c
  ['R3KR2', 'FAfa'], // O-O: the rook stays on f, the king goes e to g
  ['R3K2R', 'KQkq'], // the standard squares
];
function expandRank(r) {
  return [...r].map((c) => (c >= '1' && c <= '8' ? '.'.repeat(Number(c)) : c)).join('');
}
function rankText(squares) {
  let s = '';
  let empty = 0;
  for (const c of squares) {
    if (c === '.') empty++;
    else {
      if (empty) s += empty;
      empty = 0;
      s += c;
    }
  }
  return s + (empty ? empty : '');
}
for (const [rank, rights] of castlingStarts) {
  const back = expandRank(rank);
  if (back.length !== 8) throw new Error(`bad rank ${rank}`);
  for (const turn of ['w', 'b']) {
    for (const wing of ['O-O', 'O-O-O']) {
      const fen = `${rankText(back.toLowerCase())}/pppppppp/8/8/8/8/PPPPPPPP/${rankText(back)} ${turn} ${rights} - 0 1`;
      const pos = positionOf(fen);
      const castle = legalMoves(pos).find((m) => isCastling(pos, m) && makeSan(pos, m).replace(/[+#]/, '') === wing);
      if (!castle) continue;
      const first = makeSan(pos, castle);
      pos.play(castle);
      const opening = turn === 'w' ? `1. ${first}` : `1... ${first}`;
      addGame(`Castling ${rank} ${turn} ${wing}`, fen, 'Chess960', `${opening} ${randomMovetext(pos, 20, 'san')}`);
    }
  }
}

// Set-up positions from the middle of random games: Black to move, an en
// passant square (right after a double step, the capture played when it can
// be), the move number of the position.
for (let i = 0; i < 30; i++) {
  const pos = Chess.default();
  const plies = 10 + Math.floor(random() * 30);
  const doubleStep = (p, m) => p.board.pawn.has(m.from) && Math.abs(m.to - m.from) === 16;
  const epCapture = (p, m) => p.epSquare !== undefined && m.to === p.epSquare && p.board.pawn.has(m.from);
  for (let k = 0; k < plies && !pos.isEnd(); k++) {
    const moves = legalMoves(pos);
    const steps = moves.filter((m) => doubleStep(pos, m));
    pos.play(i % 3 === 0 && k === plies - 1 && steps.length ? pick(steps) : pick(moves));
  }
  if (pos.isEnd()) continue;
  const fen = makeFen(pos.toSetup());
  const notation = ['san', 'long', 'uci', 'bare'][i % 4];
  addGame(`Set-up ${i} (${notation})`, fen, i % 5 === 0 ? 'From Position' : '', randomMovetext(pos, 40, notation, epCapture));
}

// Three queens: moves that SAN writes with both hints, and promotions.
for (const fen of [
  '8/7k/8/8/Q1Q5/8/8/Q6K w - - 0 60',
  '6k1/1P6/8/8/8/8/8/Q1Q1Q2K w - - 0 70',
  'q1q1q2k/8/8/8/8/8/1p6/6K1 b - - 0 70',
]) {
  const pos = positionOf(fen);
  addGame('Queens', fen, '', randomMovetext(pos, 12, 'san', (p, m) => makeSan(p, m).length >= 5 && /^Q[a-h][1-8]/.test(makeSan(p, m))));
}

// Games of no ply.
addGame('No ply, White to move', '8/8/8/4k3/8/8/3Q4/4K3 w - - 0 1', '', '');
addGame('No ply, Black to move', 'r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 5 42', '', '');

const pgn = games.join('\n');
fs.writeFileSync(path.join(out, 'setup-and-chess960-games.pgn'), pgn);
const lines = oracle.oracle960(pgn);
fs.writeFileSync(path.join(out, 'setup-and-chess960-games.expected.tsv'), lines.join('\n') + '\n');
const errors = lines.filter((l) => l.split('\t')[1] === 'ERROR');
process.stdout.write(`${games.length} games, ${errors.length} the oracle refused\n`);
for (const e of errors) process.stdout.write(e + '\n');
