// Writes random legal games (played by chessops, npm chessops 0.15.1) with
// clocks, times spent, evaluations and comments in the forms real exports
// write them, into the folder of this script:
//
//   cd DIR_WITH_NODE_MODULES && node make_clocked_games.mjs
//
// (chessops is looked for in node_modules of the current folder.) Every
// random choice comes from one seeded generator, so the files come out the
// same on every run. Each file is named after what it shows:
//
//   lichess-blitz-evaluations-clocks-and-increment.pgn
//       { [%eval 0.17] [%clk 0:02:58] } after every ply, TimeControl
//       "180+2", "1..." after each comment, mates "#3" and "#-2", marked
//       inaccuracies with the analysis comment and the better line
//   chesscom-clocks-with-tenths-running-under-twenty-seconds.pgn
//       {[%clk 0:09:58.2][%timestamp 18]}, tenths dropped when .0,
//       TimeControl "60" and "180+1", clocks running down under 20 s
//   broadcast-clocks-of-hours-and-time-added-after-move-40.pgn
//       {[%clk 1:59:58]}, 30 minutes added after move 40 (the time spent on
//       the ply after it comes out below 0, shown as 0), a stage control
//       "40/5400+30:1800+30" (which gives no starting time), "5400+30",
//       no TimeControl at all, plies the board did not clock, eighty
//       columns to a line with commands broken over lines
//   analysis-time-spent-as-clock-and-as-plain-seconds.pgn
//       [%emt 0:00:05] and [%emt 0.783] (beside a [%clk] too: the time
//       spent is the [%emt]), an engine's words in the comments
//   setup-position-black-first-with-white-and-black-clock-tags.pgn
//       games from a FEN with Black to move, WhiteClock and BlackClock tags
//       ("0:05:00", "00:03:00.0", a player given odds), with and without a
//       TimeControl
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const chessops = async (name) =>
  import(pathToFileURL(path.join(process.cwd(), 'node_modules', 'chessops', 'dist', 'esm', `${name}.js`)).href);
const { Chess } = await chessops('chess');
const { parseFen } = await chessops('fen');
const { makeSanAndPlay } = await chessops('san');

// mulberry32: a small seeded generator.
let seed = 0xc10c4ed;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const chance = (p) => random() < p;
const between = (low, high) => low + Math.floor(random() * (high - low + 1));

// All legal moves of a position, promotions to every piece.
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

// A random game of at most maxPlies plies from fen (the standard start when
// none): its start position and its plies, each { san, white, other } (other:
// another move the mover had, for the analysis lines).
function randomGame(maxPlies, fen) {
  const pos = fen ? Chess.fromSetup(parseFen(fen).unwrap()).unwrap() : Chess.default();
  const fullmoves = pos.fullmoves;
  const plies = [];
  while (plies.length < maxPlies && !pos.isEnd()) {
    const white = pos.turn === 'white';
    const moves = legalMoves(pos);
    const other = makeSanAndPlay(pos.clone(), pick(moves));
    plies.push({ san: makeSanAndPlay(pos, pick(moves)), white, other });
  }
  const outcome = pos.outcome();
  const result = outcome ? (outcome.winner === 'white' ? '1-0' : outcome.winner === 'black' ? '0-1' : '1/2-1/2') : '*';
  return { plies, fullmoves, result: result === '*' && chance(0.7) ? pick(['1-0', '0-1', '1/2-1/2']) : result };
}

// H:MM:SS of whole seconds.
function hms(seconds) {
  const s = Math.floor(seconds);
  return `${Math.floor(s / 3600)}:${String(Math.floor(s / 60) % 60).padStart(2, '0')}:${String(s % 60).padStart(2, '0')}`;
}

// H:MM:SS.t of milliseconds (tenths; ".0" left out as chess.com leaves it).
function hmsTenths(ms) {
  const tenths = Math.floor(ms / 100) % 10;
  return hms(ms / 1000) + (tenths === 0 ? '' : `.${tenths}`);
}

// One player's clock: the time left in milliseconds, spending a random
// share of it on each ply, gaining the increment after each.
class Clock {
  constructor(startMs, incrementMs, granularityMs) {
    this.ms = startMs;
    this.incrementMs = incrementMs;
    this.granularityMs = granularityMs;  // the clock's own step (1000 or 100)
  }
  // Spends some time on a ply; returns the time spent.
  play(share = 0.06) {
    const most = Math.max(this.granularityMs, Math.floor(this.ms * share));
    let spent = Math.floor(random() * random() * most * 2);
    spent -= spent % this.granularityMs;
    spent = Math.min(spent, this.ms);
    this.ms = this.ms - spent + this.incrementMs;
    return spent;
  }
}

