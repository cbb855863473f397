#include "builder/TextCleanup.h"

namespace tervala {

QString stripTags(const QString& text)
{
    QString output;
    output.reserve(text.size());
    bool insideTag = false;
    for (const QChar c : text) {
        if (c != u'<' && c != u'>' && !insideTag)
            output += c;
        if (c == u'<')
            insideTag = true;
        if (c == u'>')
            insideTag = false;
    }
    return output;
}

QString firstCharacter(const QString& text)
{
    if (text.size() >= 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        return text.left(2);
    return text.left(1);
}

QString upperFirst(const QString& text)
{
    const QString first = firstCharacter(text);
    return first.toUpper() + text.mid(first.size());
}

QString recaseName(const QString& name)
{
    const QString first = firstCharacter(name);
    return first.toUpper() + name.mid(first.size()).toLower();
}

} // namespace tervala
