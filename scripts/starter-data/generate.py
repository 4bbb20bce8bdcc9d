#!/usr/bin/env python3
"""Writes the starter vocabularies res/data/Zenvalo.txt and res/data/Zenvalo(esprimoj).txt.

The words come from the French-Esperanto bilingual dictionary of Debian's machine translator
(package apertium-eo-fr, read with lt-print of lttoolbox-dev); the Esperanto forms are made with
the package's own generator (lt-proc -g). Common words are chosen by how often their Esperanto
stem occurs in Zamenhof's "Proverbaro Esperanta" (package fortunes-eo), the classic collection
of everyday sayings, together with the hand-kept list always.txt (the words of the program's
help and examples, numbers, days, months, everyday topics). The expressions are hand-written
(esprimoj.tsv). corrections.tsv fixes or drops pairs found wrong in the reviewed sample.

Usage: generate.py [--check] [--sample N SEED FILE]
  --check   compare with the committed files instead of writing them (exit 1 when they differ)
  --sample  also write N pairs drawn with a fixed seed, for review by a person
"""

import collections
import hashlib
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
DATA = ROOT / "res" / "data"
PAIR_DIR = Path("/usr/share/apertium/apertium-eo-fr")
BIDIX = PAIR_DIR / "fr-eo.autobil.bin"
GENERATOR = PAIR_DIR / "fr-eo.autogen.bin"
PROVERBS = Path("/usr/share/games/fortunes/eo/proverbaro")
INPUT_PACKAGES = ("apertium-eo-fr", "lttoolbox", "lttoolbox-dev", "fortunes-eo")

# Every entry is in box 1 in both directions, last answered on 1 January 2000, so every one is
# due at once whatever today is; the category number can only come after the dates.
ENTRY_NUMBERS = "0;0;2000;1;1;2000;1;1;{category};;"

CATEGORIES = ["Substantivoj", "Verboj", "Adjektivoj", "Adverboj", "Nombroj", "Vortetoj"]
CATEGORY_OF_POS = {"n": 1, "vblex": 2, "vbser": 2, "vbmod": 2, "vbhaver": 2, "adj": 3, "adv": 4,
                   "num": 5, "pr": 6, "cnjcoo": 6, "cnjsub": 6, "cnjadv": 6}

# Below this many occurrences of its Esperanto stem in the proverbs, a word needs always.txt.
MINIMUM_OCCURRENCES = 1

FRENCH_TEXT = re.compile(r"^[a-zàâäçéèêëîïôöùûüÿœæ]+(?:[ '-][a-zàâäçéèêëîïôöùûüÿœæ]+){0,3}$")
ESPERANTO_TEXT = re.compile(r"^[a-zĉĝĥĵŝŭ]+(?:[ -][a-zĉĝĥĵŝŭ]+){0,3}$")
ESPERANTO_WORD = re.compile(r"[a-zĉĝĥĵŝŭ]+")


def package_versions():
    versions = {}
    for package in INPUT_PACKAGES:
        result = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                                capture_output=True, text=True)
        if result.returncode != 0:
            sys.exit(f"Package {package} is missing: run scripts/starter-data/generate.sh --install")
        versions[package] = result.stdout.strip()
    return versions


def dictionary_pairs():
    """All (French analysis, Esperanto analysis) paths of the bilingual transducer."""
    text = subprocess.run(["lt-print", str(BIDIX)], capture_output=True, text=True,
                          check=True).stdout
    arcs = collections.defaultdict(list)
    finals = set()
    for line in text.split("--\n")[0].splitlines():
        fields = line.split("\t")
        if len(fields) <= 2:
            finals.add(int(fields[0]))
        else:
            source, target, upper, lower = fields[:4]
            arcs[int(source)].append((int(target), "" if upper == "ε" else upper,
                                      "" if lower == "ε" else lower))
    pairs = []
    # Iterative walk; the patterns of web addresses and numerals are loops and left out.
    stack = [(0, "", "", frozenset([0]))]
    while stack:
        state, upper, lower, seen = stack.pop()
        if state in finals:
            pairs.append((upper, lower))
        if len(upper) > 80 or upper.startswith(("www", "http")) or upper[:1].isdigit():
            continue
        for target, a, b in arcs[state]:
            if target not in seen:
                stack.append((target, upper + a, lower + b, seen | {target}))
    return pairs


