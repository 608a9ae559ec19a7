// Writes the known answers of the comment reader for one PGN file, taken
// from chessops' PGN parser and comment parser (npm chessops 0.15.1).
//
//   cd DIR_WITH_NODE_MODULES && node make_expected.mjs FILE.pgn > NAME.expected.tsv
//
// (chessops is looked for in node_modules of the current folder.)
//
// One line per main-line ply that has comments (ply 0: the comments before
// the first move), tab separated:
//
//   GAME  PLY  SAN  CLOCK_MS  SPENT_MS  EVAL  TEXT  RAW...
//
// GAME and PLY count from 1 (PLY 0 before the first move); SAN is the move
// as written; CLOCK_MS and SPENT_MS are [%clk] and [%emt] in milliseconds,
// EVAL is [%eval] as the console shows it ("+0.17", "-1.20", "0.00", "#3",
// "#-2"), each "-" when the ply has none; TEXT is the ply's comment text;
// RAW are the ply's comments one per field, as chessops' parser cut them
// out of the file. In TEXT and RAW a backslash, a tab, a line feed and a
// carriage return are written \\, \t, \n and \r.
//
// How chessops' readings are completed with the viewer's rules (several
// comments of a ply, the forms chessops does not read, commands it keeps
// in the text, white space) is said at the top of ply_comments.mjs.
import { chessopsModule, evalText, plyComments, readGameFile } from './ply_comments.mjs';

const { parsePgn } = await chessopsModule('pgn');

const { text: pgn, encoding } = readGameFile(process.argv[2]);

const escape = (text) => text.replace(/\\/g, '\\\\').replace(/\t/g, '\\t').replace(/\n/g, '\\n').replace(/\r/g, '\\r');
const field = (ms) => (ms === undefined ? '-' : String(ms));

function plyLine(game, ply, san, comments) {
  const notes = plyComments(comments);
  const fields = [game, ply, san, field(notes.clockMs), field(notes.spentMs), evalText(notes.evaluation), escape(notes.text)];
  return [...fields, ...comments.map(escape)].join('\t');
}

const lines = [];
parsePgn(pgn).forEach((game, index) => {
  const number = index + 1;
  if (game.comments && game.comments.length > 0) lines.push(plyLine(number, 0, '-', game.comments));
  let node = game.moves;
  let ply = 0;
  while (node.children.length > 0) {
    node = node.children[0];
    ply += 1;
    const comments = node.data.comments || [];
    if (comments.length > 0) lines.push(plyLine(number, ply, node.data.san, comments));
  }
});
process.stdout.write(Buffer.from(lines.map((line) => `${line}\n`).join(''), encoding));
