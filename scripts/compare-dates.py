#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Lunoria and Deskora developers
"""A seeded list of date texts (dd.mm.yyyy) for comparing lunoria-info's output between builds.

Seven in ten dates lie in 1800-2200, the rest anywhere in -4712 ... 5879490, with the first and
last days of months and the calendar reform of October 1582 among them. The same count always
gives the same list."""
import random
import sys

count = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
rng = random.Random(20261208)
special = ["15.10.1582", "4.10.1582", "1.1.-4712", "31.12.5879490", "29.2.2000", "29.2.1900",
           "31.12.1999", "1.1.2000", "28.3.2027", "31.10.2027"]
out = special[:count]
while len(out) < count:
    year = rng.randint(1800, 2200) if rng.random() < 0.7 else rng.randint(-4712, 5879490)
    month = rng.randint(1, 12)
    day = rng.choice([1, rng.randint(1, 28), rng.randint(1, 28), 28])
    if year == 1582 and month == 10 and 5 <= day <= 14:
        day = 15
    out.append(f"{day}.{month}.{year}")
print("\n".join(out))