def split_analysis(analysis):
    match = re.match(r"^([^<]*)((?:<[^>]+>)*)$", analysis)
    if not match:
        return None, []
    return match.group(1).replace("#", ""), re.findall(r"<([^>]+)>", match.group(2))


WORD_CLASSES = (("ojn", "o"), ("oj", "o"), ("on", "o"), ("o", "o"),
                 ("ajn", "a"), ("aj", "a"), ("an", "a"), ("a", "a"),
                 ("en", "e"), ("e", "e"),
                 ("as", "i"), ("is", "i"), ("os", "i"), ("us", "i"), ("u", "i"), ("i", "i"))


def word_class(word):
    """(stem, ending class) of an inflected Esperanto word: o, a, e, i (verb) or the word itself."""
    for ending, kind in WORD_CLASSES:
        if word.endswith(ending) and len(word) - len(ending) >= 2:
            return word[: -len(ending)], kind
    return word, ""


def proverb_counts():
    words = ESPERANTO_WORD.findall(PROVERBS.read_text(encoding="utf-8").lower())
    return collections.Counter(word_class(word) for word in words)


def occurrences(counts, esperanto):
    """How often an Esperanto word occurs in the proverbs, in any of its inflected forms but in its
    own word class (the adverb "monte" does not profit from the noun "monto"). A "mal-" word also
    gets half of its opposite's count."""
    if " " in esperanto or "-" in esperanto:
        return min(occurrences(counts, part) for part in re.split(r"[ -]", esperanto))
    base, kind = word_class(esperanto)
    best = counts[(base, kind)]
    if base.startswith("mal") and len(base) > 5:
        best = max(best, counts[(base[3:], kind)] / 2)
    return best


def generate_forms(requests):
    """Esperanto surface forms from the package's generator, one per request."""
    if not requests:
        return []
    feed = "".join(f"^{request}$\n" for request in requests)
    output = subprocess.run(["lt-proc", "-g", str(GENERATOR)], input=feed, capture_output=True,
                            text=True, check=True).stdout.splitlines()
    assert len(output) == len(requests), "generator output out of step"
    return output


def capitalised(text):
    return text[:1].upper() + text[1:]


def read_table(name):
    rows = []
    for line in (HERE / name).read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            rows.append(line.split("\t"))
    return rows


class Candidate:
    def __init__(self, french, gender, number, pos, esperanto, esperanto_tags):
        self.french = french
        self.gender = gender
        self.number = number
        self.pos = pos
        self.esperanto = esperanto
        self.esperanto_tags = esperanto_tags
        self.category = CATEGORY_OF_POS[pos]
        self.score = 0.0
        self.text1 = ""
        self.text2 = ""

    def french_key(self):
        return (self.french, self.category, self.gender)


def candidates_from(pairs):
    found = []
    for upper, lower in pairs:
        french, french_tags = split_analysis(upper)
        esperanto, esperanto_tags = split_analysis(lower)
        if not french_tags or not esperanto_tags or french_tags[0] not in CATEGORY_OF_POS:
            continue
        pos = french_tags[0]
        if set(french_tags) & {"acr", "np", "ant", "loc", "al", "cog"} or "np" in esperanto_tags:
            continue
        if not FRENCH_TEXT.match(french) or not ESPERANTO_TEXT.match(esperanto):
            continue
        if pos != "num" and len(french) > 24:
            continue
        # The numbers as France says them: soixante-dix, quatre-vingts, quatre-vingt-dix.
        if pos == "num" and re.search(r"septante|octante|huitante|nonante", french):
            continue
        gender = next((tag for tag in french_tags[1:] if tag in ("m", "f", "mf")), "")
        number = next((tag for tag in french_tags[1:] if tag in ("sg", "pl", "sp")), "")
        # A translation kept for the plural only ("fois" under "foi") is not the lemma's, unless
        # the French word has no singular ("fiançailles").
        if number == "pl" and not french.endswith(("s", "x")):
            continue
        found.append(Candidate(french, gender, number, pos, esperanto, esperanto_tags))
    # The feminine of a noun whose French lemma is its masculine ("ours" for "ourse") would need
    # the French feminine form, which the dictionary does not give: left out.
    masculine = {(c.french, c.esperanto) for c in found if c.pos == "n" and c.gender != "f"}
    return [c for c in found
            if not (c.pos == "n" and c.gender == "f" and (c.french, c.esperanto) in masculine)]


