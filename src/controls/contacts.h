#pragma once

#include <QStringView>

#include <array>

// Who made the program and where to reach them, as the splash window and its links show it.
// These are placeholders in one place: a school that uses the program puts its own here.
namespace Contacts {

// Ends the splash window's credits sentence "... des Wahlpflichtkurses Informatik der ...",
// so it must read as a genitive there.
inline constexpr QStringView schoolName = u"Gesamtschule Lindenhain";
// A bare host name: the system opens it as a web page.
inline constexpr QStringView schoolWebHost = u"www.example.org";
inline constexpr QStringView schoolStreet = u"Am Lindenhain 12";
inline constexpr QStringView schoolTown = u"12345 Musterstadt";
// Title and name, as they follow "z. Hd. " in the postal address.
inline constexpr QStringView teacher = u"Frau Dr. Erika Mustermann";
inline constexpr QStringView teacherMail = u"e.mustermann@example.com";
inline constexpr QStringView teamMail = u"team-zorbel@example.net";
inline constexpr std::array<QStringView, 4> authors{u"Anna Beispiel", u"Ben Exempel", u"Clara Muster",
                                                    u"David Probe"};

} // namespace Contacts
