#pragma once

// Once every fifteen days or so, asks whether the user wants to look for an update.
// The date of the last reminder is kept in the user's settings ("Settings/Duration", yyyy-MM-dd).
void Update_Reminder();
