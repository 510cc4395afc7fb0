// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#include "errors.h"

#include <cstdio>
#include <utility>

namespace deskora {

EDeskoraError::EDeskoraError(const QString& message)
    : std::runtime_error(message.toStdString()),
      FMessage(message)
{
}

namespace {
TErrorHook& Hook()
{
    static TErrorHook hook;
    return hook;
}
}  // namespace

void ShowErrorMessage(const QString& text)
{
    const TErrorHook& hook = Hook();
    if (hook)
        hook(text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

TErrorHook SetErrorHook(TErrorHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

}  // namespace deskora
