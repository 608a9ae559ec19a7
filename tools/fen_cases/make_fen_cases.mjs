#!/usr/bin/env node
// make_fen_cases.mjs: writes the known answers of the set-up position tests
// (tests/data/fen/) from chessops 0.15.1, an independent chess library:
//
//   npm install chessops@0.15.1 --prefix /some/folder
//   NODE_PATH=/some/folder/node_modules node tools/fen_cases/make_fen_cases.mjs
//
// Every random choice comes from one seeded generator, so the files come out
// the same on every run. Files written (tests/data/fen/README.md says more):
//   chessops-fen-readings.tsv     FEN -> chessops' reading, or its refusal
//   fen-readings-unlike-chessops.tsv  FENs this viewer reads otherwise, with both readings
//   chess960-castling.tsv         every Chess960 start, both sides, both wings: castling squares
//   inner-rook-castling.tsv       castlings with an inner rook or a king or rook already in place
//   rights-after-moves.tsv        random games from Chess960 starts: the rights after each move
//   square-attacks.tsv            positions and the squares each side attacks
import fs from 'fs';
import path from 'path';
import { fileURLToPath, pathToFileURL } from 'url';

const here = path.dirname(fileURLToPath(import.meta.url));
const out = path.join(here, '..', '..', 'tests', 'data', 'fen');

function chessopsBase() {
  const dirs = [];
  for (const d of (process.env.NODE_PATH || '').split(path.delimiter)) if (d) dirs.push(path.join(d, 'chessops'));
  dirs.push(path.join(process.cwd(), 'node_modules', 'chessops'));
  for (const d of dirs) if (fs.existsSync(path.join(d, 'dist', 'esm', 'chess.js'))) return d;
  throw new Error('chessops not found: npm install chessops@0.15.1 and set NODE_PATH');
}
const base = chessopsBase();
const version = JSON.parse(fs.readFileSync(path.join(base, 'package.json'), 'utf8')).version;
if (version !== '0.15.1') throw new Error(`chessops ${version} found, 0.15.1 wanted`);
const imp = (sub) => import(pathToFileURL(path.join(base, 'dist', 'esm', sub + '.js')).href);
const { parseFen, makeFen } = await imp('fen');
const { Chess } = await imp('chess');
const { makeSquare } = await imp('util');

// mulberry32: a small seeded generator.
let seed = 0x5eed960;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const chance = (p) => random() < p;

const ROLE = { pawn: 'p', knight: 'n', bishop: 'b', rook: 'r', queen: 'q', king: 'k' };
const FILES = 'abcdefgh';

// The viewer's board: row 0 = rank 8, lowercase White, '.' empty.
function viewerBoard(board) {
  let s = '';
  for (let row = 0; row < 8; row++) {
    for (let col = 0; col < 8; col++) {
      const p = board.get((7 - row) * 8 + col);
      s += !p ? '.' : p.color === 'white' ? ROLE[p.role] : ROLE[p.role].toUpperCase();
    }
  }
  return s;
}

// Rights as this viewer keeps them: rook files White king-side, White
// queen-side, Black king-side, Black queen-side, then the king files of
// White and Black ('-' where there is none).
function rightsText(pos) {
  let rooks = '';
  let kings = '';
  for (const color of ['white', 'black']) {
    let any = false;
    for (const side of ['h', 'a']) {
      const sq = pos.castles.rook[color][side];
      rooks += sq === undefined ? '-' : FILES[sq % 8];
      any = any || sq !== undefined;
    }
    const king = pos.board.kingOf(color);
    kings += any ? FILES[king % 8] : '-';
  }
  return `${rooks} ${kings}`;
}

