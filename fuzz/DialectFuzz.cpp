// The dialect translation and the NOCASE order against their contracts. Input: a statement; or, split at the
// first two 0xFF bytes, three texts to order. Translation: idempotent, and the identity on a statement without
// NUL or "left"; order: equal to the plain Unicode order (the one the fast ASCII path must agree with),
// reflexive, antisymmetric and transitive.
#include "runtime/database/JetDialect.h"

#include <QList>

#include <cstdint>
#include <cstdlib>

using tervala::rt::compareNoCase;

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

int referenceOrder(QByteArrayView a, QByteArrayView b)
{
    const auto base = [](const QString& text) {
        QString decomposed = text.normalized(QString::NormalizationForm_D);
        decomposed.removeIf([](QChar c) { return c.isMark(); });
        return decomposed.toCaseFolded();
    };
    const QString textA = QString::fromUtf8(a);
    const QString textB = QString::fromUtf8(b);
    const int byBase = base(textA).compare(base(textB));
    return byBase != 0 ? sign(byBase) : sign(textA.toCaseFolded().compare(textB.toCaseFolded()));
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString statement = QString::fromUtf8(bytes);
    const QString translated = tervala::rt::translateJetSql(statement);
    check(tervala::rt::translateJetSql(translated) == translated);
    if (!statement.contains(QChar(0)) && !statement.contains(QLatin1String("left"), Qt::CaseInsensitive))
        check(translated == statement);

    const QList<QByteArray> parts = bytes.split('\xff');
    const QByteArray a = parts.value(0);
    const QByteArray b = parts.value(1);
    const QByteArray c = parts.value(2);
    check(compareNoCase(a, a) == 0);
    const int ab = compareNoCase(a, b);
    check(ab == referenceOrder(a, b));
    check(sign(ab) == -sign(compareNoCase(b, a)));
    if (ab <= 0 && compareNoCase(b, c) <= 0)
        check(compareNoCase(a, c) <= 0);
    return 0;
}
