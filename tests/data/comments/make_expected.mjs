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
// chessops decides which ply each comment belongs to and reads every
// command it knows. Where the viewer's rules go further, this script says
// so here and applies them to chessops' results:
//   - several comments of a ply: their texts are joined by one space, and
//     a later comment's clock, time spent or evaluation replaces an
//     earlier one's;
//   - [%emt] written in plain seconds ("[%emt 0.783]"), which chessops
//     leaves in the text, gives the time spent;
//   - every other command ("[%" and a letter, up to the next "]" or the
//     end of the comment) is removed from the text, where chessops keeps
//     all but [%csl] and [%cal];
//   - runs of white space (bytes 0 to 32 and 127) in the text become one
//     space, and the text is trimmed.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const chessops = path.join(process.cwd(), 'node_modules', 'chessops', 'dist', 'esm', 'pgn.js');
const { parsePgn, parseComment } = await import(pathToFileURL(chessops).href);

const file = process.argv[2];
const bytes = fs.readFileSync(file);
let encoding = 'utf8';
try {
  new TextDecoder('utf-8', { fatal: true }).decode(bytes);
} catch {
  encoding = 'latin1';  // byte for byte
}
const pgn = bytes.toString(encoding);

const escape = (text) => text.replace(/\\/g, '\\\\').replace(/\t/g, '\\t').replace(/\n/g, '\\n').replace(/\r/g, '\\r');
const ms = (seconds) => (seconds === undefined ? '-' : String(Math.round(seconds * 1000)));
const evalText = (evaluation) => {
  if (!evaluation) return '-';
  if ('mate' in evaluation) return `#${evaluation.mate}`;
  const hundredths = Math.round(evaluation.pawns * 100);
  const sign = hundredths > 0 ? '+' : hundredths < 0 ? '-' : '';
  return sign + (Math.abs(hundredths) / 100).toFixed(2);
};

function plyLine(game, ply, san, comments) {
  let clock;
  let spent;
  let evaluation;
  const texts = [];
  for (const raw of comments) {
    const parsed = parseComment(raw);
    if (parsed.clock !== undefined) clock = parsed.clock;
    if (parsed.emt !== undefined) spent = parsed.emt;
    if (parsed.evaluation) evaluation = parsed.evaluation;
    const text = parsed.text
      .replace(/\[%emt\s+(\d{1,9}(?:\.\d+)?)\s*\]/g, (_, seconds) => {
        spent = parseFloat(seconds);
        return ' ';
      })
      .replace(/\[%[A-Za-z][^\]]*(?:\]|$)/g, ' ')
      .replace(/[\x00-\x20\x7f]+/g, ' ')
      .replace(/^ | $/g, '');
    if (text !== '') texts.push(text);
  }
  const fields = [game, ply, san, ms(clock), ms(spent), evalText(evaluation), escape(texts.join(' '))];
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
