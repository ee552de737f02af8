#pragma once
#include <QString>

#include <optional>

// The entry fields a message can send the keyboard focus to.
enum class EntryField {
    name,
    longitudeDegrees,
    longitudeMinutes,
    latitudeDegrees,
    latitudeMinutes,
    city,
    state,
    country,
};

enum class ProblemIcon { error, information };

// What the user is told about input that cannot be used: one message box, then the focus
// moves to the field at fault.
struct EntryProblem {
    QString message;
    ProblemIcon icon;
    std::optional<EntryField> focus;  // none: the focus stays where it is
};
