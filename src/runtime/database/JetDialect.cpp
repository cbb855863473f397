// SQLite calls the functions and the collation with UTF-8 text. They must not throw: errors go back through
// sqlite3_result_error and fail the statement. like(pattern, text) keeps its compiled pattern as auxiliary data
// of argument 0, so a constant pattern is compiled once per statement. ucase, left and like run on every row a
// filter scans, so ASCII text, where bytes and characters agree, is handled on its bytes without a QString.
#include "runtime/database/JetDialect.h"

#include "runtime/database/DbError.h"
#include "runtime/database/JetPattern.h"

#include <QVarLengthArray>

#include <sqlite3.h>

#include <array>
#include <memory>

namespace tervala::rt {

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c.unicode() >= 0x80;
}

QString textOf(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void resultText(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

bool anyNull(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    }
    return false;
}

// Every ASCII character once, each followed by a NUL, so that a result of one ASCII character can point here
// instead of being copied: ucase and left return one character for every row that a letter filter scans, and
// ucase reads what left returned. Given as NUL-terminated, the text needs no terminated copy when it is read.
constexpr auto AsciiCharacters = [] {
    std::array<std::array<char, 2>, 128> characters {};
    for (size_t c = 0; c < characters.size(); ++c)
        characters[c] = { char(c), '\0' };
    return characters;
}();

void resultAsciiCharacter(sqlite3_context* context, unsigned char c)
{
    // A length of -1 tells SQLite that the text ends at its NUL, which the NUL character itself cannot.
    sqlite3_result_text(context, AsciiCharacters[c].data(), c == 0 ? 1 : -1, SQLITE_STATIC);
}

bool isAscii(const unsigned char* bytes, int size)
{
    for (int i = 0; i < size; ++i) {
        if (bytes[i] >= 0x80)
            return false;
    }
    return true;
}

void ucaseFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const unsigned char* bytes = sqlite3_value_text(argv[0]);
    const int size = sqlite3_value_bytes(argv[0]);
    if (!bytes || !isAscii(bytes, size)) {
        resultText(context, textOf(argv[0]).toUpper());
        return;
    }
    const auto upperOf = [](unsigned char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : char(c); };
    if (size == 1) {
        resultAsciiCharacter(context, uchar(upperOf(bytes[0])));
        return;
    }
    // SQLite copies a transient result into the result's buffer, which it keeps from row to row.
    QVarLengthArray<char, 256> upper(size);
    for (int i = 0; i < size; ++i)
        upper[i] = upperOf(bytes[i]);
    sqlite3_result_text(context, upper.constData(), size, SQLITE_TRANSIENT);
}

void leftFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const sqlite3_int64 length = sqlite3_value_int64(argv[1]);
    if (length < 0) {
        sqlite3_result_error(context, "Invalid procedure call or argument", -1);
        return;
    }
    // When the first length bytes are ASCII they are the first length characters.
    const unsigned char* bytes = sqlite3_value_text(argv[0]);
    const int prefix = int(qMin(length, sqlite3_int64(sqlite3_value_bytes(argv[0]))));
    if (bytes && prefix == 1 && bytes[0] < 0x80)
        resultAsciiCharacter(context, bytes[0]);
    else if (bytes && isAscii(bytes, prefix))
        sqlite3_result_text(context, reinterpret_cast<const char*>(bytes), prefix, SQLITE_TRANSIENT);
    else
        resultText(context, textOf(argv[0]).left(qsizetype(length)));
}

void deletePattern(void* pattern)
{
    delete static_cast<JetPattern*>(pattern);
}

// SQLite's "x LIKE y" calls like(y, x): the pattern comes first.
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const auto* pattern = static_cast<const JetPattern*>(sqlite3_get_auxdata(context, 0));
    std::unique_ptr<JetPattern> compiled;
    if (!pattern) {
        std::optional<JetPattern> parsed = JetPattern::compile(textOf(argv[0]));
        if (!parsed) {
            sqlite3_result_error(context, "Invalid pattern string", -1);
            return;
        }
        compiled = std::make_unique<JetPattern>(std::move(*parsed));
        pattern = compiled.get();
    }
    const unsigned char* text = sqlite3_value_text(argv[1]);
    const int size = sqlite3_value_bytes(argv[1]);
    const bool matched = text && isAscii(text, size)
        ? pattern->matchesAscii(QByteArrayView(reinterpret_cast<const char*>(text), size))
        : pattern->matches(textOf(argv[1]));
    sqlite3_result_int(context, matched ? 1 : 0);
    // SQLite may free the pattern inside this call, so it is handed over last.
    if (compiled)
        sqlite3_set_auxdata(context, 0, compiled.release(), deletePattern);
}

int noCaseCollation(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return compareNoCase(QByteArrayView(static_cast<const char*>(a), lengthA),
                         QByteArrayView(static_cast<const char*>(b), lengthB));
}

} // namespace

QString translateJetSql(const QString& statement)
{
    QString translated;
    translated.reserve(statement.size() + 8);
    qsizetype i = 0;
    while (i < statement.size()) {
        const QChar c = statement[i];
        const qsizetype start = i++;
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            // A doubled quote inside a literal reads as its end and a new start: the copy is the same.
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            while (i < statement.size() && statement[i] != close)
                ++i;
            i = qMin(i + 1, statement.size());
            const QStringView literal = QStringView(statement).sliced(start, i - start);
            if (c == QLatin1Char('\'') && literal.contains(QChar(u'\0'))) {
                // SQLite ends the statement at a NUL byte; the literal carries each NUL as char(0) instead.
                translated += literal.toString().replace(QChar(u'\0'), QLatin1String("'||char(0)||'"));
                continue;
            }
        } else if (isWordCharacter(c)) {
            while (i < statement.size() && isWordCharacter(statement[i]))
                ++i;
            const QStringView word = QStringView(statement).sliced(start, i - start);
            qsizetype next = i;
            while (next < statement.size() && statement[next].isSpace())
                ++next;
            if (word.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0 && next < statement.size()
                && statement[next] == QLatin1Char('(')) {
                translated += QLatin1String("jet_left");
                continue;
            }
        }
        translated += QStringView(statement).sliced(start, i - start);
    }
    return translated;
}

void registerJetDialect(sqlite3* db)
{
    constexpr int Flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    const auto check = [db](int rc) {
        if (rc != SQLITE_OK)
            throw DbError(rc, QString::fromUtf8(sqlite3_errmsg(db)));
    };
    check(sqlite3_create_function_v2(db, "ucase", 1, Flags, nullptr, ucaseFunction, nullptr, nullptr, nullptr));
    check(sqlite3_create_function_v2(db, "jet_left", 2, Flags, nullptr, leftFunction, nullptr, nullptr, nullptr));
    check(sqlite3_create_function_v2(db, "like", 2, Flags, nullptr, likeFunction, nullptr, nullptr, nullptr));
    check(sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, noCaseCollation, nullptr));
}

} // namespace tervala::rt