def noun_request(candidate):
    tags = "<n>"
    if candidate.gender == "f" and "f" in candidate.esperanto_tags:
        tags += "<f>"
    return candidate.esperanto + tags + ("<pl>" if "pl" in candidate.esperanto_tags else "<sg>") + "<nom>"


def texts_of(candidates):
    """text1 with the article of a noun as its comment, text2 in the form the generator gives."""
    nouns = [c for c in candidates if c.pos == "n"]
    forms = dict(zip((id(c) for c in nouns), generate_forms([noun_request(c) for c in nouns])))
    for candidate in candidates:
        esperanto = candidate.esperanto
        if candidate.pos == "n":
            form = forms[id(candidate)]
            if not form.startswith(("#", "*", "@")) and ESPERANTO_TEXT.match(form):
                esperanto = form
            article = {"m": "le", "f": "la", "mf": "le, la"}.get(candidate.gender, "le")
            if candidate.number == "pl":
                article = "les"
            candidate.text1 = f"{capitalised(candidate.french)} ({article})"
        else:
            candidate.text1 = capitalised(candidate.french)
        candidate.text2 = capitalised(esperanto)


def select(candidates, counts, always):
    for candidate in candidates:
        candidate.score = occurrences(counts, candidate.esperanto)
        if candidate.french in always.get(candidate.category, ()):
            candidate.score += 1000

    # One translation per French word, sense and gender: the most frequent one.
    best_for_french = {}
    for candidate in candidates:
        key = candidate.french_key()
        kept = best_for_french.get(key)
        if kept is None or (candidate.score, -len(candidate.esperanto)) > (kept.score, -len(kept.esperanto)):
            best_for_french[key] = candidate
    # One French word per Esperanto word, so that both directions have a single answer: the
    # shortest, as the shorter of two synonyms is the more common one far more often than not.
    best_for_esperanto = {}
    for candidate in best_for_french.values():
        key = (candidate.text2, candidate.category)
        kept = best_for_esperanto.get(key)
        rank = (candidate.score >= 1000, " " not in candidate.french, -len(candidate.french))
        if kept is None or rank > (kept.score >= 1000, " " not in kept.french, -len(kept.french)):
            best_for_esperanto[key] = candidate
    def common_enough(c):
        if c.score >= 1000 or c.pos == "num":
            return True
        # Short words of these classes are mostly prefixes and abbreviations; long phrases are
        # terms rather than everyday words.
        if len(c.french) < 3 and c.category in (1, 2, 3):
            return False
        if c.french.count(" ") + c.french.count("'") > (1 if c.pos == "n" else 2):
            return False
        if c.pos == "n" and " " in c.french and " " in c.esperanto:
            return False
        return c.score >= MINIMUM_OCCURRENCES

    chosen = [c for c in best_for_esperanto.values() if common_enough(c)]
    return sorted(chosen, key=lambda c: (c.category, c.french, c.gender))


def apply_corrections(entries):
    """corrections.tsv: French and Esperanto as generated, then the right pair, or "-" to drop."""
    fixes = {(row[0], row[1]): row[2:] for row in read_table("corrections.tsv")}
    used = set()
    kept = []
    for category, text1, text2 in entries:
        fix = fixes.get((text1, text2))
        if fix is not None:
            used.add((text1, text2))
            if fix[0] == "-":
                continue
            text1, text2 = fix[0], fix[1]
        kept.append((category, text1, text2))
    unused = set(fixes) - used
    if unused:
        sys.exit(f"corrections.tsv names pairs that are no longer generated: {sorted(unused)}")
    return kept


