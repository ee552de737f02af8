#include "moon/ephemeris.h"

#include <swephexp.h>

#include <QLibrary>

#include <array>
#include <cmath>
#include <type_traits>

namespace {

// The Swiss Ephemeris is opened when the Moon is first asked for, after the launcher's first
// frame, not with the program: nothing of it is loaded while the program starts.
struct SwissEphemeris {
    decltype(&swe_set_ephe_path) setPath = nullptr;
    decltype(&swe_calc_ut) calculate = nullptr;
    decltype(&swe_version) version = nullptr;
    int32 flags = SEFLG_SWIEPH;

    // Every function found, or none; then the files, or Moshier's theory when the library
    // answers from it because they are missing.
    bool open()
    {
        static QLibrary library(QStringLiteral("swe"), 2);
        const auto find = [](auto& function, const char* symbol) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(symbol));
            return function != nullptr;
        };
        if (!(find(setPath, "swe_set_ephe_path") && find(calculate, "swe_calc_ut") && find(version, "swe_version")))
            return false;
        setPath(ZEV_EPHE_PATH);
        std::array<double, 6> place{};
        std::array<char, AS_MAXCH> error{};
        const int32 answered = calculate(2451545.0, SE_MOON, SEFLG_SWIEPH, place.data(), error.data());
        flags = answered >= 0 && (answered & SEFLG_SWIEPH) ? SEFLG_SWIEPH : SEFLG_MOSEPH;
        return true;
    }
};

const SwissEphemeris* Opened()
{
    static SwissEphemeris ephemeris;
    static const bool opened = ephemeris.open();
    return opened ? &ephemeris : nullptr;
}

// The nutation in longitude, in degrees, at a whole day of Universal Time; the last few days
// asked for are kept.
double Nutation_On_Day(const SwissEphemeris& ephemeris, double day)
{
    struct KnownDay {
        double day = 0;
        double nutation = 0;
    };
    static std::array<KnownDay, 4> known{};
    static std::size_t oldest = 0;
    for (const KnownDay& kept : known) {
        if (kept.day == day)
            return kept.nutation;
    }
    std::array<double, 6> values{};
    std::array<char, AS_MAXCH> error{};
    ephemeris.calculate(day, SE_ECL_NUT, ephemeris.flags, values.data(), error.data());
    known[oldest] = {day, values[2]};
    oldest = (oldest + 1) % known.size();
    return values[2];
}

// The nutation in longitude at a moment, on the straight line between the whole days around
// it: the nutation's 1,300 terms cost as much as the rest of a place, and its fastest terms
// bend that line by under a hundredth of a second of arc in a day.
double Nutation_At(const SwissEphemeris& ephemeris, double julianDayUt)
{
    const double day = std::floor(julianDayUt);
    const double before = Nutation_On_Day(ephemeris, day);
    return before + (Nutation_On_Day(ephemeris, day + 1) - before) * (julianDayUt - day);
}

// A body's apparent longitude: its place against the mean equinox of the day, worked out without
// the nutation, which is added to it afterwards (it moves the equinox along the ecliptic and
// leaves the latitude as it is).
double Longitude_Of(const SwissEphemeris& ephemeris, int32 body, double julianDayUt, double* latitude = nullptr)
{
    std::array<double, 6> place{};
    std::array<char, AS_MAXCH> error{};
    ephemeris.calculate(julianDayUt, body, ephemeris.flags | SEFLG_NONUT, place.data(), error.data());
    if (latitude)
        *latitude = place[1];
    return std::fmod(place[0] + Nutation_At(ephemeris, julianDayUt) + 360.0, 360.0);
}

}  // namespace

EphemerisSource Ephemeris_Source()
{
    const SwissEphemeris* ephemeris = Opened();
    if (!ephemeris)
        return EphemerisSource::Missing;
    return ephemeris->flags == SEFLG_SWIEPH ? EphemerisSource::Files : EphemerisSource::Moshier;
}

MoonAndSun Moon_And_Sun_At(double julianDayUt)
{
    MoonAndSun places{};
    if (const SwissEphemeris* ephemeris = Opened()) {
        places.moonLongitude = Longitude_Of(*ephemeris, SE_MOON, julianDayUt, &places.moonLatitude);
        places.sunLongitude = Longitude_Of(*ephemeris, SE_SUN, julianDayUt);
    }
    return places;
}

double Moon_Longitude_At(double julianDayUt)
{
    const SwissEphemeris* ephemeris = Opened();
    return ephemeris ? Longitude_Of(*ephemeris, SE_MOON, julianDayUt) : 0.0;
}

QString Ephemeris_Text()
{
    const SwissEphemeris* ephemeris = Opened();
    if (!ephemeris)
        return QStringLiteral("The Swiss Ephemeris library (libswe2.0) was not found: the Moon cannot be shown.");
    std::array<char, AS_MAXCH> version{};
    ephemeris->version(version.data());
    const QString library = QStringLiteral("Swiss Ephemeris %1").arg(QString::fromLatin1(version.data()));
    if (ephemeris->flags == SEFLG_SWIEPH)
        return QStringLiteral("Times from the %1, its JPL-based files in %2.").arg(library, QStringLiteral(ZEV_EPHE_PATH));
    return QStringLiteral("Times from the %1, Moshier's theory: the files were not found in %2 "
                          "(install swe-basic-data for the full ephemeris).")
        .arg(library, QStringLiteral(ZEV_EPHE_PATH));
}
