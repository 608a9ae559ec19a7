// What the comments of one main-line ply hold, as chessops' comment parser
// (npm chessops 0.15.1) reads them and as far as the viewer's rules go
// further; shared by the scripts that write the comment reader's known
// answers (make_expected.mjs here) and TarnwicketCheck --plies' known
// answers (tools/check/make_plies_expected.mjs).
//
// chessops is looked for in node_modules of the current folder.
//
// chessops' parser passes over a ';' comment (to the end of the line)
// where the viewer reads it as a comment of the ply before it:
// readGameFile writes each as a brace comment of the same text, unless the
// text holds a '}' (told on standard error; none of the files here does).
//
// chessops decides which ply each comment belongs to and reads every
// command it knows. Where the viewer's rules go further, plyComments
// applies them to chessops' results:
//   - several comments of a ply: their texts are joined by one space, and
//     a later comment's clock, time spent or evaluation replaces an
//     earlier one's;
//   - [%emt] written in plain seconds ("[%emt 0.783]") and [%clk] or
//     [%emt] in the M:SS form ("[%clk 2:58]", "[%emt 0:05.2]"), which
//     chessops leaves in the text, give the clock or the time spent (of a
//     fraction the first three digits count);
//   - every other command ("[%" and a letter, up to the next "]" or the
//     end of the comment) is removed from the text, where chessops keeps
//     all but [%csl] and [%cal];
//   - runs of white space (bytes 0 to 32 and 127) in the text become one
//     space, and the text is trimmed.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

// One module of chessops' ES build: 'pgn', 'san', 'util', ...
export async function chessopsModule(name) {
  const file = path.join(process.cwd(), 'node_modules', 'chessops', 'dist', 'esm', `${name}.js`);
  return import(pathToFileURL(file).href);
}

const { parseComment } = await chessopsModule('pgn');

// The text with its ';' comments written in braces (see above). Tag lines
// and '%' lines are passed over; a brace comment runs over lines.
function braceLineComments(text) {
  let inBrace = false;
  return text
    .split('\n')
    .map((line, index) => {
      if (!inBrace && /^\s*[[%]/.test(line)) return line;
      for (let i = 0; i < line.length; i++) {
        if (inBrace) {
          inBrace = line[i] !== '}';
        } else if (line[i] === '{') {
          inBrace = true;
        } else if (line[i] === ';') {
          const rest = line.slice(i + 1).replace(/\r$/, '');
          if (!rest.includes('}')) return `${line.slice(0, i)}{${rest}}`;
          process.stderr.write(`line ${index + 1}: a ';' comment holding '}' left to chessops\n`);
          return line;
        }
      }
      return line;
    })
    .join('\n');
}

// A game file's text: UTF-8 where the bytes are, else Latin-1 (byte for
// byte), with the encoding to write answers back in; ';' comments in braces.
export function readGameFile(file) {
  const bytes = fs.readFileSync(file);
  let encoding = 'utf8';
  try {
    new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    encoding = 'latin1';
  }
  return { text: braceLineComments(bytes.toString(encoding)), encoding };
}

// Milliseconds of a time in seconds (chessops' readings), undefined kept.
export const toMs = (seconds) => (seconds === undefined ? undefined : Math.round(seconds * 1000));

// Milliseconds of whole seconds and the digits of a fraction, of which the
// first three count.
export const fractionMs = (seconds, digits = '') => seconds * 1000 + Number((digits + '000').slice(0, 3));

// An evaluation as the console shows it: "+0.17", "-1.20", "0.00", "#3", "#-2".
export function evalText(evaluation) {
  if (!evaluation) return '-';
  if ('mate' in evaluation) return `#${evaluation.mate}`;
  const hundredths = Math.round(evaluation.pawns * 100);
  const sign = hundredths > 0 ? '+' : hundredths < 0 ? '-' : '';
  return sign + (Math.abs(hundredths) / 100).toFixed(2);
}

// The forms chessops leaves in the text: [%clk M:SS], [%emt M:SS], [%emt SECONDS].
const minutesForm = /\[%(clk|emt)\s+(\d{1,5}):([0-5]\d)(?:\.(\d+))?\s*\]/g;
const secondsForm = /\[%emt\s+(\d{1,9})(?:\.(\d+))?\s*\]/g;

// What the comments of one ply (as chessops cut them out of the file) hold
// together: clockMs, spentMs (undefined where none), evaluation (chessops'
// { pawns } or { mate }, undefined where none) and the text.
export function plyComments(comments) {
  let clockMs;
  let spentMs;
  let evaluation;
  const texts = [];
  for (const raw of comments) {
    const parsed = parseComment(raw);
    if (parsed.clock !== undefined) clockMs = toMs(parsed.clock);
    if (parsed.emt !== undefined) spentMs = toMs(parsed.emt);
    if (parsed.evaluation) evaluation = parsed.evaluation;
    const text = parsed.text
      .replace(minutesForm, (_, name, minutes, seconds, digits) => {
        const ms = fractionMs(Number(minutes) * 60 + Number(seconds), digits);
        if (name === 'clk') clockMs = ms;
        else spentMs = ms;
        return ' ';
      })
      .replace(secondsForm, (_, seconds, digits) => {
        spentMs = fractionMs(Number(seconds), digits);
        return ' ';
      })
      .replace(/\[%[A-Za-z][^\]]*(?:\]|$)/g, ' ')
      .replace(/[\x00-\x20\x7f]+/g, ' ')
      .replace(/^ | $/g, '');
    if (text !== '') texts.push(text);
  }
  return { clockMs, spentMs, evaluation, text: texts.join(' ') };
}