// Whether the rights can only be Chess960 ones: a right written as a file
// letter, or a right whose king is not on e or whose rook is not on a / h.
// (This is the viewer's rule, not chessops'; chessops gives the rights.)
function chess960Rights(pos, castlingField) {
  for (const color of ['white', 'black']) {
    for (const side of ['h', 'a']) {
      const sq = pos.castles.rook[color][side];
      if (sq === undefined) continue;
      const file = FILES[sq % 8];
      const letter = color === 'white' ? file.toUpperCase() : file;
      if (castlingField.includes(letter)) return 1;
      if (pos.board.kingOf(color) % 8 !== 4 || sq % 8 !== (side === 'h' ? 7 : 0)) return 1;
    }
  }
  return 0;
}

function fenFields(fen) {
  return fen.trim().split(/[\s_]+/);
}

// chessops' reading of a FEN: ['refused', code] or the reading's columns.
function chessopsReading(fen) {
  const setup = parseFen(fen);
  if (setup.isErr) return { refused: setup.error.message };
  const pos = Chess.fromSetup(setup.value);
  if (pos.isErr) return { refused: pos.error.message };
  const p = pos.value;
  const castlingField = fenFields(fen)[2] || '-';
  return {
    pos: p,
    columns: [
      viewerBoard(p.board),
      p.turn[0],
      rightsText(p),
      p.epSquare === undefined ? '-' : makeSquare(p.epSquare),
      String(p.halfmoves),
      String(p.fullmoves),
      String(chess960Rights(p, castlingField)),
    ],
  };
}

// ---------------------------------------------------------------- positions

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
if (chess960BackRank(518) !== 'RNBQKBNR') throw new Error('Chess960 numbering is off');

// A FEN rank from 8 characters, '.' or null for empty.
function rankText(squares) {
  let s = '';
  let empty = 0;
  for (const c of squares) {
    if (!c || c === '.') empty++;
    else {
      if (empty) s += empty;
      empty = 0;
      s += c;
    }
  }
  return s + (empty ? empty : '');
}

function shredderRights(backRank) {
  const files = [];
  for (let i = 7; i >= 0; i--) if (backRank[i] === 'R') files.push(FILES[i]);
  return files.map((f) => f.toUpperCase()).join('') + files.join('');
}

function startFen(backRank, turn, rights) {
  return `${backRank.toLowerCase()}/pppppppp/8/8/8/8/PPPPPPPP/${backRank} ${turn} ${rights} - 0 1`;
}

// Only the king and the rooks left on the back ranks, so castling is legal.
function clearedFen(backRank, turn, rights) {
  const kr = [...backRank].map((c) => (c === 'K' || c === 'R' ? c : '.'));
  const white = rankText(kr);
  const black = rankText(kr.map((c) => (c === '.' ? c : c.toLowerCase())));
  return `${black}/pppppppp/8/8/8/8/PPPPPPPP/${white} ${turn} ${rights} - 0 1`;
}

// Plays the castling of the side to move on `wing` ('h' or 'a'); returns the
// squares and the board after, or null when chessops has no such castling.
function playCastling(pos, wing) {
  const color = pos.turn;
  const rook = pos.castles.rook[color][wing];
  const king = pos.board.kingOf(color);
  if (rook === undefined || king === undefined) return null;
  const move = { from: king, to: rook };
  if (!pos.isLegal(move)) return null;
  const after = pos.clone();
  after.play(move);
  const kingTo = color === 'white' ? (wing === 'a' ? 2 : 6) : wing === 'a' ? 58 : 62;
  const rookTo = color === 'white' ? (wing === 'a' ? 3 : 5) : wing === 'a' ? 59 : 61;
  if (after.board.kingOf(color) !== kingTo || after.board.get(rookTo)?.role !== 'rook') {
    throw new Error('chessops castled elsewhere');
  }
  return {
    squares: [king, kingTo, rook, rookTo].map(makeSquare).join(' '),
    board: viewerBoard(after.board),
    rights: rightsText(after),
  };
}

