// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Lunoria and Deskora developers
#pragma once
// What a screen reader learns of the desk pad. The fields are widgets and speak for themselves
// (the notes "Notizen", each slot its hour, "14 Uhr"); what the pad paints is told here: the
// shown date as a text in words, the footer, and the two corners as buttons "Vorheriger Tag"
// and "Nächster Tag" whose press turns the page as a click on them does. In the order of the
// page: the date, the notes, the footer, the corner of the day before, the hours, the corner of
// the next day.

namespace deskora {

class TCalendarPad;

// Registers the pad's accessible interface with Qt; once per process, before the first pad.
void InstallPadAccessibility();

// Tells a screen reader that the pad shows another date.
void AnnouncePadDate(TCalendarPad* pad);

}  // namespace deskora
