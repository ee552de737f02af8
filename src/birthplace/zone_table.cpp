#include "birthplace/zone_table.h"

#include <array>

namespace {

// The time-zone list in list order. Several abbreviations occur twice and South Australia
// has two rows for each of its offsets; the list keeps every one of them. In the texts .5
// stands for half an hour, and so does the .3 of Indian Time.
constexpr std::array<ZoneEntry, 71> Zone_Table{{
    //       list text                                         hours  minutes
    /*  0 */ {"Alaska/Hawaii Daylight Time,AHDT,-9.0",         9,   0},
    /*  1 */ {"Alaska/Hawaii Standard Time,AHST,-10.0",       10,   0},
    /*  2 */ {"Alaska/Hawaii War Time,AHWT,-9.0",              9,   0},
    /*  3 */ {"Atlantic Standard Time,AST,-4.0",               4,   0},
    /*  4 */ {"Atlantic War Time,AWT,-3.0",                    3,   0},
    /*  5 */ {"Australian Central Daylight Time,ACDT,+10.5", -10, -30},
    /*  6 */ {"Australian Central Standard Time,ACST,+9.5",   -9, -30},
    /*  7 */ {"Australian Eastern Daylight Time,AEDT,+11.0", -11,   0},
    /*  8 */ {"Australian Eastern Standard Time,AEST,+10.0", -10,   0},
    /*  9 */ {"Australian Western Daylight Time,AWDT,+9.0",   -9,   0},
    /* 10 */ {"Australian Western Standard Time,AWST,+8.0",   -8,   0},
    /* 11 */ {"Azores Time, AT, -2.0",                         2,   0},
    /* 12 */ {"Baghdad Time, BAT, +3.0",                      -3,   0},
    /* 13 */ {"Bering Standard Time,BET,-11.0",               11,   0},
    /* 14 */ {"Brazil Zone 2,BZT2,-3.0",                       3,   0},
    /* 15 */ {"British Double Summer Time,BDST,+2.0",         -2,   0},
    /* 16 */ {"British Summer Time,BST,+1.0",                 -1,   0},
    /* 17 */ {"British War Time,BWT,+2.0",                    -2,   0},
    /* 18 */ {"Central Daylight Time,CDT,-5.0",                5,   0},
    /* 19 */ {"Central European Daylight,CED,+2.0",           -2,   0},
    /* 20 */ {"Central European Time,CET,+1.0",               -1,   0},
    /* 21 */ {"Central Standard Time,CST,-6.0",                6,   0},
    /* 22 */ {"Central War Time,CWT,-5.0",                     5,   0},
    /* 23 */ {"China Coast Time,CCT,+8.0",                    -8,   0},
    /* 24 */ {"Eastern Daylight Time,EDT,-4.0",                4,   0},
    /* 25 */ {"Eastern European Daylight Time,EED,+3.0",      -3,   0},
    /* 26 */ {"Eastern European Time,EET,+2.0",               -2,   0},
    /* 27 */ {"Eastern Standard Time,EST,-5.0",                5,   0},
    /* 28 */ {"Eastern War Time,EWT,-4.0",                     4,   0},
    /* 29 */ {"Greenwich Mean Time,GMT,0.0",                   0,   0},
    /* 30 */ {"Guam Standard Time,GST,+10.0",                -10,   0},
    /* 31 */ {"Hawaiian Daylight Time,HDT,-9.5",               9,  30},
    /* 32 */ {"Hawaiian Standard Time,HST,-10.5",             10,  30},
    /* 33 */ {"Hawaiian War Time,HWT,-9.5",                    9,  30},
    /* 34 */ {"Indian Time, IST, +5.3",                       -5, -30},
    /* 35 */ {"Int'l Date Line East,IDLE,+12.0",             -12,   0},
    /* 36 */ {"Int'l Date Line West,IDLW,-12.0",              12,   0},
    /* 37 */ {"Iran Time, IT, +3.5",                          -3, -30},
    /* 38 */ {"Japan Standard Time,JST,+9.0",                 -9,   0},
    /* 39 */ {"Java Time, JT, +7.5",                          -7, -30},
    /* 40 */ {"Middle European Daylight Time,MED,+2.0",       -2,   0},
    /* 41 */ {"Middle European Time,MET,+1.0",                -1,   0},
    /* 42 */ {"Moluccas Time, MT, +8.5",                      -8, -30},
    /* 43 */ {"Mountain Daylight Time,MDT,-6.0",               6,   0},
    /* 44 */ {"Mountain Standard Time,MST,-7.0",               7,   0},
    /* 45 */ {"Mountain War Time,MWT,-6.0",                    6,   0},
    /* 46 */ {"New Zealand Std Summer Time,NZST,+13.0",      -13,   0},
    /* 47 */ {"New Zealand Std Time,NZT,+12.0",              -12,   0},
    /* 48 */ {"New Zealand Summer Time,NZS,+12.5",           -12, -30},
    /* 49 */ {"New Zealand Time,NZ,+11.5",                   -11, -30},
    /* 50 */ {"Newfoundland Standard Time,NST,-3.5",           3,  30},
    /* 51 */ {"Nome Time, NT, -11.0",                         11,   0},
    /* 52 */ {"North Sumatra Time,NST,+6.5",                  -6, -30},
    /* 53 */ {"Pacific Daylight Time,PDT,-7.0",                7,   0},
    /* 54 */ {"Pacific Standard Time,PST,-8.0",                8,   0},
    /* 55 */ {"Pacific War Time,PWT,-7.0",                     7,   0},
    /* 56 */ {"South Australia Daylight Time,SAD,+10.5",     -10, -30},
    /* 57 */ {"South Australia Daylight Time,SDT,+10.5",     -10, -30},
    /* 58 */ {"South Australia Standard Time,SAST,+9.5",      -9, -30},
    /* 59 */ {"South Australia Standard Time,SAT,+9.5",       -9, -30},
    /* 60 */ {"South Sumatra Time,SST,+7.0",                  -7,   0},
    /* 61 */ {"Universal Time, UT, 0.0",                       0,   0},
    /* 62 */ {"USSR Zone 10,UZ10,+11.0",                     -11,   0},
    /* 63 */ {"USSR Zone 3,USZ3,+4.0",                        -4,   0},
    /* 64 */ {"USSR Zone 4,USZ4,+5.0",                        -5,   0},
    /* 65 */ {"USSR Zone 5,USZ5,+6.0",                        -6,   0},
    /* 66 */ {"USSR Zone 6,USZ6,+7.0",                        -7,   0},
    /* 67 */ {"West Africa Time,WAT,-1.0",                     1,   0},
    /* 68 */ {"Yukon Daylight Time,YDT,-8.0",                  8,   0},
    /* 69 */ {"Yukon Standard Time,YST,-9.0",                  9,   0},
    /* 70 */ {"Yukon War Time,YWT,-8.0",                       8,   0},
}};

}  // namespace

std::vector<std::string_view> Zone_List_Texts()
{
    std::vector<std::string_view> texts;
    texts.reserve(Zone_Table.size());
    for (const ZoneEntry& entry : Zone_Table)
        texts.push_back(entry.listText);
    return texts;
}

std::optional<ZoneOffset> Zone_Calculation(int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= Zone_Table.size())
        return std::nullopt;
    const ZoneEntry& entry = Zone_Table[static_cast<std::size_t>(position)];
    return ZoneOffset{entry.hours, entry.minutes};
}

ZoneDirection Zone_Direction(ZoneOffset offset)
{
    const int sign = offset.hours != 0 ? offset.hours : offset.minutes;
    if (sign < 0)
        return ZoneDirection::aheadOfGreenwich;
    if (sign > 0)
        return ZoneDirection::behindGreenwich;
    return ZoneDirection::unknown;
}