// Plays random legal moves from `pos` (a clone), calling visit(before, move, after) for each.
function randomGame(pos, plies, visit) {
  for (let i = 0; i < plies; i++) {
    const moves = [];
    for (const [from, dests] of pos.allDests()) {
      for (const to of dests) {
        const piece = pos.board.get(from);
        const promotes = piece.role === 'pawn' && (to < 8 || to >= 56);
        moves.push(promotes ? { from, to, promotion: pick(['queen', 'knight', 'rook', 'bishop']) } : { from, to });
      }
    }
    if (moves.length === 0) return;
    // Castle whenever it can, half the time, so that castling shows up often.
    const castles = moves.filter((m) => pos.board.king.has(m.from) && pos.board[pos.turn].has(m.to));
    const move = castles.length && chance(0.5) ? pick(castles) : pick(moves);
    const before = pos.clone();
    pos.play(move);
    visit(before, move, pos);
  }
}

// ------------------------------------------------------------------ writing

const readings = [];
const unlike = [];

function addReading(label, fen) {
  if (fen.includes('\t')) throw new Error('tab in a FEN');
  const r = chessopsReading(fen);
  // chessops keeps an en passant square on an occupied square; python-chess
  // and this viewer drop it (no double step can have made it).
  if (r.pos && r.pos.epSquare !== undefined && r.pos.board.occupied.has(r.pos.epSquare)) {
    const ours = [...r.columns];
    ours[3] = '-';
    unlike.push([label, fen, 'ep square occupied: dropped', ...ours, `chessops: ep ${r.columns[3]}`].join('\t'));
    return;
  }
  readings.push([label, fen, ...(r.refused ? ['refused', r.refused] : r.columns)].join('\t'));
}

// Readings this viewer makes on purpose unlike chessops, with the reason.
// `ours` is a FEN whose chessops reading is the one wanted, or 'refused CODE'.
function addUnlike(label, fen, reason, ours) {
  const theirs = chessopsReading(fen);
  const theirsText = theirs.refused ? `chessops: refused ${theirs.refused}` : `chessops: ${theirs.columns.join(' ')}`;
  let oursColumns;
  if (ours.startsWith('refused ')) oursColumns = ['refused', ours.slice(8)];
  else {
    const r = chessopsReading(ours);
    if (r.refused) throw new Error(`wanted reading refused: ${ours}`);
    oursColumns = r.columns;
  }
  unlike.push([label, fen, reason, ...oursColumns, theirsText].join('\t'));
}

// 1. Every Chess960 start, both castling notations, White and Black to move.
for (let n = 0; n < 960; n++) {
  const backRank = chess960BackRank(n);
  const turn = n % 2 ? 'b' : 'w';
  addReading(`chess960-start-${n}-xfen`, startFen(backRank, turn, 'KQkq'));
  addReading(`chess960-start-${n}-shredder`, startFen(backRank, turn, shredderRights(backRank)));
}

// 2. Back ranks with a king and one to three rooks, rights in a random mix
//    of K/Q/k/q and file letters (also letters of files without a rook).
function randomBackRankFen() {
  const rank = Array(8).fill('.');
  const kingFile = 1 + Math.floor(random() * 6);
  rank[kingFile] = 'K';
  const rookCount = 1 + Math.floor(random() * 3);
  for (let i = 0; i < rookCount; i++) {
    const free = rank.map((c, j) => (c === '.' ? j : -1)).filter((j) => j >= 0);
    rank[pick(free)] = 'R';
  }
  // Sometimes a knight or a bishop among them.
  if (chance(0.3)) {
    const free = rank.map((c, j) => (c === '.' ? j : -1)).filter((j) => j >= 0);
    rank[pick(free)] = pick(['N', 'B', 'Q']);
  }
  const white = [...rank];
  const black = chance(0.5) ? [...rank].map((c) => c.toLowerCase()) : [...rank].reverse().map((c) => c.toLowerCase());
  let rights = '';
  const letters = ['K', 'Q', ...FILES.toUpperCase()];
  const count = Math.floor(random() * 5);
  for (let i = 0; i < count; i++) {
    const c = pick(letters);
    rights += chance(0.5) ? c : c.toLowerCase();
  }
  const fen = `${rankText(black)}/pppppppp/8/8/8/8/PPPPPPPP/${rankText(white)} ${chance(0.5) ? 'w' : 'b'} ${rights || '-'} - 0 1`;
  return fen;
}
for (let i = 0; i < 400; i++) addReading(`back-rank-rooks-${i}`, randomBackRankFen());

