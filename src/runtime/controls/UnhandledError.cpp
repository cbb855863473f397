// The numbers for non-database errors are the legacy runtime's own, so a report reads as the old program's did.
#include "runtime/controls/UnhandledError.h"

#include "runtime/database/DbError.h"
#include "runtime/hostfiles/FileError.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace tervala::rt {

namespace {

// The legacy runtime's numbers for failures that are not the database's.
constexpr int OutOfMemoryError = 7;
constexpr int InternalError = 51;
constexpr int FileAccessError = 75;

UnhandledErrorHandler& testHandler()
{
    static UnhandledErrorHandler handler;
    return handler;
}

[[noreturn]] void reportAndExit(const QString& number, const QString& message)
{
    const QString text = QCoreApplication::translate("UnhandledError", "Error %1: %2").arg(number, message);
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
    std::fflush(stderr);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text);
    std::exit(1);
}

} // namespace

void reportUnhandledError(const QString& number, const QString& message)
{
    if (testHandler())
        testHandler()(number, message);
    else
        reportAndExit(number, message);
}

void setUnhandledErrorHandler(UnhandledErrorHandler handler)
{
    testHandler() = std::move(handler);
}

void runGuarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (const WindowClosed&) {
        // The user closed the window during the work: that is its end, not a failure.
    } catch (const DbError& error) {
        reportUnhandledError(QString::number(error.code()), error.message());
    } catch (const FileError& error) {
        reportUnhandledError(QString::number(FileAccessError), QString::fromUtf8(error.what()));
    } catch (const std::bad_alloc&) {
        reportUnhandledError(QString::number(OutOfMemoryError),
                             QCoreApplication::translate("UnhandledError", "Out of memory"));
    } catch (const std::exception& error) {
        reportUnhandledError(QString::number(InternalError), QString::fromUtf8(error.what()));
    }
}

} // namespace tervala::rt
