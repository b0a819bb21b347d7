// The names of the date and time formats, in table order. A format's number
// (its position, from 1) is what the script view and the player use.
#pragma once

#include <array>
#include <string_view>

namespace tavrix {

inline constexpr std::array<std::string_view, 51> DateFormatNames = {
    "MM/DD/YY",      "MM-DD-YY",      "MM.DD.YY",       "MM/DD/YYYY",     "MM-DD-YYYY",    "MM.DD.YYYY",
    "DD/MM/YY",      "DD-MM-YY",      "DD.MM.YY",       "DD/MM/YYYY",     "DD-MM-YYYY",    "DD.MM.YYYY",
    "YY/MM/DD",      "YY-MM-DD",      "YY.MM.DD",       "YYYY/MM/DD",     "YYYY-MM-DD",    "YYYY.MM.DD",
    "MMM YYYY",      "Mmm YYYY",      "DD MMM YY",      "DD Mmm YY",      "DD MMM YYYY",   "DD Mmm YYYY",
    "DD Mmmmm YY",   "DD Mmmmm YYYY", "Mmm DD YY",      "Mmm DD, YY",     "Mmm DD YYYY",   "Mmm DD, YYYY",
    "Mmmmm DD YY",   "Mmmmm DD, YY",  "Mmmmm DD YYYY",  "Mmmmm DD, YYYY", "MMDDYY",        "MMDDYYYY",
    "DDMMYY",        "DDMMYYYY",      "YYMMDD",         "YYYYMMDD",       "DD",            "MM",
    "Mmm",           "MMM",           "Mmmmm",          "YY",             "YYYY",          "Day of Week 1",
    "Day of Week 2", "Day of Week 3", "Day of Week 4",
};

inline constexpr std::array<std::string_view, 26> TimeFormatNames = {
    "hh:mm",       "hh.mm",       "hh,mm",       "hhmm",        "hh:mm:ss",    "hh.mm.ss",    "hh,mm,ss",
    "hhmmss",      "hh",          "mm",          "ss",          "hh:mm am",    "hh.mm am",    "hh,mm am",
    "hh:mm:ss am", "hh.mm.ss am", "hh,mm,ss am", "hh:mm AM",    "hh.mm AM",    "hh,mm AM",    "hh:mm:ss AM",
    "hh.mm.ss AM", "hh,mm,ss AM", "hh:mma",      "hh.mma",      "hh,mma",
};

}  // namespace tavrix
