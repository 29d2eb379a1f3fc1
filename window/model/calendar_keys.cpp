#include "window/model/calendar_keys.h"

namespace DateWin {

TCalendarCommand CommandForKey(const TKeyPress& key) {
  switch (key.VirtualKey) {
    case TVirtualKey::PageUp:
      return key.Control ? TCalendarCommand::PreviousYear : TCalendarCommand::PreviousMonth;
    case TVirtualKey::PageDown:
      return key.Control ? TCalendarCommand::NextYear : TCalendarCommand::NextMonth;
    case TVirtualKey::Escape:
      return TCalendarCommand::Close;
    default:
      break;
  }
  if (key.SearchBoxFocused) return TCalendarCommand::None;
  switch (key.VirtualKey) {
    case TVirtualKey::Left:
      return TCalendarCommand::PreviousDay;
    case TVirtualKey::Right:
      return TCalendarCommand::NextDay;
    case TVirtualKey::Up:
      return TCalendarCommand::PreviousWeek;
    case TVirtualKey::Down:
      return TCalendarCommand::NextWeek;
    case TVirtualKey::Home:
      return TCalendarCommand::Today;
    default:
      return TCalendarCommand::None;
  }
}

bool Navigate(TSelection& selection, TCalendarCommand command) {
  constexpr int kWeek = 7;
  switch (command) {
    case TCalendarCommand::PreviousMonth:
      selection.TurnMonths(-1);
      return true;
    case TCalendarCommand::NextMonth:
      selection.TurnMonths(1);
      return true;
    case TCalendarCommand::PreviousYear:
      selection.TurnYears(-1);
      return true;
    case TCalendarCommand::NextYear:
      selection.TurnYears(1);
      return true;
    case TCalendarCommand::PreviousDay:
      selection.MoveDays(-1);
      return true;
    case TCalendarCommand::NextDay:
      selection.MoveDays(1);
      return true;
    case TCalendarCommand::PreviousWeek:
      selection.MoveDays(-kWeek);
      return true;
    case TCalendarCommand::NextWeek:
      selection.MoveDays(kWeek);
      return true;
    case TCalendarCommand::Today:
      selection.GoToToday();
      return true;
    case TCalendarCommand::None:
    case TCalendarCommand::Close:
      return false;
  }
  return false;
}

// Up turns back, so the months are the notches negated; what is left of a
// notch waits for the next delta in the same direction.
int TWheelTurns::Add(int delta) {
  if ((pending_ < 0) != (delta < 0)) pending_ = 0;
  pending_ += delta;
  const int notches = pending_ / kWheelNotch;
  pending_ -= notches * kWheelNotch;
  return -notches;
}

}  // namespace DateWin