// The movetext of plies with their comments: each ply { san, white, after }
// (after: what follows the move, comments and variations, already written).
// Black's ply after a comment or variation carries its move number, as
// exports write it.
function movetext(game, plies, result) {
  const tokens = [];
  let number = game.fullmoves;
  let needNumber = true;
  for (const ply of plies) {
    if (ply.white) tokens.push(`${number}. ${ply.san}`);
    else tokens.push(needNumber ? `${number}... ${ply.san}` : ply.san);
    if (!ply.white) number += 1;
    needNumber = ply.after !== '';
    if (ply.after !== '') tokens.push(ply.after);
  }
  tokens.push(result);
  return tokens.join(' ');
}

// Lines of at most 80 columns, broken at spaces (inside comments too).
function wrap(text) {
  const lines = [];
  let line = '';
  for (const word of text.split(' ')) {
    if (line !== '' && line.length + 1 + word.length > 80) {
      lines.push(line);
      line = word;
    } else {
      line = line === '' ? word : `${line} ${word}`;
    }
  }
  if (line !== '') lines.push(line);
  return lines.join('\n');
}

function tagSection(tags) {
  return tags.map(([name, value]) => `[${name} "${value}"]`).join('\n');
}

function writeGames(name, games) {
  fs.writeFileSync(path.join(here, name), games.map((game) => `${game}\n`).join('\n'));
}

// An evaluation as lichess writes it: pawns with up to two decimals, or a mate.
function lichessEval(white) {
  if (chance(0.06)) return `#${white ? '' : '-'}${between(1, 9)}`;
  const hundredths = Math.round((random() - 0.5) * between(20, 800));
  return String(hundredths / 100);
}

function lichessGames() {
  const games = [];
  for (let n = 0; n < 3; n++) {
    const game = randomGame(between(60, 110));
    const clocks = [new Clock(180000, 2000, 1000), new Clock(180000, 2000, 1000)];
    const plies = game.plies.map((ply, k) => {
      clocks[k % 2].play();
      let after = `{ [%eval ${lichessEval(ply.white)}] [%clk ${hms(clocks[k % 2].ms / 1000)}] }`;
      let { san } = ply;
      if (k > 4 && chance(0.08)) {
        const [mark, word] = pick([['?!', 'Inaccuracy'], ['?', 'Mistake'], ['??', 'Blunder']]);
        san += mark;
        const number = `${game.fullmoves + Math.floor(k / 2)}${ply.white ? '.' : '...'}`;
        after += ` { (0.${between(10, 99)} → -0.${between(10, 99)}) ${word}. ${ply.other} was best. }`;
        after += ` (${number} ${ply.other})`;
      }
      return { san, white: ply.white, after };
    });
    const tags = tagSection([
      ['Event', 'Rated Blitz game'], ['Site', `https://lichess.org/${(0x51a3c0 + n).toString(36)}`],
      ['Date', '2024.05.17'], ['White', `blitzer${n}`], ['Black', `pawnstorm${n}`], ['Result', game.result],
      ['WhiteElo', String(between(1500, 2600))], ['BlackElo', String(between(1500, 2600))],
      ['TimeControl', '180+2'], ['ECO', 'A00'], ['Termination', 'Normal'],
    ]);
    games.push(`${tags}\n\n${movetext(game, plies, game.result)}\n`);
  }
  writeGames('lichess-blitz-evaluations-clocks-and-increment.pgn', games);
}

function chesscomGames() {
  const games = [];
  for (const [control, startMs, incrementMs] of [['60', 60000, 0], ['180+1', 180000, 1000]]) {
    const game = randomGame(between(70, 100));
    const clocks = [new Clock(startMs, incrementMs, 100), new Clock(startMs, incrementMs, 100)];
    const plies = game.plies.map((ply, k) => {
      const spent = clocks[k % 2].play(0.09);
      const after = `{[%clk ${hmsTenths(clocks[k % 2].ms)}][%timestamp ${spent / 100}]}`;
      return { san: ply.san, white: ply.white, after };
    });
    const tags = tagSection([
      ['Event', 'Live Chess'], ['Site', 'Chess.com'], ['Date', '2024.02.03'], ['White', 'tenths_of_a_second'],
      ['Black', 'underthetwenty'], ['Result', game.result], ['TimeControl', control],
      ['Termination', 'tenths_of_a_second won on time'],
    ]);
    games.push(`${tags}\n\n${movetext(game, plies, game.result)}\n`);
  }
  writeGames('chesscom-clocks-with-tenths-running-under-twenty-seconds.pgn', games);
}

