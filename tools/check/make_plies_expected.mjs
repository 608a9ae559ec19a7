// Writes the ply lines TarnwicketCheck --plies prints for a PGN file, found
// independently of the viewer: chessops' PGN parser (npm chessops 0.15.1)
// cuts the games, their main lines and the comments of each ply out of the
// file, chessops plays the moves, and this script applies the viewer's rules
// of clocks, time spent, evaluations, glyphs and comment texts.
//
//   cd DIR_WITH_NODE_MODULES && node make_plies_expected.mjs FILE.pgn > NAME.expected.tsv
//
// (chessops is looked for in node_modules of the current folder.)
//
// One line per main-line ply, tab separated, as tools/check/README.md
// describes them (the games' own lines are not written):
//
//   N  K  MOVE  CLOCK  SPENT  EVAL  COMMENT
//
// - MOVE: the move as the file writes it (move number and en passant mark
//   left out), then the text of the ply's first glyph of $1 to $6 ("!",
//   "?", "!!", "??", "!?", "?!"). A move written with its mark ("e4!?") is
//   one chessops reads as the move and glyph $5, so "e4!? $2" shows
//   "e4!?" as the viewer shows it. chessops writes castling with zeros
//   ("0-0") as "O-O" and a null move ("Z0") as "--": the files checked
//   here write castling with letters.
// - CLOCK: [%clk] in whole seconds, cut; "-" without one.
// - SPENT: the time spent in milliseconds: [%emt] where the ply has one;
//   else the mover's clock after the mover's ply before (for the mover's
//   first ply: the WhiteClock or BlackClock tag, else the B of a
//   TimeControl "B" or "B+I") minus this ply's clock plus the increment I,
//   and 0 where that is below 0; "-" where a clock needed is missing.
// - EVAL: [%eval] as the console shows it ("+0.17", "-1.20", "0.00", "#3",
//   "#-2"); "-" without one.
// - COMMENT: the words of all the ply's comments (variations and their
//   comments passed over), commands removed, white space made single,
//   joined by one space; "-" without any. How the comments are read is
//   said at the top of tests/data/comments/ply_comments.mjs.
//
// A game from a set-up position (FEN) starts with the side its FEN names;
// a game under other rules than chess, or from a position chessops refuses,
// has no ply lines (the viewer refuses it at its first ply). A move
// chessops cannot play (a real broadcast has one that leaves its king in
// check) is told on standard error; the lines go on with the turn passing
// as usual, as the viewer goes on, and chessops plays no more of that game.
import {
  chessopsModule,
  evalText,
  fractionMs,
  plyComments,
  readGameFile,
} from '../../tests/data/comments/ply_comments.mjs';

const { parsePgn, parseVariant, startingPosition } = await chessopsModule('pgn');
const { parseSan } = await chessopsModule('san');

const nagTexts = { 1: '!', 2: '?', 3: '!!', 4: '??', 5: '!?', 6: '?!' };

// White space as tag values and comments count it: bytes 0 to 32 and 127.
const trimBlanks = (text) => text.replace(/^[\x00-\x20\x7f]+|[\x00-\x20\x7f]+$/g, '');

// A WhiteClock or BlackClock value, "1:59:58", "2:58" or "00:03:00.0", in
// milliseconds; undefined for anything else.
function clockTagMs(value) {
  if (value === undefined) return undefined;
  const match = trimBlanks(value).match(/^(\d{1,5}):([0-5]\d)(?::([0-5]\d))?(?:\.(\d+))?$/);
  if (!match) return undefined;
  const [, first, second, third, digits] = match;
  const seconds =
    third === undefined ? Number(first) * 60 + Number(second) : Number(first) * 3600 + Number(second) * 60 + Number(third);
  return fractionMs(seconds, digits);
}

// A TimeControl value: { startMs, incrementMs } for "B" and "B+I" (seconds,
// a fraction allowed), no start and no increment for any other form.
function timeControl(value) {
  const seconds = '(\\d{1,9})(?:\\.(\\d+))?';
  const match = value === undefined ? null : trimBlanks(value).match(new RegExp(`^${seconds}(?:\\+${seconds})?$`));
  if (!match) return { startMs: undefined, incrementMs: 0 };
  const [, start, startDigits, increment, incrementDigits] = match;
  return {
    startMs: fractionMs(Number(start), startDigits),
    incrementMs: increment === undefined ? 0 : fractionMs(Number(increment), incrementDigits),
  };
}

// The time spent on a ply from the mover's clock before and after it.
function spentFromClocks(beforeMs, afterMs, incrementMs) {
  if (beforeMs === undefined || afterMs === undefined) return undefined;
  return Math.max(0, beforeMs - afterMs + incrementMs);
}

const field = (value) => (value === undefined || value === '' ? '-' : String(value));

// The ply lines of one game.
function gameLines(number, game) {
  const lines = [];
  if (parseVariant(game.headers.get('Variant')) !== 'chess') return lines;
  const start = startingPosition(game.headers);
  if (start.isErr) return lines;
  const pos = start.value;
  let playing = true;
  const control = timeControl(game.headers.get('TimeControl'));
  const startMs = {
    white: clockTagMs(game.headers.get('WhiteClock')) ?? control.startMs,
    black: clockTagMs(game.headers.get('BlackClock')) ?? control.startMs,
  };
  const lastClockMs = { ...startMs };  // each side's clock after its ply before
  let node = game.moves;
  for (let ply = 1; node.children.length > 0; ply++) {
    node = node.children[0];
    const { san } = node.data;
    const mover = pos.turn;
    const move = san === '--' || !playing ? undefined : parseSan(pos, san);
    if (move !== undefined) {
      pos.play(move);
    } else {
      if (san !== '--' && playing) process.stderr.write(`game ${number} ply ${ply}: chessops cannot play ${san}\n`);
      playing = playing && san === '--';
      pos.turn = mover === 'white' ? 'black' : 'white';
      pos.epSquare = undefined;
    }
    const notes = plyComments(node.data.comments || []);
    const nag = (node.data.nags || []).find((code) => code >= 1 && code <= 6);
    const spentMs = notes.spentMs ?? spentFromClocks(lastClockMs[mover], notes.clockMs, control.incrementMs);
    lastClockMs[mover] = notes.clockMs;
    const clock = notes.clockMs === undefined ? undefined : Math.floor(notes.clockMs / 1000);
    const shown = san + (nag === undefined ? '' : nagTexts[nag]);
    lines.push([number, ply, shown, field(clock), field(spentMs), evalText(notes.evaluation), field(notes.text)].join('\t'));
  }
  return lines;
}

const { text, encoding } = readGameFile(process.argv[2]);
const lines = parsePgn(text).flatMap((game, index) => gameLines(index + 1, game));
process.stdout.write(Buffer.from(lines.map((line) => `${line}\n`).join(''), encoding));
