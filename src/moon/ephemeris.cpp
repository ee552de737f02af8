#include "moon/ephemeris.h"

#include <swephexp.h>

#include <QLibrary>

#include <array>
#include <type_traits>

namespace {

// The Swiss Ephemeris is opened when the Moon is first asked for, after the launcher's first
// frame, not with the program: nothing of it is loaded while the program starts.
struct SwissEphemeris {
    decltype(&swe_set_ephe_path) setPath = nullptr;
    decltype(&swe_calc_ut) calculate = nullptr;
    decltype(&swe_version) version = nullptr;
    decltype(&swe_set_interpolate_nut) interpolateNutation = nullptr;
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
        if (!(find(setPath, "swe_set_ephe_path") && find(calculate, "swe_calc_ut") && find(version, "swe_version")
              && find(interpolateNutation, "swe_set_interpolate_nut")))
            return false;
        setPath(ZEV_EPHE_PATH);
        // The nutation's 1,300 terms, worked out afresh for every place, cost two thirds of a
        // month's time; interpolated between days they differ by under a ten-thousandth of a
        // second of arc.
        interpolateNutation(true);
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

double Longitude_Of(const SwissEphemeris& ephemeris, int32 body, double julianDayUt, double* latitude = nullptr)
{
    std::array<double, 6> place{};
    std::array<char, AS_MAXCH> error{};
    ephemeris.calculate(julianDayUt, body, ephemeris.flags, place.data(), error.data());
    if (latitude)
        *latitude = place[1];
    return place[0];
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