POS_COMMENTS = {3: "adjectif", 4: "adverbe", 5: "nombre", 6: "mot-outil"}


def told_apart(entries):
    """A French word that is in two categories gets its part of speech as its comment."""
    seen = collections.Counter(text1 for _, text1, _ in entries)
    result = []
    for category, text1, text2 in entries:
        if seen[text1] > 1 and category in POS_COMMENTS:
            text1 = f"{text1} ({POS_COMMENTS[category]})"
        result.append((category, text1, text2))
    twice = [t for t, n in collections.Counter(e[1] for e in result).items() if n > 1]
    if twice:
        sys.exit(f"French texts twice: {twice}")
    return result


def check_text(text):
    if not text or ";" in text or "\n" in text or "\r" in text or text != text.strip():
        sys.exit(f"Text not storable: {text!r}")


def data_set(header, entries):
    lines = [str(len(entries)), "#" + ";".join(header) + ";"]
    for category, text1, text2 in entries:
        check_text(text1)
        check_text(text2)
        lines.append(f"{text1};{text2};" + ENTRY_NUMBERS.format(category=category))
    return "\n".join(lines) + "\n"


def expressions():
    header = read_table("esprimoj-kategorioj.tsv")
    names = [row[1] for row in header]
    entries = [(int(row[0]), row[1], row[2]) for row in read_table("esprimoj.tsv")]
    return data_set(["Franca", "Esperanto"] + names, entries), len(entries)


def main():
    check = "--check" in sys.argv
    versions = package_versions()
    always = collections.defaultdict(set)
    for row in read_table("always.txt"):
        always[CATEGORY_OF_POS[row[0]]].add(row[1])
    candidates = candidates_from(dictionary_pairs())
    texts_of(candidates)
    chosen = select(candidates, proverb_counts(), always)
    generated = told_apart([(c.category, c.text1, c.text2) for c in chosen])
    entries = apply_corrections(generated)
    entries += [(int(row[0]), row[1], row[2]) for row in read_table("extra-words.tsv")]
    entries = sorted(set(entries), key=lambda e: (e[0], e[1].casefold(), e[2]))
    twice = [t for t, n in collections.Counter(e[1] for e in entries).items() if n > 1]
    if twice:
        sys.exit(f"French texts twice: {twice}")
    words = data_set(["Franca", "Esperanto"] + CATEGORIES, entries)
    phrases, phrase_count = expressions()

    outputs = {DATA / "Zenvalo.txt": words, DATA / "Zenvalo(esprimoj).txt": phrases}
    if check:
        stale = [path.name for path, text in outputs.items()
                 if not path.exists() or path.read_text(encoding="utf-8") != text]
        if stale:
            sys.exit(f"Out of date: {', '.join(stale)}")
    else:
        DATA.mkdir(parents=True, exist_ok=True)
        for path, text in outputs.items():
            path.write_text(text, encoding="utf-8", newline="\n")
    per_category = collections.Counter(e[0] for e in entries)
    print("Inputs: " + ", ".join(f"{p} {v}" for p, v in versions.items()))
    print(f"Zenvalo.txt: {len(entries)} words, " +
          ", ".join(f"{CATEGORIES[c - 1]} {n}" for c, n in sorted(per_category.items())))
    print(f"Zenvalo(esprimoj).txt: {phrase_count} expressions")

    if "--sample" in sys.argv:
        at = sys.argv.index("--sample")
        size, seed, target = int(sys.argv[at + 1]), sys.argv[at + 2], Path(sys.argv[at + 3])
        target.write_text("".join(f"{t1}\t{t2}\n" for t1, t2 in sample(generated, size, seed)),
                          encoding="utf-8")


def sample(entries, size, seed):
    """The pairs of the dictionary (before corrections) whose hash with the seed is lowest: a
    random draw that keeps its other pairs when a few pairs of the list change."""
    def rank(entry):
        return hashlib.sha256(f"{seed}\t{entry[1]}\t{entry[2]}".encode()).hexdigest()
    return [(t1, t2) for _, t1, t2 in sorted(entries, key=rank)[:size]]

if __name__ == "__main__":
    main()
