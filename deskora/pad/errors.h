// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// Errors of the pad and the way they reach the user.
//
// The pad's helpers raise exceptions (an unreadable date text, a file that cannot be written or
// read). The pad's event handlers catch them at their boundary, because nothing may unwind
// through Qt's event loop, and show the message through a replaceable hook: a message box in the
// program, a recorder in tests.

#include <QString>

#include <functional>
#include <stdexcept>

namespace deskora {

// Base of every error the pad raises; what() and Message() carry the German text for the user.
class EDeskoraError : public std::runtime_error {
public:
    explicit EDeskoraError(const QString& message);
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

// A date text that cannot be read: "'%s' ist kein gültiges Datum".
class EConvertError : public EDeskoraError {
public:
    using EDeskoraError::EDeskoraError;
};

// An entry file that cannot be created, written or opened.
class EFileError : public EDeskoraError {
public:
    using EDeskoraError::EDeskoraError;
};

using TErrorHook = std::function<void(const QString& text)>;

// Shows one error message through the installed hook (standard error without one).
void ShowErrorMessage(const QString& text);

// Installs a hook (an empty one restores standard error); returns the previous one.
TErrorHook SetErrorHook(TErrorHook hook);

}  // namespace deskora
