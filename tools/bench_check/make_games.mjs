#!/usr/bin/env node
// make_games.mjs COUNT FILE: writes COUNT random legal games (chessops, one
// seeded generator) in the form a big site exports them: seventeen tags,
// SAN with move numbers, eighty columns to a line, a result. chessops is
// looked for in node_modules of the current folder.
import fs from 'fs';
import path from 'path';
import { pathToFileURL } from 'url';

const chessops = (name) => import(pathToFileURL(path.join(process.cwd(), 'node_modules', 'chessops', 'dist', 'esm', name)).href);
const { Chess } = await chessops('chess.js');
const { makeSan } = await chessops('san.js');
const [count, file] = [Number(process.argv[2] || 30000), process.argv[3] || 'games.pgn'];

let seed = 20261208;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];

// Every legal move of the position, promotions to each piece.
function legalMoves(pos) {
  const moves = [];
  for (const [from, dests] of pos.allDests()) {
    const pawn = pos.board.get(from).role === 'pawn';
    for (const to of dests) {
      const lastRank = (to >> 3) === 7 || (to >> 3) === 0;
      if (pawn && lastRank) {
        for (const promotion of ['queen', 'rook', 'bishop', 'knight']) moves.push({ from, to, promotion });
      } else {
        moves.push({ from, to });
      }
    }
  }
  return moves;
}

const out = fs.openSync(file, 'w');
for (let n = 1; n <= count; n++) {
  const pos = Chess.default();
  const plies = 20 + Math.floor(random() * 120);
  const sans = [];
  for (let i = 0; i < plies && !pos.isEnd(); i++) {
    const move = pick(legalMoves(pos));
    sans.push(makeSan(pos, move));
    pos.play(move);
  }
  const result = pos.isCheckmate() ? (pos.turn === 'white' ? '0-1' : '1-0') : pick(['1-0', '0-1', '1/2-1/2']);
  const tags = [
    ['Event', 'Rated Blitz game'], ['Site', `https://example.org/${n.toString(16)}`], ['Date', '2024.03.09'],
    ['Round', '-'], ['White', `player${Math.floor(random() * 90000)}`], ['Black', `player${Math.floor(random() * 90000)}`],
    ['Result', result], ['UTCDate', '2024.03.09'], ['UTCTime', '10:25:20'], ['WhiteElo', String(1000 + Math.floor(random() * 1800))],
    ['BlackElo', String(1000 + Math.floor(random() * 1800))], ['WhiteRatingDiff', '+7'], ['BlackRatingDiff', '-7'],
    ['ECO', 'B20'], ['Opening', 'Sicilian Defense'], ['TimeControl', '300+0'], ['Termination', 'Normal'],
  ];
  let text = tags.map(([k, v]) => `[${k} "${v}"]`).join('\n') + '\n\n';
  let line = '';
  sans.forEach((san, i) => {
    const token = i % 2 === 0 ? `${i / 2 + 1}. ${san}` : san;
    if (line.length + token.length + 1 > 80) {
      text += line + '\n';
      line = token;
    } else {
      line = line ? `${line} ${token}` : token;
    }
  });
  text += (line ? `${line} ${result}` : result) + '\n\n';
  fs.writeSync(out, text);
}
fs.closeSync(out);