function broadcastGames() {
  const games = [];
  for (const control of ['40/5400+30:1800+30', '5400+30', undefined]) {
    const game = randomGame(between(90, 120));
    const clocks = [new Clock(5400000, 30000, 1000), new Clock(5400000, 30000, 1000)];
    const plies = game.plies.map((ply, k) => {
      clocks[k % 2].play(0.05);
      if (k === 78 || k === 79) clocks[k % 2].ms += 1800000;  // the 40th moves made: 30 minutes more
      const after = chance(0.05) ? '' : `{[%clk ${hms(clocks[k % 2].ms / 1000)}]}`;
      return { san: ply.san, white: ply.white, after };
    });
    const tags = [
      ['Event', 'Open Masters'], ['Site', 'Hall A'], ['Date', '2023.10.29'], ['Round', `3.${games.length + 1}`],
      ['White', 'Board, Electronic'], ['Black', 'Sensor, Square'], ['Result', game.result],
      ['WhiteElo', '2310'], ['BlackElo', '2287'],
    ];
    if (control !== undefined) tags.push(['TimeControl', control]);
    games.push(`${tagSection(tags)}\n\n${wrap(movetext(game, plies, game.result))}\n`);
  }
  writeGames('broadcast-clocks-of-hours-and-time-added-after-move-40.pgn', games);
}

function analysisGames() {
  const words = ['book', 'only move', 'the engine prefers Nf3', 'out of book', 'forced', 'a long think', 'premove'];
  const games = [];
  for (let n = 0; n < 2; n++) {
    const game = randomGame(between(40, 70));
    const clocks = [new Clock(900000, 0, 1000), new Clock(900000, 0, 1000)];
    const plies = game.plies.map((ply, k) => {
      const spent = clocks[k % 2].play();
      const parts = [];
      if (chance(0.3)) parts.push(pick(words));
      if (n === 0) parts.push(`[%emt ${hms(spent / 1000)}]`);
      else parts.push(`[%emt ${(spent / 1000 + between(0, 999) / 1000).toFixed(3)}]`);
      if (chance(0.5)) parts.push(`[%clk ${hms(clocks[k % 2].ms / 1000)}]`);
      return { san: ply.san, white: ply.white, after: `{${parts.join(' ')}}` };
    });
    const tags = tagSection([
      ['Event', n === 0 ? 'Engine analysis' : 'FICS rated standard game'], ['Site', '?'], ['Date', '2022.11.12'],
      ['White', 'Analyst'], ['Black', 'Engine'], ['Result', game.result], ['TimeControl', '900'],
    ]);
    games.push(`${tags}\n\n${movetext(game, plies, game.result)}\n`);
  }
  writeGames('analysis-time-spent-as-clock-and-as-plain-seconds.pgn', games);
}

function setUpGames() {
  const starts = [
    ['r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 3 2', '0:05:00', '0:04:30', '300+3'],
    ['4k3/pp3ppp/8/8/8/8/PP3PPP/4K2R b K - 0 30', '00:03:00.0', '00:03:00.0', undefined],
    ['r3k2r/ppp2ppp/8/3q4/8/8/PPP2PPP/R2QK2R b KQkq - 1 15', '0:10:00', '0:02:00', '600'],
  ];
  const games = [];
  for (const [fen, whiteClock, blackClock, control] of starts) {
    const game = randomGame(between(30, 50), fen);
    const toMs = (clock) => clock.split(':').reduce((sum, part) => sum * 60 + Number(part), 0) * 1000;
    const incrementMs = control && control.includes('+') ? Number(control.split('+')[1]) * 1000 : 0;
    const clocks = { white: new Clock(toMs(whiteClock), incrementMs, 1000), black: new Clock(toMs(blackClock), incrementMs, 1000) };
    const plies = game.plies.map((ply) => {
      const clock = clocks[ply.white ? 'white' : 'black'];
      clock.play();
      return { san: ply.san, white: ply.white, after: `{[%clk ${hms(clock.ms / 1000)}]}` };
    });
    const tags = [
      ['Event', 'Odds and set-up positions'], ['Site', '?'], ['Date', '2021.06.01'], ['White', 'White'],
      ['Black', 'Black'], ['Result', game.result], ['SetUp', '1'], ['FEN', fen],
      ['WhiteClock', whiteClock], ['BlackClock', blackClock],
    ];
    if (control !== undefined) tags.push(['TimeControl', control]);
    games.push(`${tagSection(tags)}\n\n${movetext(game, plies, game.result)}\n`);
  }
  writeGames('setup-position-black-first-with-white-and-black-clock-tags.pgn', games);
}

lichessGames();
chesscomGames();
broadcastGames();
analysisGames();
setUpGames();
