#pragma once

class CWordStore;
class RandomSource;

// The reorderings offered when a data set is saved under a new name. Both move whole entries with
// swapEntries and change nothing else; the stored order is the order of the chronological training.

// Ascending by category, with the exchanges of the plain exchange sort (see exchangeSortByKey), so
// that entries of one category end up in exactly the same order every time.
void sortByCategory(CWordStore& store);

// count / 3 exchanges of two entries drawn at random, the second drawn again until it differs from
// the first. Draws stop at 32767, so entries after that position never move.
void shuffleEntries(CWordStore& store, RandomSource& random);
