-- The names database. Text columns are COLLATE NOCASE: the program replaces NOCASE by a Unicode collation,
-- plain sqlite3 keeps its own. fav is 0 or 1, and 0 unless a row is made a favourite.
CREATE TABLE namabayi (
    nama TEXT COLLATE NOCASE,
    arti TEXT COLLATE NOCASE,
    asal TEXT COLLATE NOCASE,
    jk TEXT COLLATE NOCASE,
    fav BOOLEAN NOT NULL DEFAULT 0
);
-- The origin list reads only this column: a narrow copy of it makes the program's start quicker. Its collation
-- is binary because plain sqlite3 and the program order binary text alike, so the tool finds it sound and keeps
-- it up to date when it writes a row; an index in NOCASE would be ordered differently by each of them.
CREATE INDEX tervala_origins ON namabayi(asal COLLATE BINARY);
