// Deterministic synthetic name rows for the benchmarks. The same seed gives the same rows on every machine:
// only std::mt19937_64's raw output is used (fixed by the standard), never a distribution (not fixed).
// Rows mix both genders, 30 origins, meanings of 1 to 9 words (many over 40 characters), a few apostrophes,
// non-ASCII letters and favourites, so the program's slow paths are in the mix.
#pragma once

#include <QString>

#include <random>

namespace tervala::bench {

struct SyntheticName {
    QString nama;
    QString arti;
    QString asal;
    QString jk; // "M" or "F"
    bool fav = false;
};

class SyntheticNames {
public:
    static constexpr quint64 DefaultSeed = 20000;

    explicit SyntheticNames(quint64 seed = DefaultSeed);

    SyntheticName next();

private:
    // A number in [0, bound); bound is small, so the modulo bias does not matter here.
    int below(int bound);
    QString name();
    QString meaning();

    std::mt19937_64 m_random;
};

} // namespace tervala::bench