// 3. Positions of random games from Chess960 starts, as chessops writes them
//    (X-FEN: a file letter only where K or Q would name another rook), and
//    the same with Shredder-FEN rights; a random en passant square on some.
function shredderOf(pos) {
  let s = '';
  for (const color of ['white', 'black']) {
    for (const side of ['h', 'a']) {
      const sq = pos.castles.rook[color][side];
      if (sq === undefined) continue;
      s += color === 'white' ? FILES[sq % 8].toUpperCase() : FILES[sq % 8];
    }
  }
  return s || '-';
}
const midGames = [];
for (let g = 0; g < 60; g++) {
  const n = Math.floor(random() * 960);
  const pos = Chess.fromSetup(parseFen(startFen(chess960BackRank(n), 'w', 'KQkq')).unwrap()).unwrap();
  randomGame(pos, 20 + Math.floor(random() * 80), (before, move, after) => {
    if (chance(0.08)) midGames.push(after.clone());
  });
}
midGames.forEach((pos, i) => {
  const fen = makeFen(pos.toSetup());
  addReading(`random-game-position-${i}-xfen`, fen);
  const f = fen.split(' ');
  f[2] = shredderOf(pos);
  addReading(`random-game-position-${i}-shredder`, f.join(' '));
  if (chance(0.5)) {
    f[3] = pick(FILES) + pick(['3', '6', '3', '6', '4', '5', '1']);
    addReading(`random-game-position-${i}-ep-${f[3]}`, f.join(' '));
  }
});

// 4. En passant squares after double steps (valid), and moved about (mostly not).
let epCount = 0;
for (let g = 0; g < 40; g++) {
  const pos = Chess.default();
  randomGame(pos, 40, (before, move, after) => {
    if (after.epSquare === undefined) return;
    const fen = makeFen({ ...after.toSetup(), epSquare: after.epSquare });
    addReading(`double-step-ep-${epCount}`, fen);
    const f = fen.split(' ');
    const file = f[3].charCodeAt(0) - 97;
    f[3] = FILES[(file + 1 + Math.floor(random() * 7)) % 8] + f[3][1];
    addReading(`double-step-ep-${epCount}-other-file-${f[3]}`, f.join(' '));
    f[3] = f[3][0] + (f[3][1] === '3' ? '6' : '3');
    addReading(`double-step-ep-${epCount}-other-rank-${f[3]}`, f.join(' '));
    epCount++;
  });
}

