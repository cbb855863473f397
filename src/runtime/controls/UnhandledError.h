// The one place that reports an error no handler caught: every event handler of the forms runs its body
// through runGuarded. By default the report writes "Error <number>: <message>" to standard error, shows it
// in a critical message box and ends the program with status 1; tests replace the report with their own.
#pragma once

#include <QString>

#include <functional>

namespace tervala::rt {

using UnhandledErrorHandler = std::function<void(const QString& number, const QString& message)>;

// Reports through the handler set for tests, or by default; the default does not return.
void reportUnhandledError(const QString& number, const QString& message);

// Replaces the report; an empty function restores the default.
void setUnhandledErrorHandler(UnhandledErrorHandler handler);

// Thrown by work that finds at a yield that its window has closed meanwhile: the work ends there, and
// runGuarded returns without a report. What the work stored before stays.
struct WindowClosed { };

// Runs body and reports what it throws (a WindowClosed ends it quietly): DbError with its code, FileError as 75
// (path/file access error), std::bad_alloc as 7 (out of memory), any other std::exception as 51 (internal error).
// Returns normally only when body did or when a test handler returned.
void runGuarded(const std::function<void()>& body);

} // namespace tervala::rt
