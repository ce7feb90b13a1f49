#pragma once
// Attaches the calendar's windows to the main window: カレンダ (calenbtn) opens the date-input
// window at the form's birth date and its OK writes the date back into the client record; 時差
// (jisabtn) opens the time-difference table; the Taiwan old-calendar window opens under its class
// name (the settings window asks for it).

namespace suimei {

struct Workbench;

void installCalendarWindows(const Workbench& bench);

}  // namespace suimei
