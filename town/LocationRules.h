// The rules of the two location windows that are not just opening a place: running away from school and the
// fighting skill the street robbery asks for.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

// Street robbery is for those who can fight: the skill it asks for, and what the player hears below it.
constexpr int RobberyFightSkill = 60;
extern const char* const RobberyTooWeakMessage;

// Running away from a lesson works one try in this many; after the escape the class teacher notices one time in
// this many.
constexpr int RunAwayOdds = 3;
constexpr int TeacherNoticesOdds = 3;

// What the player says to himself when running away from a lesson does not work out.
extern const std::array<const char*, 5> RunAwayRefusals;

// A try to run away: an empty text when the player gets out, otherwise the refusal line to show.
QString TryRunningAway();

// Back from the escape: the class teacher's remark and the lost authority point, or nothing when she did not notice.
// The caller shows the messages first and then takes the point, so a broken authority value never swallows them.
QStringList TeacherRemarks();
