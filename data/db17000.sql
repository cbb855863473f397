-- The builder's staging database: three tables of names as the builder gathers them, and namabayi as in ter.va.
-- Text columns are COLLATE NOCASE, as in ter.va.
CREATE TABLE bayiorigin (
    nama TEXT COLLATE NOCASE,
    arti TEXT COLLATE NOCASE,
    asal TEXT COLLATE NOCASE,
    jk TEXT COLLATE NOCASE
);
CREATE TABLE bayi20000 (
    nama TEXT COLLATE NOCASE,
    arti TEXT COLLATE NOCASE,
    asal TEXT COLLATE NOCASE,
    jk TEXT COLLATE NOCASE
);
CREATE TABLE bayiorigin2 (
    nama TEXT COLLATE NOCASE,
    arti TEXT COLLATE NOCASE,
    asal TEXT COLLATE NOCASE,
    jk TEXT COLLATE NOCASE
);
CREATE TABLE namabayi (
    nama TEXT COLLATE NOCASE,
    arti TEXT COLLATE NOCASE,
    asal TEXT COLLATE NOCASE,
    jk TEXT COLLATE NOCASE,
    fav BOOLEAN NOT NULL DEFAULT 0
);
