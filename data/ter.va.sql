-- The names database. Text columns are COLLATE NOCASE: the program replaces NOCASE by a Unicode collation,
-- plain sqlite3 keeps its own. fav is 0 or 1, and 0 unless a row is made a favourite.
CREATE TABLE namabayi (
    nama TEXT COLLATE NOCASE,
    arti TEXT COLLATE NOCASE,
    asal TEXT COLLATE NOCASE,
    jk TEXT COLLATE NOCASE,
    fav BOOLEAN NOT NULL DEFAULT 0
);