// 5. Quirks and refusals, one fault each, named after it.
const S = 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR';
const quirks = [
  ['standard-start', `${S} w KQkq - 0 1`],
  ['four-fields', `${S} w KQkq -`],
  ['five-fields-half-move-clock', `${S} w KQkq - 12`],
  ['full-move-zero', `${S} w KQkq - 0 0`],
  ['full-move-9999', `${S} b - - 99 9999`],
  ['full-move-five-digits', `${S} w KQkq - 0 10000`],
  ['half-move-five-digits', `${S} w KQkq - 10000 1`],
  ['full-move-negative', `${S} w KQkq - 0 -1`],
  ['full-move-letters', `${S} w KQkq - 0 one`],
  ['placement-only', S],
  ['placement-and-side', `${S} b`],
  ['underscores-between-fields', `${S}_w_KQkq_-_0_1`],
  ['two-blanks-between-fields', `${S}  w  KQkq  -  0  1`],
  ['seven-fields', `${S} w KQkq - 0 1 extra`],
  ['eight-fields', `${S} w KQkq - 0 1 extra more`],
  ['side-uppercase-W', `${S} W KQkq - 0 1`],
  ['side-x', `${S} x KQkq - 0 1`],
  ['side-white-word', `${S} white KQkq - 0 1`],
  ['castling-dash-dash', `${S} w -- - 0 1`],
  ['castling-digit', `${S} w K1 - 0 1`],
  ['castling-three-white-rights', `${S} w KQB - 0 1`],
  ['castling-repeated-letters', `${S} w KKQQkkqq - 0 1`],
  ['castling-shredder-standard', `${S} w HAha - 0 1`],
  ['castling-mixed-notations', `${S} w HQkA - 0 1`],
  ['castling-order-qkQK', `${S} w qkQK - 0 1`],
  ['ep-not-a-square', `${S} w KQkq e9 0 1`],
  ['ep-three-characters', `${S} w KQkq e3x 0 1`],
  ['ep-uppercase', `${S} w KQkq E3 0 1`],
  ['ep-on-start-position', `${S} w KQkq e3 0 1`],
  ['ep-after-e4-valid', 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1'],
  ['ep-after-e4-white-to-move', 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e3 0 1'],
  ['ep-after-e4-origin-occupied', 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPPPPPP/RNBQKBN1 b Qkq e3 0 1'],
  ['ep-after-e4-square-occupied', 'rnbqkbnr/pppppppp/8/8/4P3/4N3/PPPP1PPP/RNBQKB1R b KQkq e3 0 1'],
  ['ep-after-d5-valid', 'rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2'],
  ['ep-after-d5-wrong-rank', 'rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d5 0 2'],
  ['ep-no-pawn-in-front', 'rnbqkbnr/ppp1pppp/8/8/3pP3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2'],
  ['ep-own-pawn-in-front', 'rnbqkbnr/ppp1pppp/8/3P4/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2'],
  ['ep-valid-no-capture-possible', 'rnbqkbnr/ppp1pppp/8/3p4/8/8/PPPPPPPP/RNBQKBNR w KQkq d6 0 2'],
  ['ep-a-file', 'rnbqkbnr/1ppppppp/8/pP6/8/8/P1PPPPPP/RNBQKBNR w KQkq a6 0 3'],
  ['ep-h-file-black', 'rnbqkbnr/ppppppp1/8/8/6pP/8/PPPPPPP1/RNBQKBNR b KQkq h3 0 3'],
  ['placement-seven-ranks', 'rnbqkbnr/pppppppp/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'],
  ['placement-nine-ranks', `${S}/8 w - - 0 1`],
  ['placement-rank-of-nine', 'rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'],
  ['placement-rank-of-seven', 'rnbqkbnr/pppppppp/7/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'],
  ['placement-digits-side-by-side', 'rnbqkbnr/pppppppp/44/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'],
  ['placement-digit-zero', 'rnbqkbnr/pppppppp/08/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'],
  ['placement-unknown-letter', 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNX w KQkq - 0 1'],
  ['placement-slash-first', '/rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'],
  ['placement-double-slash', 'rnbqkbnr//pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1'],
  ['placement-promoted-mark', 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQ~KBNR w KQkq - 0 1'],
  ['placement-mark-alone', 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/~RNBQKBNR w KQkq - 0 1'],
  ['no-kings', '8/8/8/8/8/8/8/8 w - - 0 1'],
  ['no-white-king', 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQ1BNR w kq - 0 1'],
  ['no-black-king', 'rnbq1bnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1'],
  ['two-white-kings', 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBKKBNR w kq - 0 1'],
  ['two-black-kings', 'rnbkkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQ - 0 1'],
  ['kings-only', '4k3/8/8/8/8/8/8/4K3 w - - 0 1'],
  ['white-pawn-on-eighth-rank', 'P3k3/8/8/8/8/8/8/4K3 w - - 0 1'],
  ['black-pawn-on-first-rank', '4k3/8/8/8/8/8/8/p3K3 w - - 0 1'],
  ['white-pawn-on-first-rank', '4k3/8/8/8/8/8/8/P3K3 w - - 0 1'],
  ['side-not-to-move-in-check-rook', '4k3/8/8/8/8/8/8/4RK2 w - - 0 1'],
  ['side-not-to-move-in-check-knight', '4k3/8/3N4/8/8/8/8/5K2 w - - 0 1'],
  ['side-not-to-move-in-check-pawn', '4k3/3P4/8/8/8/8/8/5K2 w - - 0 1'],
  ['side-not-to-move-in-check-bishop', '4k3/8/8/8/B7/8/8/5K2 w - - 0 1'],
  ['side-not-to-move-in-check-black-queen', '4k3/8/8/8/8/8/8/q4K2 b - - 0 1'],
  ['side-to-move-in-check', '4k3/8/8/8/8/8/8/4RK2 b - - 0 1'],
  ['check-blocked', '4k3/4n3/8/8/8/8/8/4RK2 w - - 0 1'],
  ['kings-side-by-side', '8/8/8/3kK3/8/8/8/8 w - - 0 1'],
  ['pawn-does-not-attack-straight-ahead', '8/8/8/4k3/4P3/8/8/4K3 b - - 0 1'],
  ['black-pawn-attacks-white-king', '8/8/8/8/4k3/8/3p4/4K3 b - - 0 1'],
  ['rights-without-rooks', '4k3/8/8/8/8/8/8/4K3 w KQkq - 0 1'],
  ['rights-king-off-back-rank', 'r3k2r/8/8/8/8/8/4K3/R6R w KQkq - 0 1'],
  ['rights-rook-moved-in', 'r3k2r/8/8/8/8/8/8/1R2K1R1 w KQkq - 0 1'],
  ['rights-inner-rook-letter', '4k3/8/8/8/8/8/8/RR2K2R w BKk - 0 1'],
  ['rights-outer-rook-by-q', '4k3/8/8/8/8/8/8/RR2K2R w Q - 0 1'],
  ['rights-letter-of-king-file', 'r3k2r/8/8/8/8/8/8/R3K2R w EKQ - 0 1'],
  ['rights-letter-without-rook', 'r3k2r/8/8/8/8/8/8/R3K2R w FA - 0 1'],
  ['rights-black-letter-for-white-rook', 'r3k2r/8/8/8/8/8/8/R3K2R w h - 0 1'],
  ['rights-king-in-corner', '4k3/8/8/8/8/8/8/6RK w K - 0 1'],
  ['rights-king-on-b-rook-on-a', '1k6/8/8/8/8/8/8/RK5R w KQ - 0 1'],
  ['rights-two-rooks-one-wing', '4k3/8/8/8/8/8/8/4KRR1 w FG - 0 1'],
  ['chess960-king-on-b', 'rkr5/pppppppp/8/8/8/8/PPPPPPPP/RKR5 w KQkq - 0 1'],
  ['chess960-king-on-g-rook-on-h', '5rkr/pppppppp/8/8/8/8/PPPPPPPP/5RKR w KQkq - 0 1'],
  ['standard-squares-king-side-only', 'r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w Kk - 0 1'],
];
for (const [label, fen] of quirks) addReading(label, fen);

// 6. Readings unlike chessops, on purpose.
addUnlike('blanks-around-the-value', ` ${S} w KQkq - 0 1 `,
  'blanks around the value are passed over', `${S} w KQkq - 0 1`);
addUnlike('underscore-at-the-end', `${S}_w_KQkq_-_0_1_`,
  'separators around the value are passed over', `${S} w KQkq - 0 1`);
addUnlike('placement-with-pocket-after-slash', `${S}/ w KQkq - 0 1`,
  'a crazyhouse pocket is not a standard chess placement', 'refused ERR_BOARD');
addUnlike('placement-with-pocket-in-brackets', `${S}[Qq] w KQkq - 0 1`,
  'a crazyhouse pocket is not a standard chess placement', 'refused ERR_BOARD');
addUnlike('remaining-checks-field', `${S} w KQkq - 3+3 0 1`,
  'a three-check counter is not a standard chess field', 'refused ERR_FEN');
addUnlike('remaining-checks-for-the-clock', `${S} w KQkq - 3+3 1`,
  'a three-check counter is not a standard chess field', 'refused ERR_HALFMOVES');
addUnlike('remaining-checks-last', `${S} w KQkq - 0 1 +0+0`,
  'a three-check counter is not a standard chess field', 'refused ERR_FEN');

// ------------------------------------------------------------ castling files

const castling = [];
for (let n = 0; n < 960; n++) {
  const backRank = chess960BackRank(n);
  for (const turn of ['w', 'b']) {
    for (const wing of ['h', 'a']) {
      const rights = chance(0.5) ? 'KQkq' : shredderRights(backRank);
      let fen = clearedFen(backRank, turn, rights);
      let r = playCastling(Chess.fromSetup(parseFen(fen).unwrap()).unwrap(), wing);
      if (!r) {
        // The other wing's rook stands in the way (rooks f and h, king g):
        // without it.
        const king = backRank.indexOf('K');
        const alone = [...backRank].map((c, i) => (c === 'R' && (wing === 'h' ? i < king : i > king) ? '.' : c)).join('');
        fen = clearedFen(alone, turn, rights === 'KQkq' ? rights : shredderRights(alone));
        r = playCastling(Chess.fromSetup(parseFen(fen).unwrap()).unwrap(), wing);
      }
      if (!r) throw new Error(`no castling in ${fen}`);
      castling.push([n, turn, wing === 'h' ? 'O-O' : 'O-O-O', fen, startFen(backRank, turn, 'KQkq'),
        shredderRights(backRank), r.squares, r.board, r.rights].join('\t'));
    }
  }
}

// Castlings from back ranks with inner rooks and pieces already in place:
// every castling chessops allows on random back ranks.
const inner = [];
for (let i = 0; inner.length < 600 && i < 20000; i++) {
  const fen = randomBackRankFen();
  const setup = parseFen(fen);
  if (setup.isErr) continue;
  const pos = Chess.fromSetup(setup.value);
  if (pos.isErr) continue;
  for (const wing of ['h', 'a']) {
    const r = playCastling(pos.value, wing);
    if (r) inner.push([`back-rank-${i}`, fen, wing === 'h' ? 'O-O' : 'O-O-O', r.squares, r.board, r.rights].join('\t'));
  }
}

// Rights after each move of random games from Chess960 starts.
const rightsGames = [];
const attacksLines = [];
for (let g = 0; g < 120; g++) {
  const n = Math.floor(random() * 960);
  const backRank = chess960BackRank(n);
  const fen = chess960BackRank(n) === 'RNBQKBNR' || chance(0.5) ? startFen(backRank, 'w', 'KQkq') : startFen(backRank, 'w', shredderRights(backRank));
  const pos = Chess.fromSetup(parseFen(fen).unwrap()).unwrap();
  const steps = [];
  randomGame(pos, 30 + Math.floor(random() * 90), (before, move, after) => {
    steps.push(`${makeSquare(move.from)}${makeSquare(move.to)}:${rightsText(after).replace(' ', '/')}`);
    if (chance(0.1)) {
      const maps = ['white', 'black'].map((attacker) => {
        let s = '';
        for (let row = 0; row < 8; row++) {
          for (let col = 0; col < 8; col++) {
            const sq = (7 - row) * 8 + col;
            s += after.kingAttackers(sq, attacker, after.board.occupied).nonEmpty() ? '1' : '0';
          }
        }
        return s;
      });
      attacksLines.push([viewerBoard(after.board), ...maps].join('\t'));
    }
  });
  rightsGames.push([`game-${g}-start-${n}`, fen, steps.join(' ')].join('\t'));
}
// Boards with many pieces at random, for the attacks of every piece kind.
for (let i = 0; i < 200; i++) {
  const pos = Chess.default();
  pos.board.clear();
  const count = 2 + Math.floor(random() * 20);
  for (let j = 0; j < count; j++) {
    const sq = Math.floor(random() * 64);
    pos.board.set(sq, { role: pick(['pawn', 'knight', 'bishop', 'rook', 'queen', 'king']), color: pick(['white', 'black']) });
  }
  const maps = ['white', 'black'].map((attacker) => {
    let s = '';
    for (let row = 0; row < 8; row++) {
      for (let col = 0; col < 8; col++) {
        s += pos.kingAttackers((7 - row) * 8 + col, attacker, pos.board.occupied).nonEmpty() ? '1' : '0';
      }
    }
    return s;
  });
  attacksLines.push([viewerBoard(pos.board), ...maps].join('\t'));
}

// ------------------------------------------------------------------ files

function write(name, header, lines) {
  fs.mkdirSync(out, { recursive: true });
  fs.writeFileSync(path.join(out, name), `# ${header.join('\n# ')}\n${lines.join('\n')}\n`);
}
const readingColumns = 'board (viewer letters, row 0 = rank 8, lowercase White, . empty) | side | rights '
  + '(rook files W O-O, W O-O-O, B O-O, B O-O-O; king files W, B; - none) | ep | half-move clock | full-move number '
  + '| chess960 rights (1/0)';
write('chessops-fen-readings.tsv', [
  'Made by tools/fen_cases/make_fen_cases.mjs from chessops 0.15.1. Tab separated:',
  `label | FEN | ${readingColumns}`,
  'or: label | FEN | refused | chessops error code',
], readings);
write('fen-readings-unlike-chessops.tsv', [
  'Made by tools/fen_cases/make_fen_cases.mjs: FENs this viewer reads unlike chessops 0.15.1, on purpose. Tab separated:',
  `label | FEN | reason | the viewer's reading (columns as in chessops-fen-readings.tsv) | chessops' reading`,
], unlike);
write('chess960-castling.tsv', [
  'Made by tools/fen_cases/make_fen_cases.mjs: chessops 0.15.1 castling in every Chess960 start. Tab separated:',
  'start number | side | castling | FEN with only kings and rooks on the back ranks | start FEN with KQkq | the start\'s '
    + 'rights in Shredder-FEN | king from, king to, rook from, rook to | board after | rights after',
], castling);
write('inner-rook-castling.tsv', [
  'Made by tools/fen_cases/make_fen_cases.mjs: every castling chessops 0.15.1 allows on random back ranks. Tab separated:',
  'label | FEN | castling (of the side to move) | king from, king to, rook from, rook to | board after | rights after',
], inner);
write('rights-after-moves.tsv', [
  'Made by tools/fen_cases/make_fen_cases.mjs: random legal games from Chess960 starts (chessops 0.15.1). Tab separated:',
  'label | start FEN | moves as FROMTO:RIGHTS, RIGHTS = rook files/king files after the move; a castling is written',
  'as the king onto its rook, as chessops plays it',
], rightsGames);
write('square-attacks.tsv', [
  'Made by tools/fen_cases/make_fen_cases.mjs: squares attacked, from chessops 0.15.1. Tab separated:',
  'board (viewer letters) | 64 flags attacked by White | 64 flags attacked by Black (index = row * 8 + column)',
], attacksLines);
console.log(`readings ${readings.length}, unlike ${unlike.length}, castling ${castling.length}, inner ${inner.length}, `
  + `games ${rightsGames.length}, attacks ${attacksLines.length}`);
