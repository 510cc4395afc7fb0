// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
// The seed files of the entry-file fuzz harness, findings included, through the harness's own
// property checks.

#include "entryfiles/properties.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace deskora::fuzz {
namespace {

TEST(FuzzSeeds, EveryEntryFileSeedKeepsTheProperties)
{
    const QDir seeds(QStringLiteral(FUZZ_DIR "/entryfiles/seeds"));
    const QStringList names = seeds.entryList(QDir::Files, QDir::Name);
    EXPECT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(CheckEntryFile(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())),
                  "")
            << name.toStdString();
    }
}

}  // namespace
}  // namespace deskora::fuzz
